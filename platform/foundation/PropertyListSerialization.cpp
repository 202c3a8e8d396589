#include "platform/foundation/PropertyListSerialization.h"

#include <openssl/evp.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/foundation/CocoaError.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/Utf16.h"

namespace ns {

namespace {

// ------------------------------------------------------------------ Base64

std::string base64Encode(const Data& data) {
    std::string out(4 * ((data.length() + 2) / 3) + 1, '\0');
    int n = data.empty() ? 0 : EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()), data.bytes(), static_cast<int>(data.length()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

// White space is skipped; anything else outside the alphabet, or a length
// that is not a whole number of quads, fails.
std::optional<Data> base64Decode(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
        bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' || c == '=';
        if (!ok) return std::nullopt;
        clean.push_back(c);
    }
    if (clean.size() % 4 != 0) return std::nullopt;
    if (clean.empty()) return Data();
    std::size_t padding = 0;
    if (clean.back() == '=') ++padding;
    if (clean.size() >= 2 && clean[clean.size() - 2] == '=') ++padding;
    // '=' may only end the text.
    if (clean.find('=') < clean.size() - padding) return std::nullopt;
    Data out = Data::withLength(clean.size() / 4 * 3);
    int n = EVP_DecodeBlock(out.mutableBytes(), reinterpret_cast<const unsigned char*>(clean.data()), static_cast<int>(clean.size()));
    if (n < 0) return std::nullopt;
    out.setLength(static_cast<std::size_t>(n) - padding);
    return out;
}

// ------------------------------------------------------------------ dates

std::string isoDate(const Date& date) {
    double secs = std::floor(date.timeIntervalSince1970());
    std::time_t t = static_cast<std::time_t>(secs);
    std::tm tm{};
    if (!gmtime_r(&t, &tm)) return "1970-01-01T00:00:00Z";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02dZ", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                  tm.tm_min, tm.tm_sec);
    return buf;
}

std::optional<Date> parseIsoDate(std::string_view s) {
    int y, mo, d, h, mi, sec;
    char z;
    std::string text(s);
    if (text.size() != 20 || std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &sec, &z) != 7 || z != 'Z') {
        return std::nullopt;
    }
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || sec > 60 || h < 0 || mi < 0 || sec < 0) return std::nullopt;
    std::tm tm{};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = sec;
    return Date::withTimeIntervalSince1970(static_cast<double>(timegm(&tm)));
}

// ------------------------------------------------------------------ writing

void appendEscaped(std::string& out, const std::string& s) {
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out.push_back(c);
        }
    }
}

std::string realText(double d) {
    if (std::isnan(d)) return "nan";
    if (std::isinf(d)) return d > 0 ? "+infinity" : "-infinity";
    return formatDouble(d);
}

bool validPlist(const Value& v, int depth) {
    if (depth > PropertyListSerialization::kMaxDepth) return false;
    switch (v.kind()) {
        case ValueKind::Nil:
        case ValueKind::Null:
        case ValueKind::Object:
            return false;
        case ValueKind::Array:
            for (const Value& item : v.asArray()) {
                if (!validPlist(item, depth + 1)) return false;
            }
            return true;
        case ValueKind::Dictionary:
            for (const auto& [key, item] : v.asDictionary()) {
                if (!validPlist(item, depth + 1)) return false;
            }
            return true;
        default:
            return true;
    }
}

