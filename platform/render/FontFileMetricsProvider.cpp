#include "platform/render/FontFileMetricsProvider.h"

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/Line.h"
#include "platform/graphics/TextAttributes.h"

namespace cg {

namespace {

// The catalog's font for a descriptor; unknown names measure as the system font.
ct::FontPtr fontFor(const ui::FontDescriptor& d) {
    double size = d.pointSize > 0 ? d.pointSize : 12;
    ct::FontPtr f = ct::Font::createWithName(d.name, size);
    if (!f) f = d.bold ? ct::Font::boldSystemFont(size) : ct::Font::systemFont(size);
    if (f && d.bold && !f->isBold()) {
        if (auto bold = f->createCopyWithSymbolicTraits(0, ct::FontBoldTrait, ct::FontBoldTrait)) f = bold;
    }
    return f;
}

}  // namespace

double FontFileMetricsProvider::ascender(const ui::FontDescriptor& d) const {
    auto f = fontFor(d);
    return ct::GlyphMetrics::fontFiles().metrics(f->face()).ascent * f->size();
}

double FontFileMetricsProvider::descender(const ui::FontDescriptor& d) const {
    auto f = fontFor(d);
    return -ct::GlyphMetrics::fontFiles().metrics(f->face()).descent * f->size();
}

double FontFileMetricsProvider::lineHeight(const ui::FontDescriptor& d) const {
    auto f = fontFor(d);
    auto m = ct::GlyphMetrics::fontFiles().metrics(f->face());
    return (m.ascent + m.descent + m.leading) * f->size();
}

double FontFileMetricsProvider::widthOfText(const ui::FontDescriptor& d, const std::string& text) const {
    if (text.empty()) return 0;
    ns::Attributes attrs;
    attrs.set(ct::kFontAttributeName, ns::Value(fontFor(d)));
    return ct::Line::createWithAttributedString(*ns::AttributedString::create(text, attrs))->width();
}

FontFileMetricsScope::FontFileMetricsScope()
    : previous_(ui::setFontMetricsProvider(std::make_shared<FontFileMetricsProvider>())) {}

FontFileMetricsScope::~FontFileMetricsScope() { ui::setFontMetricsProvider(previous_); }

}  // namespace cg
