// A font: a face of the catalog at a point size. Immutable; equal when face
// and size are equal. Metrics come from the current GlyphMetrics source.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/foundation/Object.h"
#include "platform/graphics/FontCatalog.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/GlyphMetrics.h"

namespace ct {

// The platform's UI font types used here.
enum class UIFontType { System = 2, EmphasizedSystem = 3, Label = 10 };

class Font : public ns::Object {
public:
    // By PostScript or family name; size 0 means 12 points. Null for a name
    // the catalog does not know or a size that is negative or not finite.
    static std::shared_ptr<Font> createWithName(std::string_view name, double size);
    // The face of the family with the given bold/italic traits; null when the
    // family has no such face.
    static std::shared_ptr<Font> createWithFamily(std::string_view family, double size, unsigned traits);
    // The system UI font; size 0 means the type's default (17 for labels, 12 otherwise).
    static std::shared_ptr<Font> createUIFont(UIFontType type, double size);
    static std::shared_ptr<Font> systemFont(double size) { return create(*FontCatalog::shared().systemFace(false), size); }
    static std::shared_ptr<Font> boldSystemFont(double size) { return create(*FontCatalog::shared().systemFace(true), size); }
    static std::shared_ptr<Font> create(const FontFace& face, double size);

    // A copy of this font with the traits under `mask` replaced by `traits`
    // (size 0 keeps the size); null when the family has no such face.
    std::shared_ptr<Font> createCopyWithSymbolicTraits(double size, unsigned traits, unsigned mask) const;
    std::shared_ptr<Font> createCopyWithSize(double size) const { return create(*face_, size); }

    const FontFace& face() const { return *face_; }
    const std::string& postScriptName() const { return face_->postScriptName; }
    const std::string& familyName() const { return face_->familyName; }
    double size() const { return size_; }
    unsigned symbolicTraits() const { return face_->traits; }
    bool isBold() const { return face_->traits & FontBoldTrait; }
    bool isItalic() const { return face_->traits & FontItalicTrait; }

    double ascent() const;
    double descent() const;
    double leading() const;
    double capHeight() const;
    double xHeight() const;
    double underlinePosition() const;
    double underlineThickness() const;
    // ascent + descent + leading.
    double lineHeight() const;
    // Advance of one character, in points.
    double advance(char32_t c) const;

    bool isEqual(const ns::Object& other) const override;
    std::size_t hash() const override;
    std::string description() const override;

    Font(const FontFace& face, double size) : face_(&face), size_(size) {}

private:
    const FontFace* face_;
    double size_;
};

using FontPtr = std::shared_ptr<Font>;

}  // namespace ct
