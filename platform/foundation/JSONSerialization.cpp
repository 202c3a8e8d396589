#include "platform/foundation/JSONSerialization.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "platform/foundation/CocoaError.h"
#include "platform/foundation/Utf16.h"

namespace ns {

namespace {

// Builds a Value straight from the parser's events, so that key order and
// number kinds survive and depth can be bounded.
class ValueBuilder : public nlohmann::json_sax<nlohmann::json> {
public:
    Value root;
    std::string failure;

    bool null() override { return put(Value::null()); }
    bool boolean(bool b) override { return put(Value(b)); }
    bool number_integer(number_integer_t i) override {
        // The reader hands every non-negative integer to number_unsigned, so a
        // signed zero can only be the text "-0": it keeps its sign as floating.
        if (i == 0) return put(Value(-0.0));
        return put(Value(static_cast<std::int64_t>(i)));
    }
    bool number_unsigned(number_unsigned_t u) override {
        // Small unsigned numbers are ordinary integers; only values beyond
        // the signed range need the unsigned kind.
        if (u <= static_cast<std::uint64_t>(INT64_MAX)) return put(Value(static_cast<std::int64_t>(u)));
        return put(Value(static_cast<std::uint64_t>(u)));
    }
    bool number_float(number_float_t d, const string_t& text) override {
        // An integer too long for 64 bits arrives here too; rounding it to a
        // double would lose digits, so it stays an exact decimal.
        if (text.find_first_of(".eE") == string_t::npos) return put(Value::decimal(text));
        if (!std::isfinite(d)) return fail("Number out of range");
        return put(Value(static_cast<double>(d)));
    }
    bool string(string_t& s) override { return put(Value(std::move(s))); }
    bool binary(binary_t&) override { return fail("Binary values are not JSON"); }
    bool start_object(std::size_t) override { return open(Value(Dictionary())); }
    bool key(string_t& k) override {
        pendingKey_ = std::move(k);
        return true;
    }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(Value(Array())); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) override {
        return fail("Invalid JSON text around byte " + std::to_string(position));
    }

private:
    bool fail(std::string why) {
        if (failure.empty()) failure = std::move(why);
        return false;
    }
    bool put(Value v) {
        if (stack_.empty()) {
            root = std::move(v);
            return true;
        }
        Value& top = stack_.back();
        if (top.isArray()) {
            top.mutableArray().push_back(std::move(v));
        } else {
            top.mutableDictionary().set(std::move(pendingKey_), std::move(v));
            pendingKey_.clear();
        }
        return true;
    }
    bool open(Value container) {
        if (static_cast<int>(stack_.size()) >= JSONSerialization::kMaxDepth) return fail("Nesting too deep");
        if (!stack_.empty() && stack_.back().isDictionary()) keys_.push_back(std::move(pendingKey_));
        else keys_.emplace_back();
        pendingKey_.clear();
        stack_.push_back(std::move(container));
        return true;
    }
    bool close() {
        Value done = std::move(stack_.back());
        stack_.pop_back();
        pendingKey_ = std::move(keys_.back());
        keys_.pop_back();
        return put(std::move(done));
    }

    std::vector<Value> stack_;
    std::vector<std::string> keys_;  // the key each open container goes under
    std::string pendingKey_;
};

bool validJSON(const Value& v, int depth) {
    if (depth > JSONSerialization::kMaxDepth) return false;
    switch (v.kind()) {
        case ValueKind::Null:
        case ValueKind::Bool:
        case ValueKind::Integer:
        case ValueKind::Unsigned:
        case ValueKind::Decimal:
            return true;
        case ValueKind::String:
            // Text that is not UTF-8 would make JSON the reader refuses.
            return utf16::isValidUtf8(v.asString());
        case ValueKind::Double:
            return std::isfinite(v.doubleValue());
        case ValueKind::Array:
            return std::all_of(v.asArray().begin(), v.asArray().end(),
                               [&](const Value& item) { return validJSON(item, depth + 1); });
        case ValueKind::Dictionary:
            return std::all_of(v.asDictionary().begin(), v.asDictionary().end(),
                               [&](const Dictionary::Entry& e) {
                                   return utf16::isValidUtf8(e.first) && validJSON(e.second, depth + 1);
                               });
        default:
            return false;
    }
}

class Writer {
public:
    explicit Writer(unsigned options) : options_(options) {}
    std::string out;

