// Metrics read from the bundled font files: fontconfig finds the file of
// each face, HarfBuzz reads its tables. Pango draws from the same files, so
// measured and drawn text agree.
#include <fontconfig/fontconfig.h>
#include <hb-ot.h>
#include <hb.h>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <string>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/foundation/Log.h"
#include "platform/graphics/GlyphMetrics.h"

namespace ct {

namespace {

// Characters below this have their advance and coverage in flat tables
// (Latin, Greek, Cyrillic, punctuation, symbols); the rest go to maps.
constexpr char32_t kTableSize = 0x3000;
// Faces found without taking the lock (the catalog has far fewer).
constexpr std::size_t kFastFaces = 256;
constexpr std::int8_t kUnknown = -1;

struct LoadedFace {
    LoadedFace() : advances(new std::atomic<float>[kTableSize]), coverage(new std::atomic<std::int8_t>[kTableSize]) {
        for (char32_t c = 0; c < kTableSize; ++c) {
            advances[c].store(std::nanf(""), std::memory_order_relaxed);
            coverage[c].store(kUnknown, std::memory_order_relaxed);
        }
    }
    ~LoadedFace() {
        if (font) hb_font_destroy(font);
    }
    hb_font_t* font = nullptr;
    unsigned upem = 1000;
    FaceMetrics metrics;
    // Per point, by character; NaN (advances) or kUnknown (coverage) until
    // looked up. Several threads may measure at once, hence the atomics.
    std::unique_ptr<std::atomic<float>[]> advances;
    std::unique_ptr<std::atomic<std::int8_t>[]> coverage;
    // Beyond the tables, under the metrics' lock.
    std::unordered_map<char32_t, float> otherAdvances;
    std::unordered_map<char32_t, bool> otherCoverage;
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
        if (c < kTableSize) {
            float a = f.advances[c].load(std::memory_order_relaxed);
            if (std::isnan(a)) {
                a = measure(f, c);
                f.advances[c].store(a, std::memory_order_relaxed);
            }
            return a;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = f.otherAdvances.find(c);
        if (it != f.otherAdvances.end()) return it->second;
        float a = measure(f, c);
        f.otherAdvances.emplace(c, a);
        return a;
    }

    bool covers(const FontFace& face, char32_t c) override {
        LoadedFace& f = load(face);
        if (c < kTableSize) {
            std::int8_t known = f.coverage[c].load(std::memory_order_relaxed);
            if (known == kUnknown) {
                known = hasGlyph(f, c) ? 1 : 0;
                f.coverage[c].store(known, std::memory_order_relaxed);
            }
            return known == 1;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = f.otherCoverage.find(c);
        if (it != f.otherCoverage.end()) return it->second;
        bool has = hasGlyph(f, c);
        f.otherCoverage.emplace(c, has);
        return has;
    }

private:
    static bool hasGlyph(LoadedFace& f, char32_t c) {
        hb_codepoint_t glyph;
        return f.font && hb_font_get_nominal_glyph(f.font, c, &glyph);
    }

    static float measure(LoadedFace& f, char32_t c) {
        if (isZeroWidthCharacter(c) || !f.font) return 0;
        hb_codepoint_t glyph = 0;
        hb_font_get_nominal_glyph(f.font, c, &glyph);  // .notdef (0) when missing
        return float(hb_font_get_glyph_h_advance(f.font, glyph)) / float(f.upem);
    }

    LoadedFace& load(const FontFace& face) {
        // Every character measured asks for its face: once loaded, a face
        // is found without the lock.
        if (face.index < kFastFaces) {
            if (LoadedFace* f = fast_[face.index].load(std::memory_order_acquire)) return *f;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        if (faces_.size() <= face.index) faces_.resize(face.index + 1);
        auto& slot = faces_[face.index];
        if (!slot) {
            slot = std::make_unique<LoadedFace>();
            fill(*slot, face);
            if (face.index < kFastFaces) fast_[face.index].store(slot.get(), std::memory_order_release);
        }
        return *slot;
    }

    static void fill(LoadedFace& f, const FontFace& face) {
        f.font = loadFont(face);
        if (!f.font) {
            ns::logWarning("font file for " + face.bundledFamily + " not found");
            f.metrics = GlyphMetrics::fake().metrics(face);
            return;
        }
        hb_face_t* hbFace = hb_font_get_face(f.font);
        f.upem = hb_face_get_upem(hbFace);
        hb_font_set_scale(f.font, int(f.upem), int(f.upem));
        double u = f.upem;
        hb_font_extents_t ext;
        hb_font_get_h_extents(f.font, &ext);
        FaceMetrics& m = f.metrics;
        m.unitsPerEm = f.upem;
        m.ascent = ext.ascender / u;
        m.descent = -ext.descender / u;
        m.leading = ext.line_gap / u;
        hb_position_t v = 0;
        if (hb_ot_metrics_get_position(f.font, HB_OT_METRICS_TAG_CAP_HEIGHT, &v)) m.capHeight = v / u;
        if (hb_ot_metrics_get_position(f.font, HB_OT_METRICS_TAG_X_HEIGHT, &v)) m.xHeight = v / u;
        if (hb_ot_metrics_get_position(f.font, HB_OT_METRICS_TAG_UNDERLINE_OFFSET, &v)) m.underlinePosition = v / u;
        if (hb_ot_metrics_get_position(f.font, HB_OT_METRICS_TAG_UNDERLINE_SIZE, &v)) m.underlineThickness = v / u;
        if (m.underlineThickness <= 0) m.underlineThickness = 0.05;
        if (m.underlinePosition == 0) m.underlinePosition = -0.1;
    }

    std::mutex mutex_;
    std::vector<std::unique_ptr<LoadedFace>> faces_;
    std::array<std::atomic<LoadedFace*>, kFastFaces> fast_{};
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
// this file) not to report them. A program may add its own list by
// defining keelboxExtraLeakSuppressions.
extern "C" __attribute__((weak)) const char* keelboxExtraLeakSuppressions();

extern "C" const char* __lsan_default_suppressions() {
    static const std::string list = std::string("leak:libfontconfig.so\nleak:libdbus-1.so\nleak:libX11.so\nleak:libSDL2\n") +
                                    (keelboxExtraLeakSuppressions ? keelboxExtraLeakSuppressions() : "");
    return list.c_str();
}
