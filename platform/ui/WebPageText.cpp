#include "platform/ui/WebPageText.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "platform/foundation/Utf16.h"

namespace ui {

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// A character reference's code point as UTF-8; a reference to U+0000 reads
// as the replacement character, as the others out of range do.
void appendUtf8(std::string& out, std::uint32_t cp) { ns::utf16::appendUtf8(out, cp == 0 ? 0xFFFD : cp); }

// Decodes the entity starting at text[i] ('&'); returns the characters it
// used, 0 when it is not one (the '&' then stands as written).
std::size_t decodeEntity(std::string_view text, std::size_t i, std::string& out) {
    const std::size_t end = text.find(';', i);
    if (end == std::string_view::npos || end - i > 10) return 0;
    const std::string_view name = text.substr(i + 1, end - i - 1);
    if (name.empty()) return 0;
    if (name[0] == '#') {
        std::uint32_t cp = 0;
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty()) return 0;
        for (char c : digits) {
            const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : hex && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
            if (d < 0) return 0;
            cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
            if (cp > 0x10FFFF) cp = 0x110000;  // stays invalid, no overflow
        }
        appendUtf8(out, cp);
        return end - i + 1;
    }
    static constexpr std::pair<std::string_view, std::uint32_t> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0},
        {"mdash", 0x2014}, {"ndash", 0x2013}, {"hellip", 0x2026}, {"copy", 0xA9}};
    for (const auto& [n, cp] : kNamed)
        if (name == n) {
            appendUtf8(out, cp);
            return end - i + 1;
        }
    return 0;
}

class Reader {
public:
    std::vector<WebPageBlock> blocks;

    void text(std::string_view raw) {
        if (skipDepth_ > 0) return;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            if (std::isspace(static_cast<unsigned char>(c))) {
                pendingSpace_ = !current_.empty();
                continue;
            }
            if (pendingSpace_) current_ += ' ';
            pendingSpace_ = false;
            if (c == '&') {
                if (const std::size_t used = decodeEntity(raw, i, current_)) {
                    i += used - 1;
                    continue;
                }
            }
            current_ += c;
        }
    }

    void tag(std::string_view inside) {
        const bool closing = !inside.empty() && inside[0] == '/';
        if (closing) inside.remove_prefix(1);
        std::size_t nameEnd = 0;
        while (nameEnd < inside.size() && std::isalnum(static_cast<unsigned char>(inside[nameEnd]))) ++nameEnd;
        const std::string name = lower(inside.substr(0, nameEnd));
        if (name == "script" || name == "style" || name == "head" || name == "title") {
            if (closing)
                skipDepth_ = std::max(0, skipDepth_ - 1);
            else if (inside.empty() || inside.back() != '/')
                ++skipDepth_;
            return;
        }
        if (name == "br") {
            if (!current_.empty()) current_ += '\n';
            pendingSpace_ = false;
            return;
        }
        static constexpr std::string_view kBlocks[] = {"h1", "h2", "h3", "h4", "p", "li", "div", "ul", "ol",
                                                       "body", "html", "section", "article", "table", "tr"};
        if (std::find(std::begin(kBlocks), std::end(kBlocks), name) == std::end(kBlocks)) return;
        flush();
        if (closing) {
            kind_ = WebPageBlock::Kind::Paragraph;
            return;
        }
        if (name == "h1")
            kind_ = WebPageBlock::Kind::Heading1;
        else if (name == "h2" || name == "h3" || name == "h4")
            kind_ = WebPageBlock::Kind::Heading2;
        else if (name == "li")
            kind_ = WebPageBlock::Kind::ListItem;
        else if (lower(inside).find("class=\"note\"") != std::string::npos)
            kind_ = WebPageBlock::Kind::Note;
        else
            kind_ = WebPageBlock::Kind::Paragraph;
    }

    void flush() {
        if (!current_.empty()) blocks.push_back({kind_, current_});
        current_.clear();
        pendingSpace_ = false;
    }

private:
    WebPageBlock::Kind kind_ = WebPageBlock::Kind::Paragraph;
    std::string current_;
    bool pendingSpace_ = false;
    int skipDepth_ = 0;
};

}  // namespace

std::vector<WebPageBlock> webPageBlocks(std::string_view html) {
    Reader reader;
    std::size_t i = 0;
    while (i < html.size()) {
        const std::size_t open = html.find('<', i);
        reader.text(html.substr(i, open == std::string_view::npos ? std::string_view::npos : open - i));
        if (open == std::string_view::npos) break;
        if (html.compare(open, 4, "<!--") == 0) {
            const std::size_t end = html.find("-->", open + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const std::size_t close = html.find('>', open + 1);
        if (close == std::string_view::npos) break;  // a tag cut off at the end
        const std::string_view inside = html.substr(open + 1, close - open - 1);
        if (!inside.empty() && inside[0] != '!' && inside[0] != '?') reader.tag(inside);
        i = close + 1;
    }
    reader.flush();
    return reader.blocks;
}

}  // namespace ui
