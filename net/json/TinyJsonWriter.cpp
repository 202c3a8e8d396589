#include "net/json/TinyJsonWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "net/json/JTArray.h"
#include "net/json/JTDictionary.h"
#include "net/json/JsonClassName.h"
#include "net/json/JsonUtf8.h"

namespace {

// Bytes that stop a plain run: 0..31, the double quote and the backslash
// (escaped), and the lead bytes of multi-byte UTF-8 (checked, then copied).
struct EscapeTable {
    bool needs[256] = {};
    EscapeTable() {
        for (int c = 0; c < 32; ++c) needs[c] = true;
        for (int c = 0x80; c < 256; ++c) needs[c] = true;
        needs[static_cast<unsigned char>('"')] = needs[static_cast<unsigned char>('\\')] = true;
    }
};
const EscapeTable kEscapes;

// The shortest text that reads back as the same double, as ns::formatDouble
// writes it (whole numbers below 10^15 in plain digits), written in place.
// Whole numbers of more than 15 digits go to exponent form, as the platform
// writes them, so that no reader takes them for (possibly out of range)
// integers.
char* writeNumberText(double d, char* at) {
    char* const end = at + 40;
    if (d == std::floor(d) && std::fabs(d) < 1e15) {
        if (d == 0 && std::signbit(d)) {
            *at++ = '-';
            *at++ = '0';
            return at;
        }
        return std::to_chars(at, end, static_cast<std::int64_t>(d)).ptr;
    }
    char* last = std::to_chars(at, end, d).ptr;
    if (last - at > 16 && std::find_if(at, last, [](char c) { return c == '.' || c == 'e' || c == 'E'; }) == last)
        last = std::to_chars(at, end, d, std::chars_format::scientific).ptr;
    return last;
}

}  // namespace

ns::Value TinyJsonWriter::stringWithObject(const ns::Value& value, ns::ErrorPtr* error) {
    clearErrorTrace();
    depth_ = 0;
    ns::Value result;
    const bool collection = value.isArray() || value.isDictionary() || value.as<JTArray>() || value.as<JTDictionary>();
    if (collection) {
        JsonTextBuffer out(128);
        if (writeValue(value, out)) result = ns::Value(out.take());
    }
    if (result.isNil()) addErrorWithCode(4, "Not valid type for JSON");
    if (error) *error = result.isNil() ? errorTrace().back() : nullptr;
    return result;
}

void TinyJsonWriter::newline(JsonTextBuffer& out, unsigned depth) const {
    out.push_back('\n');
    out.append(2 * static_cast<std::size_t>(depth), ' ');
}

bool TinyJsonWriter::writeValue(const ns::Value& value, JsonTextBuffer& out) {
    switch (value.kind()) {
        case ns::ValueKind::Array: return writeArray(value.asArray().data(), value.asArray().size(), out);
        case ns::ValueKind::Dictionary: return writeDictionary(value, out);
        case ns::ValueKind::String: return writeString(value.asString(), out);
        case ns::ValueKind::Bool: out += value.boolValue() ? "true" : "false"; return true;
        case ns::ValueKind::Integer: {
            char* at = out.room(24);
            out.commit(std::to_chars(at, at + 24, value.longLongValue()).ptr);
            return true;
        }
        case ns::ValueKind::Unsigned: {
            char* at = out.room(24);
            out.commit(std::to_chars(at, at + 24, value.unsignedLongLongValue()).ptr);
            return true;
        }
        case ns::ValueKind::Decimal: out += value.decimalText(); return true;
        case ns::ValueKind::Double: {
            const double d = value.doubleValue();
            if (std::isnan(d)) {
                addErrorWithCode(1, "NaN is not a valid number in JSON");
                return false;
            }
            if (std::isinf(d)) {
                addErrorWithCode(1, "Infinity is not a valid number in JSON");
                return false;
            }
            out.commit(writeNumberText(d, out.room(40)));
            return true;
        }
        case ns::ValueKind::Null: out += "null"; return true;
        case ns::ValueKind::Object:
            if (auto array = value.as<JTArray>()) {
                const ns::Value platform = array->toValue();
                return writeArray(platform.asArray().data(), platform.asArray().size(), out);
            }
            if (value.as<JTDictionary>()) return writeDictionary(value, out);
            [[fallthrough]];
        default:
            addErrorWithCode(1, "JSON serialisation not supported for " + jsonClassName(value));
            return false;
    }
}

