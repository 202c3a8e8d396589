#include "platform/graphics/FontCatalog.h"

namespace ct {

namespace {

struct Row {
    const char* postScript;
    const char* family;
    const char* bundled;
    int weight;
    bool italic;
    unsigned traits;
};

// The alias table. Families with four faces map onto DejaVu's four; the
// Chinese families have a single face.
const Row kRows[] = {
    {".HelveticaNeueUI", ".Helvetica NeueUI", "DejaVu Sans", 400, false, 0},
    {".HelveticaNeueUI-Bold", ".Helvetica NeueUI", "DejaVu Sans", 700, false, FontBoldTrait},
    {".HelveticaNeueUI-Italic", ".Helvetica NeueUI", "DejaVu Sans", 400, true, FontItalicTrait},
    {".HelveticaNeueUI-BoldItalic", ".Helvetica NeueUI", "DejaVu Sans", 700, true, FontBoldTrait | FontItalicTrait},
    {"HelveticaNeue", "Helvetica Neue", "DejaVu Sans", 400, false, 0},
    {"HelveticaNeue-Bold", "Helvetica Neue", "DejaVu Sans", 700, false, FontBoldTrait},
    {"HelveticaNeue-Italic", "Helvetica Neue", "DejaVu Sans", 400, true, FontItalicTrait},
    {"HelveticaNeue-BoldItalic", "Helvetica Neue", "DejaVu Sans", 700, true, FontBoldTrait | FontItalicTrait},
    {"HelveticaNeue-Light", "Helvetica Neue", "DejaVu Sans", 200, false, 0},
    {"HelveticaNeue-Medium", "Helvetica Neue", "DejaVu Sans", 500, false, 0},
    {"Helvetica", "Helvetica", "DejaVu Sans", 400, false, 0},
    {"Helvetica-Bold", "Helvetica", "DejaVu Sans", 700, false, FontBoldTrait},
    {"Helvetica-Oblique", "Helvetica", "DejaVu Sans", 400, true, FontItalicTrait},
    {"Helvetica-BoldOblique", "Helvetica", "DejaVu Sans", 700, true, FontBoldTrait | FontItalicTrait},
    {"ArialMT", "Arial", "DejaVu Sans", 400, false, 0},
    {"Arial-BoldMT", "Arial", "DejaVu Sans", 700, false, FontBoldTrait},
    {"Arial-ItalicMT", "Arial", "DejaVu Sans", 400, true, FontItalicTrait},
    {"Arial-BoldItalicMT", "Arial", "DejaVu Sans", 700, true, FontBoldTrait | FontItalicTrait},
    {"DejaVuSans", "DejaVu Sans", "DejaVu Sans", 400, false, 0},
    {"DejaVuSans-Bold", "DejaVu Sans", "DejaVu Sans", 700, false, FontBoldTrait},
    {"DejaVuSans-Oblique", "DejaVu Sans", "DejaVu Sans", 400, true, FontItalicTrait},
    {"DejaVuSans-BoldOblique", "DejaVu Sans", "DejaVu Sans", 700, true, FontBoldTrait | FontItalicTrait},
    {"Courier", "Courier", "DejaVu Sans Mono", 400, false, FontMonoSpaceTrait},
    {"Courier-Bold", "Courier", "DejaVu Sans Mono", 700, false, FontMonoSpaceTrait | FontBoldTrait},
    {"Courier-Oblique", "Courier", "DejaVu Sans Mono", 400, true, FontMonoSpaceTrait | FontItalicTrait},
    {"Courier-BoldOblique", "Courier", "DejaVu Sans Mono", 700, true, FontMonoSpaceTrait | FontBoldTrait | FontItalicTrait},
    {"DejaVuSansMono", "DejaVu Sans Mono", "DejaVu Sans Mono", 400, false, FontMonoSpaceTrait},
    {"TimesNewRomanPSMT", "Times New Roman", "DejaVu Serif", 400, false, 0},
    {"TimesNewRomanPS-BoldMT", "Times New Roman", "DejaVu Serif", 700, false, FontBoldTrait},
    {"TimesNewRomanPS-ItalicMT", "Times New Roman", "DejaVu Serif", 400, true, FontItalicTrait},
    {"TimesNewRomanPS-BoldItalicMT", "Times New Roman", "DejaVu Serif", 700, true, FontBoldTrait | FontItalicTrait},
    {"STHeitiSC-Light", "Heiti SC", "WenQuanYi Micro Hei", 400, false, 0},
    {"STHeitiSC-Medium", "Heiti SC", "WenQuanYi Micro Hei", 500, false, 0},
    {"PingFangSC-Regular", "PingFang SC", "WenQuanYi Micro Hei", 400, false, 0},
    {"WenQuanYiMicroHei", "WenQuanYi Micro Hei", "WenQuanYi Micro Hei", 400, false, 0},
};

}  // namespace

FontCatalog::FontCatalog() {
    for (const Row& r : kRows) {
        FontFace f{r.postScript, r.family, r.bundled, r.weight, r.italic, r.traits, faces_.size()};
        faces_.push_back(std::move(f));
    }
}

const FontCatalog& FontCatalog::shared() {
    static const FontCatalog catalog;
    return catalog;
}

const FontFace* FontCatalog::faceNamed(std::string_view name) const {
    for (const auto& f : faces_) {
        if (f.postScriptName == name) return &f;
    }
    // A family name stands for its regular face (the first face listed).
    for (const auto& f : faces_) {
        if (f.familyName == name && (f.traits & (FontBoldTrait | FontItalicTrait)) == 0) return &f;
    }
    return nullptr;
}

const FontFace* FontCatalog::faceInFamily(std::string_view family, unsigned traits) const {
    unsigned want = traits & (FontBoldTrait | FontItalicTrait);
    for (const auto& f : faces_) {
        if (f.familyName == family && (f.traits & (FontBoldTrait | FontItalicTrait)) == want) return &f;
    }
    return nullptr;
}

const FontFace* FontCatalog::systemFace(bool bold) const {
    return faceNamed(bold ? ".HelveticaNeueUI-Bold" : ".HelveticaNeueUI");
}

const FontFace* FontCatalog::fallbackFace() const { return faceNamed("WenQuanYiMicroHei"); }

}  // namespace ct