    void write(const Value& v, int indent) {
        switch (v.kind()) {
            case ValueKind::Null: out += "null"; break;
            case ValueKind::Bool: out += v.boolValue() ? "true" : "false"; break;
            case ValueKind::Integer:
            case ValueKind::Unsigned:
            case ValueKind::Double: out += v.stringValue(); break;
            case ValueKind::Decimal: out += v.decimalText(); break;
            case ValueKind::String: writeString(v.asString()); break;
            case ValueKind::Array: writeArray(v.asArray(), indent); break;
            case ValueKind::Dictionary: writeDictionary(v.asDictionary(), indent); break;
            default: out += "null"; break;  // excluded by validation
        }
    }

private:
    bool pretty() const { return options_ & kJSONWritingPrettyPrinted; }
    void newline(int indent) {
        if (!pretty()) return;
        out.push_back('\n');
        out.append(static_cast<std::size_t>(indent) * 2, ' ');
    }
    void writeArray(const Array& a, int indent) {
        out.push_back('[');
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (i) out.push_back(',');
            newline(indent + 1);
            write(a[i], indent + 1);
        }
        if (!a.empty()) newline(indent);
        out.push_back(']');
    }
    void writeDictionary(const Dictionary& d, int indent) {
        std::vector<std::string> keys = (options_ & kJSONWritingSortedKeys) ? d.sortedKeys() : d.keys();
        out.push_back('{');
        bool first = true;
        for (const std::string& k : keys) {
            if (!first) out.push_back(',');
            first = false;
            newline(indent + 1);
            writeString(k);
            out += pretty() ? " : " : ":";
            write(d[k], indent + 1);
        }
        if (!keys.empty()) newline(indent);
        out.push_back('}');
    }
    void writeString(const std::string& s) {
        out.push_back('"');
        for (unsigned char c : s) {
            switch (c) {
                case '"': out += "\\\""; break;
                case '\\': out += "\\\\"; break;
                case '/': out += (options_ & kJSONWritingWithoutEscapingSlashes) ? "/" : "\\/"; break;
                case '\n': out += "\\n"; break;
                case '\r': out += "\\r"; break;
                case '\t': out += "\\t"; break;
                case '\b': out += "\\b"; break;
                case '\f': out += "\\f"; break;
                default:
                    if (c < 0x20) {
                        char buf[8];
                        std::snprintf(buf, sizeof buf, "\\u%04x", c);
                        out += buf;
                    } else {
                        out.push_back(static_cast<char>(c));
                    }
            }
        }
        out.push_back('"');
    }
    unsigned options_;
};

}  // namespace

Value JSONSerialization::JSONObjectWithData(const Data& data, unsigned options, ErrorPtr* error) {
    ValueBuilder builder;
    const char* begin = reinterpret_cast<const char*>(data.bytes());
    std::string_view text(begin ? begin : "", data.length());
    // A leading UTF-8 byte-order mark is allowed, as the platform allows it.
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    // The reader takes a NUL byte for the end of the text, so "[1]\0junk"
    // would read as "[1]". JSON allows no raw NUL anywhere (inside a string it
    // must be escaped, and it is no whitespace), so such text is refused.
    if (text.find('\0') != std::string_view::npos) {
        setError(error, cocoaError(kPropertyListReadCorruptError, "Invalid JSON text: a NUL byte"));
        return Value();
    }
    bool ok = false;
    try {
        ok = nlohmann::json::sax_parse(text.begin(), text.end(), &builder, nlohmann::json::input_format_t::json, true);
    } catch (const std::exception&) {
        ok = false;
    }
    if (!ok) {
        setError(error, cocoaError(kPropertyListReadCorruptError,
                                   builder.failure.empty() ? "The data couldn’t be read because it isn’t in the correct format."
                                                           : builder.failure));
        return Value();
    }
    if (!(options & kJSONReadingFragmentsAllowed) && !builder.root.isArray() && !builder.root.isDictionary()) {
        setError(error, cocoaError(kPropertyListReadCorruptError, "JSON text did not start with array or object and option to allow fragments not set."));
        return Value();
    }
    return builder.root;
}

bool JSONSerialization::isValidJSONObject(const Value& value, unsigned writingOptions) {
    if (!(writingOptions & kJSONWritingFragmentsAllowed) && !value.isArray() && !value.isDictionary()) return false;
    return validJSON(value, 1);
}

std::optional<Data> JSONSerialization::dataWithJSONObject(const Value& value, unsigned options, ErrorPtr* error) {
    if (!isValidJSONObject(value, options)) {
        setError(error, cocoaError(kPropertyListReadCorruptError, "Invalid object for JSON writing."));
        return std::nullopt;
    }
    Writer writer(options);
    writer.write(value, 0);
    return Data::fromString(writer.out);
}

}  // namespace ns
