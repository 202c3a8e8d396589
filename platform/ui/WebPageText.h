// The readable text of a simple HTML page, block by block: what the web
// view stand-in draws, having no browser engine. It knows headings,
// paragraphs, list items and the "note" class the app's own pages use;
// any other markup gives its text as paragraphs, and scripts, styles and
// the head give nothing. Malformed markup never throws: unclosed tags end
// with the page, stray ones are ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct WebPageBlock {
    enum class Kind { Heading1, Heading2, Paragraph, ListItem, Note };
    Kind kind = Kind::Paragraph;
    std::string text;  // whitespace collapsed, entities decoded
    bool operator==(const WebPageBlock&) const = default;
};

std::vector<WebPageBlock> webPageBlocks(std::string_view html);

}  // namespace ui
