#include "platform/foundation/StringsFile.h"

#include "platform/foundation/StringEncoding.h"
#include "platform/foundation/Utf16.h"

#include <cctype>
#include <string>

namespace ns {

namespace {

class Parser {
public:
    explicit Parser(std::string_view s) : s_(s) {}

    std::optional<Dictionary> table() {
        Dictionary out;
        for (;;) {
            if (!skipSpaceAndComments()) return std::nullopt;
            if (atEnd()) return out;
            auto key = token();
            if (!key || !skipSpaceAndComments() || atEnd()) return std::nullopt;
            std::string value = *key;
            if (s_[pos_] == '=') {
                ++pos_;
                if (!skipSpaceAndComments()) return std::nullopt;
                auto v = token();
                if (!v || !skipSpaceAndComments()) return std::nullopt;
                value = std::move(*v);
            }
            if (atEnd() || s_[pos_] != ';') return std::nullopt;
            ++pos_;
            out.set(std::move(*key), std::move(value));
        }
    }

private:
    bool atEnd() const { return pos_ >= s_.size(); }

    bool skipSpaceAndComments() {
        while (!atEnd()) {
            char c = s_[pos_];
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (s_.substr(pos_, 2) == "//") {
                std::size_t nl = s_.find('\n', pos_);
                pos_ = nl == std::string_view::npos ? s_.size() : nl + 1;
            } else if (s_.substr(pos_, 2) == "/*") {
                std::size_t end = s_.find("*/", pos_ + 2);
                if (end == std::string_view::npos) return false;
                pos_ = end + 2;
            } else {
                break;
            }
        }
        return true;
    }

    static bool unquotedChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$' || c == ':' || c == '/' || c == '-';
    }

    std::optional<std::string> token() {
        if (atEnd()) return std::nullopt;
        if (s_[pos_] != '"') {
            std::size_t start = pos_;
            while (!atEnd() && unquotedChar(s_[pos_])) ++pos_;
            if (pos_ == start) return std::nullopt;
            return std::string(s_.substr(start, pos_ - start));
        }
        ++pos_;
        std::string out;
        while (!atEnd()) {
            char c = s_[pos_++];
            if (c == '"') return out;
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (atEnd()) return std::nullopt;
            char e = s_[pos_++];
            switch (e) {
                case 'n': out.push_back('\n'); break;
                case 't': out.push_back('\t'); break;
                case 'r': out.push_back('\r'); break;
                case 'a': out.push_back('\a'); break;
                case 'b': out.push_back('\b'); break;
                case 'f': out.push_back('\f'); break;
                case 'v': out.push_back('\v'); break;
                case 'U':
                case 'u': {
                    auto u = hex4();
                    if (!u) return std::nullopt;
                    std::uint32_t cp = *u;
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        // The low half must follow as another escape.
                        if (s_.substr(pos_, 2) != "\\U" && s_.substr(pos_, 2) != "\\u") return std::nullopt;
                        pos_ += 2;
                        auto low = hex4();
                        if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (*low - 0xDC00);
                    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                        return std::nullopt;
                    }
                    utf16::appendUtf8(out, static_cast<char32_t>(cp));
                    break;
                }
                default:
                    if (e >= '0' && e <= '7') {
                        unsigned v = static_cast<unsigned>(e - '0');
                        for (int k = 0; k < 2 && !atEnd() && s_[pos_] >= '0' && s_[pos_] <= '7'; ++k) {
                            v = v * 8 + static_cast<unsigned>(s_[pos_++] - '0');
                        }
                        utf16::appendUtf8(out, static_cast<char32_t>(v));
                    } else {
                        out.push_back(e);  // \" \\ \' and any other character stand for themselves
                    }
            }
        }
        return std::nullopt;  // unterminated
    }

    std::optional<std::uint32_t> hex4() {
        if (pos_ + 4 > s_.size()) return std::nullopt;
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            char c = s_[pos_++];
            int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : (c >= 'a' && c <= 'f')                   ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F')                   ? c - 'A' + 10
                                                               : -1;
            if (d < 0) return std::nullopt;
            v = v * 16 + static_cast<std::uint32_t>(d);
        }
        return v;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
};

}  // namespace

std::optional<Dictionary> parseStringsFile(const Data& bytes) {
    std::string text;
    bool utf16Mark = bytes.length() >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF));
    if (utf16Mark) {
        auto t = str::fromData(bytes, kUnicodeStringEncoding);
        if (!t) return std::nullopt;
        text = std::move(*t);
        if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    } else {
        text = bytes.toString();
        if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    }
    return Parser(text).table();
}

}  // namespace ns
