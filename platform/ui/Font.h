// A font of the interface kit: a face of the drawing layer's font catalog
// at a point size (names resolve through the catalog's alias table, metrics
// come from the drawing layer's current glyph metrics, deterministic fake
// ones in layout tests).
#pragma once

#include <optional>
#include <string>

#include "platform/graphics/Font.h"
#include "platform/graphics/Geometry.h"

namespace ui {

class Font {
public:
    Font();  // the system font at 17 points, the platform's default label font
    static Font systemFontOfSize(double size);
    static Font boldSystemFontOfSize(double size);
    // A font by name; empty for a name the catalog does not know, as the
    // platform answers nil for a font that is not installed.
    static std::optional<Font> fontWithName(const std::string& name, double size);
    static double systemFontSize() { return 14; }
    static double labelFontSize() { return 17; }
    static double buttonFontSize() { return 18; }

    const std::string& fontName() const { return font_->postScriptName(); }
    const std::string& familyName() const { return font_->familyName(); }
    double pointSize() const { return font_->size(); }
    bool isBold() const { return font_->isBold(); }
    Font fontWithSize(double size) const;

    double ascender() const { return font_->ascent(); }
    double descender() const { return -font_->descent(); }
    double lineHeight() const { return font_->lineHeight(); }
    // One line of text, rounded up to whole points as views measure it.
    cg::Size sizeOfString(const std::string& text) const;

    const ct::FontPtr& ctFont() const { return font_; }
    bool operator==(const Font& o) const { return font_->isEqual(*o.font_); }
    bool operator!=(const Font& o) const { return !(*this == o); }

private:
    explicit Font(ct::FontPtr font) : font_(std::move(font)) {}
    ct::FontPtr font_;
};

}  // namespace ui
