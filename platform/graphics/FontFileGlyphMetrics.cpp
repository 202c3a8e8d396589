// Metrics read from the bundled font files: fontconfig finds the file of
// each face, HarfBuzz reads its tables. Pango draws from the same files, so
// measured and drawn text agree.
#include <fontconfig/fontconfig.h>
#include <hb-ot.h>
#include <hb.h>

#include <cmath>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/foundation/Log.h"
#include "platform/graphics/GlyphMetrics.h"

namespace ct {

namespace {

struct LoadedFace {
    ~LoadedFace() {
        if (font) hb_font_destroy(font);
    }
    hb_font_t* font = nullptr;
    unsigned upem = 1000;
    FaceMetrics metrics;
    // Advances per point, by character; NaN until measured.
    std::vector<float> ascii;
    std::unordered_map<char32_t, float> other;
};

hb_font_t* loadFont(const FontFace& face) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.bundledFamily.c_str()));
    int weight = face.weight >= 700 ? FC_WEIGHT_BOLD : face.weight <= 200 ? FC_WEIGHT_EXTRALIGHT : FC_WEIGHT_REGULAR;
    FcPatternAddInteger(pattern, FC_WEIGHT, weight);
    FcPatternAddInteger(pattern, FC_SLANT, face.italic ? FC_SLANT_OBLIQUE : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return nullptr;
    FcChar8* file = nullptr;
    int index = 0;
    hb_font_t* font = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        hb_blob_t* blob = hb_blob_create_from_file(reinterpret_cast<const char*>(file));
        hb_face_t* hbFace = hb_face_create(blob, unsigned(index));
        font = hb_font_create(hbFace);
        hb_face_destroy(hbFace);
        hb_blob_destroy(blob);
    }
    FcPatternDestroy(match);
    return font;
}

class FontFileGlyphMetrics : public GlyphMetrics {
public:
    FaceMetrics metrics(const FontFace& face) override { return load(face).metrics; }

    double advance(const FontFace& face, char32_t c) override {
        LoadedFace& f = load(face);
        if (c < f.ascii.size()) {
            float& slot = f.ascii[c];
            if (std::isnan(slot)) slot = measure(f, c);
            return slot;
        }
        auto it = f.other.find(c);
        if (it != f.other.end()) return it->second;
        float a = measure(f, c);
        f.other.emplace(c, a);
        return a;
    }

    bool covers(const FontFace& face, char32_t c) override {
        LoadedFace& f = load(face);
        hb_codepoint_t glyph;
        return f.font && hb_font_get_nominal_glyph(f.font, c, &glyph);
    }

private:
    float measure(LoadedFace& f, char32_t c) {
        if (isZeroWidthCharacter(c) || !f.font) return 0;
        hb_codepoint_t glyph = 0;
        hb_font_get_nominal_glyph(f.font, c, &glyph);  // .notdef (0) when missing
        return float(hb_font_get_glyph_h_advance(f.font, glyph)) / float(f.upem);
    }

    LoadedFace& load(const FontFace& face) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (faces_.size() <= face.index) faces_.resize(face.index + 1);
        auto& slot = faces_[face.index];
        if (slot) return *slot;
        slot = std::make_unique<LoadedFace>();
        slot->ascii.assign(0x3000, std::nanf(""));
        slot->font = loadFont(face);
        if (!slot->font) {
            ns::logWarning("font file for " + face.bundledFamily + " not found");
            slot->metrics = GlyphMetrics::fake().metrics(face);
            return *slot;
        }
        hb_face_t* hbFace = hb_font_get_face(slot->font);
        slot->upem = hb_face_get_upem(hbFace);
        hb_font_set_scale(slot->font, int(slot->upem), int(slot->upem));
        double u = slot->upem;
        hb_font_extents_t ext;
        hb_font_get_h_extents(slot->font, &ext);
        FaceMetrics& m = slot->metrics;
        m.unitsPerEm = slot->upem;
        m.ascent = ext.ascender / u;
        m.descent = -ext.descender / u;
        m.leading = ext.line_gap / u;
        hb_position_t v = 0;
        if (hb_ot_metrics_get_position(slot->font, HB_OT_METRICS_TAG_CAP_HEIGHT, &v)) m.capHeight = v / u;
        if (hb_ot_metrics_get_position(slot->font, HB_OT_METRICS_TAG_X_HEIGHT, &v)) m.xHeight = v / u;
        if (hb_ot_metrics_get_position(slot->font, HB_OT_METRICS_TAG_UNDERLINE_OFFSET, &v)) m.underlinePosition = v / u;
        if (hb_ot_metrics_get_position(slot->font, HB_OT_METRICS_TAG_UNDERLINE_SIZE, &v)) m.underlineThickness = v / u;
        if (m.underlineThickness <= 0) m.underlineThickness = 0.05;
        if (m.underlinePosition == 0) m.underlinePosition = -0.1;
        return *slot;
    }

    std::mutex mutex_;
    std::vector<std::unique_ptr<LoadedFace>> faces_;
};

}  // namespace

GlyphMetrics& GlyphMetrics::fontFiles() {
    static FontFileGlyphMetrics instance;
    return instance;
}

}  // namespace ct

// Fontconfig keeps what it parsed from its configuration files for the life
// of the process and never frees it, and the desktop window's system
// libraries (D-Bus, X11) keep their connections' buffers likewise; tell the
// leak checker of sanitized builds (every program that draws text links
// this file) not to report them.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libX11.so\nleak:libSDL2\n";
}
