#include "platform/ui/Font.h"

#include <map>

namespace ui {

namespace {

struct Alias {
    const char* name;
    const char* family;
    bool bold;
};

// Names the program asks for, with the family they belong to. Lookups are
// exact, as on the platform.
const std::map<std::string, Alias>& aliases() {
    static const std::map<std::string, Alias> table = {
        {"Helvetica", {"Helvetica", "Helvetica", false}},
        {"Helvetica-Bold", {"Helvetica-Bold", "Helvetica", true}},
        {"HelveticaNeue", {"HelveticaNeue", "Helvetica Neue", false}},
        {"HelveticaNeue-Bold", {"HelveticaNeue-Bold", "Helvetica Neue", true}},
        {"HelveticaNeue-Light", {"HelveticaNeue-Light", "Helvetica Neue", false}},
        {"HelveticaNeue-Medium", {"HelveticaNeue-Medium", "Helvetica Neue", false}},
        {"HelveticaNeue-Thin", {"HelveticaNeue-Thin", "Helvetica Neue", false}},
        {"HelveticaNeue-UltraLight", {"HelveticaNeue-UltraLight", "Helvetica Neue", false}},
        {"Arial", {"ArialMT", "Arial", false}},
        {"ArialMT", {"ArialMT", "Arial", false}},
        {"Arial-BoldMT", {"Arial-BoldMT", "Arial", true}},
        {"Georgia", {"Georgia", "Georgia", false}},
        {"Courier", {"Courier", "Courier", false}},
        {"Courier-Bold", {"Courier-Bold", "Courier", true}},
        {"STHeitiSC-Light", {"STHeitiSC-Light", "Heiti SC", false}},
        {"STHeitiSC-Medium", {"STHeitiSC-Medium", "Heiti SC", true}},
        {".HelveticaNeueInterface-Regular", {".HelveticaNeueInterface-Regular", ".Helvetica Neue Interface", false}},
        {"DINAlternate-Bold", {"DINAlternate-Bold", "DIN Alternate", true}},
        {"DINCondensed-Bold", {"DINCondensed-Bold", "DIN Condensed", true}},
    };
    return table;
}

}  // namespace

Font::Font() : d_{kSystemFontName, 17, false} {}

Font Font::systemFontOfSize(double size) { return Font(FontDescriptor{kSystemFontName, size, false}); }

Font Font::boldSystemFontOfSize(double size) { return Font(FontDescriptor{kBoldSystemFontName, size, true}); }

std::optional<Font> Font::fontWithName(const std::string& name, double size) {
    auto it = aliases().find(name);
    if (it == aliases().end()) return std::nullopt;
    return Font(FontDescriptor{it->second.name, size, it->second.bold});
}

std::string Font::familyName() const {
    auto it = aliases().find(d_.name);
    return it == aliases().end() ? d_.name : it->second.family;
}

Font Font::fontWithSize(double size) const { return Font(FontDescriptor{d_.name, size, d_.bold}); }

double Font::ascender() const { return fontMetrics().ascender(d_); }
double Font::descender() const { return fontMetrics().descender(d_); }
double Font::lineHeight() const { return fontMetrics().lineHeight(d_); }

cg::Size Font::sizeOfString(const std::string& text) const {
    return {fontMetrics().widthOfText(d_, text), lineHeight()};
}

}  // namespace ui