void writeValue(std::string& out, const Value& v, int indent) {
    std::string tabs(static_cast<std::size_t>(indent), '\t');
    out += tabs;
    switch (v.kind()) {
        case ValueKind::Bool: out += v.boolValue() ? "<true/>" : "<false/>"; break;
        case ValueKind::Integer:
        case ValueKind::Unsigned: out += "<integer>" + v.stringValue() + "</integer>"; break;
        case ValueKind::Double: out += "<real>" + realText(v.doubleValue()) + "</real>"; break;
        case ValueKind::Decimal: out += "<real>" + v.decimalText() + "</real>"; break;
        case ValueKind::String:
            out += "<string>";
            appendEscaped(out, v.asString());
            out += "</string>";
            break;
        case ValueKind::Data: out += "<data>" + base64Encode(v.asData()) + "</data>"; break;
        case ValueKind::Date: out += "<date>" + isoDate(v.asDate()) + "</date>"; break;
        case ValueKind::Array:
            if (v.asArray().empty()) {
                out += "<array/>";
                break;
            }
            out += "<array>\n";
            for (const Value& item : v.asArray()) writeValue(out, item, indent + 1);
            out += tabs + "</array>";
            break;
        case ValueKind::Dictionary:
            if (v.asDictionary().empty()) {
                out += "<dict/>";
                break;
            }
            out += "<dict>\n";
            for (const auto& [key, item] : v.asDictionary()) {
                out += tabs + "\t<key>";
                appendEscaped(out, key);
                out += "</key>\n";
                writeValue(out, item, indent + 1);
            }
            out += tabs + "</dict>";
            break;
        default: break;  // excluded by validation
    }
    out.push_back('\n');
}

// ------------------------------------------------------------------ reading

// A small XML reader for exactly what property lists use: elements without
// namespaces, text with the five entities and character references, CDATA,
// comments, processing instructions and a document type line.
class PlistReader {
public:
    explicit PlistReader(std::string_view text) : s_(text) {}

    std::optional<Value> document() {
        skipMisc();
        std::string name;
        bool empty = false;
        std::size_t mark = pos_;
        if (!openTag(name, empty)) return std::nullopt;
        std::optional<Value> root;
        if (name == "plist") {
            if (empty) return std::nullopt;
            skipMisc();
            root = value(1);
            if (!root) return std::nullopt;
            skipMisc();
            if (!closeTag("plist")) return std::nullopt;
        } else {
            pos_ = mark;  // a bare value without the plist element
            root = value(1);
            if (!root) return std::nullopt;
        }
        skipMisc();
        if (pos_ != s_.size()) return std::nullopt;
        return root;
    }

private:
    bool atEnd() const { return pos_ >= s_.size(); }
    bool startsWith(std::string_view p) const { return s_.substr(pos_, p.size()) == p; }
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    void skipSpace() {
        while (!atEnd() && isSpace(s_[pos_])) ++pos_;
    }
    bool skipPast(std::string_view end) {
        std::size_t at = s_.find(end, pos_);
        if (at == std::string_view::npos) return false;
        pos_ = at + end.size();
        return true;
    }

    // White space, comments, processing instructions and a document type
    // line (with an internal subset in brackets).
    bool skipMisc() {
        for (;;) {
            skipSpace();
            if (startsWith("<?")) {
                if (!skipPast("?>")) return false;
            } else if (startsWith("<!--")) {
                if (!skipPast("-->")) return false;
            } else if (startsWith("<!DOCTYPE")) {
                int brackets = 0;
                for (++pos_; !atEnd(); ++pos_) {
                    char c = s_[pos_];
                    if (c == '[') ++brackets;
                    else if (c == ']') --brackets;
                    else if (c == '>' && brackets <= 0) break;
                }
                if (atEnd()) return false;
                ++pos_;
            } else {
                return true;
            }
        }
    }

    // "<name attr="v" ...>" or "<name .../>"; attributes are skipped.
    bool openTag(std::string& name, bool& empty) {
        if (atEnd() || s_[pos_] != '<') return false;
        ++pos_;
        std::size_t start = pos_;
        while (!atEnd() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_' || s_[pos_] == '-' || s_[pos_] == ':')) ++pos_;
        if (pos_ == start) return false;
        name.assign(s_.substr(start, pos_ - start));
        char quote = 0;
        for (; !atEnd(); ++pos_) {
            char c = s_[pos_];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                empty = pos_ > start && s_[pos_ - 1] == '/';
                ++pos_;
                return true;
            } else if (c == '<') {
                return false;
            }
        }
        return false;
    }

    bool closeTag(std::string_view name) {
        if (!startsWith("</")) return false;
        pos_ += 2;
        if (s_.substr(pos_, name.size()) != name) return false;
        pos_ += name.size();
        skipSpace();
        if (atEnd() || s_[pos_] != '>') return false;
        ++pos_;
        return true;
    }