bool TinyJsonWriter::writeArray(const ns::Value* items, std::size_t count, JsonTextBuffer& out) {
    if (!enterContainer()) return false;
    out.push_back('[');
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) out.push_back(',');
        if (humanReadable_) newline(out, depth_);
        if (!writeValue(items[i], out)) return false;
    }
    leaveContainer();
    if (humanReadable_ && count > 0) newline(out, depth_);
    out.push_back(']');
    return true;
}

bool TinyJsonWriter::writeDictionary(const ns::Value& value, JsonTextBuffer& out) {
    if (!enterContainer()) return false;
    // Pairs in the dictionary's own order (slot order for the codec's own
    // dictionaries), by reference: nothing is copied.
    std::vector<std::pair<const ns::Value*, const ns::Value*>> jtPairs;
    std::vector<const ns::Dictionary::Entry*> entries;
    std::shared_ptr<JTDictionary> jt;
    if (value.isDictionary()) {
        if (sortKeys_) {
            for (const auto& e : value.asDictionary()) entries.push_back(&e);
            std::stable_sort(entries.begin(), entries.end(),
                             [](const auto* a, const auto* b) { return a->first < b->first; });
        }
    } else {
        jt = value.as<JTDictionary>();
        for (const auto& e : jt->entries())
            if (!e.key.isNil()) jtPairs.emplace_back(&e.key, &e.object);
        if (sortKeys_)
            std::stable_sort(jtPairs.begin(), jtPairs.end(),
                             [](const auto& a, const auto& b) { return a.first->asString() < b.first->asString(); });
    }
    out.push_back('{');
    std::size_t written = 0;
    auto writePair = [&](const std::string* key, const ns::Value& object) {
        if (written++ > 0) out.push_back(',');
        if (humanReadable_) newline(out, depth_);
        if (!key) {
            addErrorWithCode(1, "JSON object key must be string");
            return false;
        }
        if (!writeString(*key, out)) return false;
        if (humanReadable_)
            out.append(" : ", 3);
        else
            out.push_back(':');
        if (!writeValue(object, out)) {
            addErrorWithCode(1, "Unsupported value for key " + *key + " in object");
            return false;
        }
        return true;
    };
    if (jt) {
        for (const auto& [key, object] : jtPairs)
            if (!writePair(key->isString() ? &key->asString() : nullptr, *object)) return false;
    } else if (sortKeys_) {
        for (const auto* e : entries)
            if (!writePair(&e->first, e->second)) return false;
    } else {
        for (const auto& e : value.asDictionary())
            if (!writePair(&e.first, e.second)) return false;
    }
    leaveContainer();
    if (humanReadable_ && written > 0) newline(out, depth_);
    out.push_back('}');
    return true;
}

bool TinyJsonWriter::writeString(const std::string& text, JsonTextBuffer& out) {
    out.push_back('"');
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    const unsigned char* run = p;
    for (;;) {
        while (p < end && !kEscapes.needs[*p]) ++p;
        if (p < end && *p >= 0x80) {
            // Bytes that are not UTF-8 would make text the parser refuses.
            const jsonutf8::Sequence s = jsonutf8::readSequence(p, end);
            if (s.status != jsonutf8::SequenceStatus::Ok) {
                addErrorWithCode(1, "JSON serialisation not supported for text that is not UTF-8");
                return false;
            }
            p += s.length;
            continue;
        }
        out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
        if (p == end) break;
        switch (*p) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\f': out += "\\f"; break;
            case '\r': out += "\\r"; break;
            default: {
                static constexpr char kHex[] = "0123456789abcdef";
                const char e[6] = {'\\', 'u', '0', '0', kHex[*p >> 4], kHex[*p & 15]};
                out.append(e, 6);
            }
        }
        run = ++p;
    }
    out.push_back('"');
    return true;
}
