// Where fonts get their measurements from.
//
// Layout code (labels sizing to fit, buttons as wide as their title, table
// cells) asks a font for its ascender, descender, line height and the width
// of a text. Those numbers come from the installed provider. The default one
// is deterministic and needs no font files, so that layout tests give the
// same answer everywhere; the drawing layer installs a provider backed by
// real font files when it renders.
//
// Contract for providers: every answer is a pure function of its arguments;
// widths are additive over concatenation for single lines; a provider never
// fails (an unknown font name is measured like the system font).
#pragma once

#include <memory>
#include <string>

namespace ui {

struct FontDescriptor {
    std::string name;    // PostScript-like name after alias resolution
    double pointSize = 0;
    bool bold = false;
};

class FontMetricsProvider {
public:
    virtual ~FontMetricsProvider() = default;
    // Distance from the baseline to the top of tall glyphs (positive).
    virtual double ascender(const FontDescriptor& font) const = 0;
    // Distance from the baseline to the bottom of descending glyphs (negative).
    virtual double descender(const FontDescriptor& font) const = 0;
    // Baseline-to-baseline distance of consecutive lines.
    virtual double lineHeight(const FontDescriptor& font) const = 0;
    // Advance width of a single line of UTF-8 text (line breaks are not
    // interpreted here).
    virtual double widthOfText(const FontDescriptor& font, const std::string& text) const = 0;
};

// The deterministic metrics: every character advances by 0.5 of the point
// size (0.55 when bold), characters from the wide East-Asian ranges by the
// full point size; ascender 0.8, descender -0.2 and line height 1.2 of the
// point size. A tab counts as four spaces.
class FakeFontMetrics : public FontMetricsProvider {
public:
    double ascender(const FontDescriptor& font) const override;
    double descender(const FontDescriptor& font) const override;
    double lineHeight(const FontDescriptor& font) const override;
    double widthOfText(const FontDescriptor& font, const std::string& text) const override;
};

// The provider in use (the fake one until another is installed).
const FontMetricsProvider& fontMetrics();
// Installs a provider; nullptr restores the fake one. Returns the previous.
std::shared_ptr<const FontMetricsProvider> setFontMetricsProvider(std::shared_ptr<const FontMetricsProvider> provider);

}  // namespace ui
