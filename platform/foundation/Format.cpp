#include "platform/foundation/Format.h"

#include <cstdio>

#include "platform/foundation/Utf16.h"

namespace ns {

namespace {

struct Conversion {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string length;  // "", "h", "hh", "l", "ll", "q", "z", "t", "j", "L"
    char conversion = 0;
};

std::string printfOne(const std::string& fmt, auto value) {
    char small[128];
    int n = std::snprintf(small, sizeof small, fmt.c_str(), value);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), fmt.c_str(), value);
    big.resize(static_cast<std::size_t>(n));
    return big;
}

// "%<flags><width>.<precision>" with the given tail (length + conversion).
std::string cFormat(const Conversion& s, const char* tail) {
    std::string f = "%" + s.flags;
    if (s.width >= 0) f += std::to_string(s.width);
    if (s.precision >= 0) f += "." + std::to_string(s.precision);
    f += tail;
    return f;
}

// Pads text to the width, counted in UTF-16 units as the platform counts.
std::string pad(std::string text, const Conversion& s) {
    if (s.width < 0) return text;
    std::size_t len = utf16::length(text);
    if (len >= static_cast<std::size_t>(s.width)) return text;
    std::string fill(static_cast<std::size_t>(s.width) - len, ' ');
    return s.flags.find('-') != std::string::npos ? text + fill : fill + text;
}

bool isWide(const Conversion& s) { return s.length == "l" || s.length == "ll" || s.length == "q" || s.length == "z" ||
                                    s.length == "t" || s.length == "j"; }

}  // namespace

std::string formatValues(std::string_view format, const std::vector<Value>& args) {
    std::string out;
    std::size_t next = 0;
    auto nextArg = [&]() -> const Value& {
        static const Value nil;
        return next < args.size() ? args[next++] : nil;
    };
    std::size_t i = 0;
    while (i < format.size()) {
        char ch = format[i];
        if (ch != '%') {
            out += ch;
            ++i;
            continue;
        }
        const std::size_t start = i++;
        Conversion s;
        while (i < format.size() && std::string_view("-+ #0'").find(format[i]) != std::string_view::npos) {
            if (format[i] != '\'') s.flags += format[i];
            ++i;
        }
        if (i < format.size() && format[i] == '*') {
            int w = nextArg().intValue();
            if (w < 0) {
                s.flags += '-';
                w = -w;
            }
            s.width = w;
            ++i;
        } else {
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                s.width = (s.width < 0 ? 0 : s.width) * 10 + (format[i] - '0');
                if (s.width > 100000) s.width = 100000;
                ++i;
            }
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            s.precision = 0;
            if (i < format.size() && format[i] == '*') {
                s.precision = nextArg().intValue();
                if (s.precision < 0) s.precision = -1;
                ++i;
            } else {
                while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                    s.precision = s.precision * 10 + (format[i] - '0');
                    if (s.precision > 100000) s.precision = 100000;
                    ++i;
                }
            }
        }
        while (i < format.size() && std::string_view("hlqztjL").find(format[i]) != std::string_view::npos) {
            s.length += format[i];
            ++i;
        }
        if (i >= format.size()) {
            out.append(format.substr(start));
            break;
        }
        s.conversion = format[i++];
        switch (s.conversion) {
            case '%': out += '%'; break;
            case '@': {
                std::string text = nextArg().description();
                if (s.precision >= 0) text = utf16::substringTo(text, static_cast<std::size_t>(s.precision));
                out += pad(std::move(text), s);
                break;
            }
            case 's': {
                const Value& v = nextArg();
                std::string text = v.isNil() ? "(null)" : v.isString() ? v.asString() : v.description();
                if (s.precision >= 0 && text.size() > static_cast<std::size_t>(s.precision)) {
                    // Never cut a character in half.
                    std::size_t cut = static_cast<std::size_t>(s.precision);
                    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
                    text.resize(cut);
                }
                out += pad(std::move(text), s);
                break;
            }
            case 'c':
            case 'C': {
                auto code = static_cast<std::uint32_t>(nextArg().longLongValue());
                std::string text;
                if (s.conversion == 'c' && s.length.empty()) {
                    text += static_cast<char>(code & 0xFF);
                    if ((code & 0xFF) >= 0x80) text = utf16::toUtf8(std::u16string(1, static_cast<char16_t>(code & 0xFF)));
                } else {
                    utf16::appendUtf8(text, static_cast<char32_t>(code));
                }
                out += pad(std::move(text), s);
                break;
            }
            case 'd':
            case 'i': {
                const Value& v = nextArg();
                if (isWide(s)) {
                    out += printfOne(cFormat(s, "lld"), static_cast<long long>(v.longLongValue()));
                } else {
                    long long ll = v.isInteger() && v.kind() == ValueKind::Unsigned
                                       ? static_cast<long long>(v.unsignedLongLongValue())
                                       : v.longLongValue();
                    if (v.isDouble()) ll = static_cast<long long>(v.doubleValue());
                    int narrow = static_cast<int>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(ll)));
                    if (s.length == "h") narrow = static_cast<short>(narrow);
                    if (s.length == "hh") narrow = static_cast<signed char>(narrow);
                    out += printfOne(cFormat(s, "d"), narrow);
                }
                break;
            }
            case 'u':
            case 'x':
            case 'X':
            case 'o': {
                const Value& v = nextArg();
                std::uint64_t u = v.kind() == ValueKind::Unsigned ? v.unsignedLongLongValue()
                                                                    : static_cast<std::uint64_t>(v.longLongValue());
                char tail[4] = {'l', 'l', s.conversion, 0};
                if (!isWide(s)) {
                    u &= 0xFFFFFFFFu;
                    if (s.length == "h") u &= 0xFFFFu;
                    if (s.length == "hh") u &= 0xFFu;
                }
                out += printfOne(cFormat(s, tail), static_cast<unsigned long long>(u));
                break;
            }
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G':
            case 'a':
            case 'A': {
                const char tail[2] = {s.conversion, 0};
                out += printfOne(cFormat(s, tail), nextArg().doubleValue());
                break;
            }
            case 'p': {
                const Value& v = nextArg();
                auto o = v.asObject();
                out += pad(printfOne(std::string("%p"), static_cast<const void*>(o.get())), s);
                break;
            }
            default:
                // Not a conversion we know: keep the text as written.
                out.append(format.substr(start, i - start));
                break;
        }
    }
    return out;
}

}  // namespace ns
