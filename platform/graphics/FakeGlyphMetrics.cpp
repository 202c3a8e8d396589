#include "platform/graphics/GlyphMetrics.h"

#include <unicode/uchar.h>

namespace ct {

bool isWideCharacter(char32_t c) {
    if (c >= 0x1F000) return true;  // emoji and pictographs
    auto w = u_getIntPropertyValue(UChar32(c), UCHAR_EAST_ASIAN_WIDTH);
    return w == U_EA_WIDE || w == U_EA_FULLWIDTH;
}

bool isZeroWidthCharacter(char32_t c) {
    if (c == '\n' || c == '\r' || c == 0x200B || c == 0x200C || c == 0x200D || c == 0xFE0F || c == 0xFE0E) return true;
    auto cat = u_charType(UChar32(c));
    return cat == U_NON_SPACING_MARK || cat == U_ENCLOSING_MARK || cat == U_CONTROL_CHAR || cat == U_FORMAT_CHAR;
}

namespace {

class FakeGlyphMetrics : public GlyphMetrics {
public:
    FaceMetrics metrics(const FontFace&) override {
        FaceMetrics m;
        m.ascent = 0.8;
        m.descent = 0.2;
        m.leading = 0;
        m.capHeight = 0.7;
        m.xHeight = 0.5;
        m.underlinePosition = -0.1;
        m.underlineThickness = 0.05;
        return m;
    }
    double advance(const FontFace&, char32_t c) override {
        if (isZeroWidthCharacter(c)) return 0;
        return isWideCharacter(c) ? 1.0 : 0.5;
    }
    bool covers(const FontFace&, char32_t) override { return true; }
    bool isFake() const override { return true; }
};

bool& useFake() {
    static bool fake = false;
    return fake;
}

}  // namespace

GlyphMetrics& GlyphMetrics::fake() {
    static FakeGlyphMetrics instance;
    return instance;
}

GlyphMetrics& GlyphMetrics::current() { return useFake() ? fake() : fontFiles(); }
void GlyphMetrics::setUseFake(bool fake) { useFake() = fake; }

ScopedFakeMetrics::ScopedFakeMetrics() : previous_(useFake()) { useFake() = true; }
ScopedFakeMetrics::~ScopedFakeMetrics() { useFake() = previous_; }

}  // namespace ct
