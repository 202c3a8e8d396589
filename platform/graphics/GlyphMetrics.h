// Where font measurements come from. Layout asks a GlyphMetrics for the
// vertical metrics of a face and the advance of each character, all per
// point of size. Two sources exist: the bundled font files (the same files
// Pango draws with) and a deterministic fake for layout tests, where every
// narrow character is half an em wide and every wide one a full em.
#pragma once

#include <memory>

#include "platform/graphics/FontCatalog.h"

namespace ct {

// Per point of font size.
struct FaceMetrics {
    double ascent = 0;
    double descent = 0;   // positive, below the baseline
    double leading = 0;
    double capHeight = 0;
    double xHeight = 0;
    double underlinePosition = 0;   // negative, below the baseline
    double underlineThickness = 0;
    unsigned unitsPerEm = 1000;
};

class GlyphMetrics {
public:
    virtual ~GlyphMetrics() = default;
    virtual FaceMetrics metrics(const FontFace& face) = 0;
    // Advance per point of size of one character.
    virtual double advance(const FontFace& face, char32_t c) = 0;
    // Whether the face has a glyph for the character.
    virtual bool covers(const FontFace& face, char32_t c) = 0;
    virtual bool isFake() const { return false; }

    // The source layout uses now: the font files unless a test chose the fake.
    static GlyphMetrics& current();
    static GlyphMetrics& fontFiles();
    static GlyphMetrics& fake();
    static void setUseFake(bool fake);
};

// For tests: the fake metrics while it lives.
class ScopedFakeMetrics {
public:
    ScopedFakeMetrics();
    ~ScopedFakeMetrics();
    ScopedFakeMetrics(const ScopedFakeMetrics&) = delete;
    ScopedFakeMetrics& operator=(const ScopedFakeMetrics&) = delete;

private:
    bool previous_;
};

// Whether a character takes a full em in the fake metrics (East Asian wide
// and emoji), and none (combining marks, zero-width joiners, newlines).
bool isWideCharacter(char32_t c);
bool isZeroWidthCharacter(char32_t c);

}  // namespace ct
