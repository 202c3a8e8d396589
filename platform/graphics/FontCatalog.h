// The fonts the program knows by name. The names the application uses
// (the platform's PostScript and family names) are aliases of the fonts we
// ship: DejaVu for Latin text and WenQuanYi Micro Hei for Chinese. A face
// exists only where the bundled family really has it, so asking for a bold
// or italic copy of a face that has none fails, as on the platform.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ct {

// Symbolic traits as the platform numbers them.
enum FontSymbolicTraits : unsigned {
    FontItalicTrait = 1u << 0,
    FontBoldTrait = 1u << 1,
    FontMonoSpaceTrait = 1u << 10,
    FontClassMaskTrait = 0xF0000000u,
};

struct FontFace {
    std::string postScriptName;   // ".HelveticaNeueUI-Bold"
    std::string familyName;       // ".Helvetica NeueUI"
    std::string bundledFamily;    // "DejaVu Sans": what fontconfig and Pango load
    int weight = 400;             // CSS-style weight for loading
    bool italic = false;
    unsigned traits = 0;          // bold, italic, monospace bits
    std::size_t index = 0;        // position in the catalog (cache key)
};

class FontCatalog {
public:
    static const FontCatalog& shared();

    // By PostScript name, or by family name (its regular face). Null when unknown.
    const FontFace* faceNamed(std::string_view name) const;
    // The face of a family with exactly the given bold and italic bits.
    const FontFace* faceInFamily(std::string_view family, unsigned traits) const;
    // The system font (".HelveticaNeueUI"), regular or bold.
    const FontFace* systemFace(bool bold = false) const;
    // Used for characters the chosen face cannot show (Chinese).
    const FontFace* fallbackFace() const;
    const std::vector<FontFace>& faces() const { return faces_; }

private:
    FontCatalog();
    std::vector<FontFace> faces_;
};

}  // namespace ct
