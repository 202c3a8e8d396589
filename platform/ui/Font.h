// A font: a name and a point size. The system fonts and the names the
// program uses resolve through an alias table; measurements come from the
// installed metrics provider (FontMetricsProvider.h).
#pragma once

#include <optional>
#include <string>

#include "platform/graphics/Geometry.h"
#include "platform/ui/FontMetricsProvider.h"

namespace ui {

class Font {
public:
    static constexpr const char* kSystemFontName = "Helvetica";
    static constexpr const char* kBoldSystemFontName = "Helvetica-Bold";

    Font();  // the system font at 17 points, the platform's default label font
    static Font systemFontOfSize(double size);
    static Font boldSystemFontOfSize(double size);
    // A font by name; empty for a name the alias table does not know, as
    // the platform answers nil for a font that is not installed.
    static std::optional<Font> fontWithName(const std::string& name, double size);
    static double systemFontSize() { return 14; }
    static double labelFontSize() { return 17; }

    const std::string& fontName() const { return d_.name; }
    std::string familyName() const;
    double pointSize() const { return d_.pointSize; }
    bool isBold() const { return d_.bold; }
    Font fontWithSize(double size) const;
    const FontDescriptor& descriptor() const { return d_; }

    double ascender() const;
    double descender() const;
    double lineHeight() const;
    // Width of one line of text and its line height.
    cg::Size sizeOfString(const std::string& text) const;

    bool operator==(const Font& o) const { return d_.name == o.d_.name && d_.pointSize == o.d_.pointSize; }
    bool operator!=(const Font& o) const { return !(*this == o); }

private:
    explicit Font(FontDescriptor d) : d_(std::move(d)) {}
    FontDescriptor d_;
};

}  // namespace ui