    // Character data up to the closing tag of `name`, entities decoded.
    std::optional<std::string> text(std::string_view name) {
        std::string out;
        for (;;) {
            if (atEnd()) return std::nullopt;
            char c = s_[pos_];
            if (c == '<') {
                if (startsWith("<![CDATA[")) {
                    std::size_t at = s_.find("]]>", pos_ + 9);
                    if (at == std::string_view::npos) return std::nullopt;
                    out.append(s_.substr(pos_ + 9, at - pos_ - 9));
                    pos_ = at + 3;
                } else if (startsWith("<!--")) {
                    if (!skipPast("-->")) return std::nullopt;
                } else if (closeTag(name)) {
                    if (!utf16::isValidUtf8(out)) return std::nullopt;
                    return out;
                } else {
                    return std::nullopt;
                }
            } else if (c == '&') {
                std::size_t semi = s_.find(';', pos_);
                if (semi == std::string_view::npos || semi - pos_ > 12) return std::nullopt;
                std::string_view entity = s_.substr(pos_ + 1, semi - pos_ - 1);
                if (entity == "lt") out.push_back('<');
                else if (entity == "gt") out.push_back('>');
                else if (entity == "amp") out.push_back('&');
                else if (entity == "quot") out.push_back('"');
                else if (entity == "apos") out.push_back('\'');
                else if (entity.size() > 1 && entity[0] == '#') {
                    bool hex = entity[1] == 'x' || entity[1] == 'X';
                    std::string digits(entity.substr(hex ? 2 : 1));
                    if (digits.empty()) return std::nullopt;
                    char* end = nullptr;
                    unsigned long cp = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
                    if (*end || cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
                    utf16::appendUtf8(out, static_cast<char32_t>(cp));
                } else {
                    return std::nullopt;
                }
                pos_ = semi + 1;
            } else {
                out.push_back(c);
                ++pos_;
            }
        }
    }

    std::optional<std::string> scalarText(const std::string& name, bool empty) {
        if (empty) return std::string();
        auto t = text(name);
        if (!t) return std::nullopt;
        std::size_t b = 0, e = t->size();
        while (b < e && isSpace((*t)[b])) ++b;
        while (e > b && isSpace((*t)[e - 1])) --e;
        return t->substr(b, e - b);
    }

    static std::optional<Value> integer(const std::string& t) {
        if (t.empty()) return std::nullopt;
        std::size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
        if (i == t.size()) return std::nullopt;
        for (std::size_t k = i; k < t.size(); ++k) {
            if (t[k] < '0' || t[k] > '9') return std::nullopt;
        }
        errno = 0;
        if (t[0] == '-') {
            long long v = std::strtoll(t.c_str(), nullptr, 10);
            if (errno == ERANGE) return std::nullopt;
            return Value(static_cast<std::int64_t>(v));
        }
        unsigned long long u = std::strtoull(t.c_str() + i, nullptr, 10);
        if (errno == ERANGE) return std::nullopt;
        if (u <= static_cast<unsigned long long>(INT64_MAX)) return Value(static_cast<std::int64_t>(u));
        return Value(static_cast<std::uint64_t>(u));
    }

    static std::optional<Value> real(const std::string& t) {
        if (t == "nan") return Value(std::nan(""));
        if (t == "+infinity" || t == "inf" || t == "infinity") return Value(HUGE_VAL);
        if (t == "-infinity" || t == "-inf") return Value(-HUGE_VAL);
        if (t.empty()) return std::nullopt;
        char* end = nullptr;
        double d = std::strtod(t.c_str(), &end);
        if (*end) return std::nullopt;
        return Value(d);
    }

    std::optional<Value> value(int depth) {
        if (depth > PropertyListSerialization::kMaxDepth) return std::nullopt;
        skipMisc();
        std::string name;
        bool empty = false;
        if (!openTag(name, empty)) return std::nullopt;
        if (name == "dict") {
            Dictionary dict;
            if (empty) return Value(std::move(dict));
            for (;;) {
                if (!skipMisc()) return std::nullopt;
                if (closeTag("dict")) return Value(std::move(dict));
                std::string keyTag;
                bool keyEmpty = false;
                if (!openTag(keyTag, keyEmpty) || keyTag != "key") return std::nullopt;
                auto key = scalarTextRaw(keyTag, keyEmpty);
                if (!key) return std::nullopt;
                auto item = value(depth + 1);
                if (!item) return std::nullopt;
                dict.set(std::move(*key), std::move(*item));
            }
        }
        if (name == "array") {
            Array array;
            if (empty) return Value(std::move(array));
            for (;;) {
                if (!skipMisc()) return std::nullopt;
                if (closeTag("array")) return Value(std::move(array));
                auto item = value(depth + 1);
                if (!item) return std::nullopt;
                array.push_back(std::move(*item));
            }
        }
        if (name == "string") {
            auto t = scalarTextRaw(name, empty);
            if (!t) return std::nullopt;
            return Value(std::move(*t));
        }
        if (name == "true" || name == "false") {
            if (!empty && !closeTag(name)) return std::nullopt;
            return Value(name == "true");
        }
        auto t = scalarText(name, empty);
        if (!t) return std::nullopt;
        if (name == "integer") return integer(*t);
        if (name == "real") return real(*t);
        if (name == "date") {
            auto d = parseIsoDate(*t);
            if (!d) return std::nullopt;
            return Value(*d);
        }
        if (name == "data") {
            auto d = base64Decode(*t);
            if (!d) return std::nullopt;
            return Value(std::move(*d));
        }
        return std::nullopt;
    }

    // Text kept exactly (strings and keys keep their white space).
    std::optional<std::string> scalarTextRaw(const std::string& name, bool empty) {
        if (empty) return std::string();
        return text(name);
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

}  // namespace

bool PropertyListSerialization::propertyListIsValid(const Value& plist) { return validPlist(plist, 1); }

std::optional<Data> PropertyListSerialization::dataWithPropertyList(const Value& plist, PropertyListFormat format,
                                                                    ErrorPtr* error) {
    if (format != PropertyListFormat::XML) {
        setError(error, cocoaError(kPropertyListWriteInvalidError, "Only XML property lists are written."));
        return std::nullopt;
    }
    if (!propertyListIsValid(plist)) {
        setError(error, cocoaError(kPropertyListWriteInvalidError, "Property list invalid for format."));
        return std::nullopt;
    }
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";
    writeValue(out, plist, 0);
    out += "</plist>\n";
    return Data::fromString(out);
}

Value PropertyListSerialization::propertyListWithData(const Data& data, ErrorPtr* error) {
    std::string_view text(reinterpret_cast<const char*>(data.bytes()), data.length());
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    auto v = PlistReader(text).document();
    if (!v) {
        setError(error, cocoaError(kPropertyListReadCorruptError, "The data couldn’t be read because it isn’t in the correct format."));
        return Value();
    }
    return *v;
}

Value dictionaryWithContentsOfFile(const std::string& path) {
    auto data = dataWithContentsOfFile(path);
    if (!data) return Value();
    Value v = PropertyListSerialization::propertyListWithData(*data);
    return v.isDictionary() ? v : Value();
}

Value arrayWithContentsOfFile(const std::string& path) {
    auto data = dataWithContentsOfFile(path);
    if (!data) return Value();
    Value v = PropertyListSerialization::propertyListWithData(*data);
    return v.isArray() ? v : Value();
}

bool writePropertyListToFile(const Value& plist, const std::string& path, bool atomically, ErrorPtr* error) {
    if (!plist.isArray() && !plist.isDictionary()) {
        setError(error, cocoaError(kPropertyListWriteInvalidError, "Only dictionaries and arrays are written to files."));
        return false;
    }
    auto data = PropertyListSerialization::dataWithPropertyList(plist, PropertyListFormat::XML, error);
    return data && writeDataToFile(*data, path, atomically, error);
}

}  // namespace ns
