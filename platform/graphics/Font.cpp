#include "platform/graphics/Font.h"

#include <cmath>
#include <cstdio>

namespace ct {

namespace {
bool usableSize(double size) { return std::isfinite(size) && size >= 0 && size < 10000; }
}  // namespace

std::shared_ptr<Font> Font::create(const FontFace& face, double size) {
    if (!usableSize(size)) return nullptr;
    return std::make_shared<Font>(face, size == 0 ? 12.0 : size);
}

std::shared_ptr<Font> Font::createWithName(std::string_view name, double size) {
    const FontFace* face = FontCatalog::shared().faceNamed(name);
    return face ? create(*face, size) : nullptr;
}

std::shared_ptr<Font> Font::createWithFamily(std::string_view family, double size, unsigned traits) {
    const FontFace* face = FontCatalog::shared().faceInFamily(family, traits);
    return face ? create(*face, size) : nullptr;
}

std::shared_ptr<Font> Font::createUIFont(UIFontType type, double size) {
    if (size == 0) size = type == UIFontType::Label ? 17.0 : 12.0;
    return create(*FontCatalog::shared().systemFace(type == UIFontType::EmphasizedSystem), size);
}

std::shared_ptr<Font> Font::createCopyWithSymbolicTraits(double size, unsigned traits, unsigned mask) const {
    unsigned want = (face_->traits & ~mask) | (traits & mask);
    const FontFace* face = FontCatalog::shared().faceInFamily(face_->familyName, want);
    if (!face) return nullptr;
    return create(*face, size == 0 ? size_ : size);
}

double Font::ascent() const { return GlyphMetrics::current().metrics(*face_).ascent * size_; }
double Font::descent() const { return GlyphMetrics::current().metrics(*face_).descent * size_; }
double Font::leading() const { return GlyphMetrics::current().metrics(*face_).leading * size_; }
double Font::capHeight() const { return GlyphMetrics::current().metrics(*face_).capHeight * size_; }
double Font::xHeight() const { return GlyphMetrics::current().metrics(*face_).xHeight * size_; }
double Font::underlinePosition() const { return GlyphMetrics::current().metrics(*face_).underlinePosition * size_; }
double Font::underlineThickness() const { return GlyphMetrics::current().metrics(*face_).underlineThickness * size_; }
double Font::lineHeight() const {
    auto m = GlyphMetrics::current().metrics(*face_);
    return (m.ascent + m.descent + m.leading) * size_;
}
double Font::advance(char32_t c) const { return GlyphMetrics::current().advance(*face_, c) * size_; }

bool Font::isEqual(const ns::Object& other) const {
    auto* o = dynamic_cast<const Font*>(&other);
    return o && o->face_ == face_ && o->size_ == size_;
}

std::size_t Font::hash() const { return face_->index * 1000003u + std::size_t(size_ * 64); }

std::string Font::description() const {
    char buf[64];
    std::snprintf(buf, sizeof buf, " %gpt>", size_);
    return "<Font: " + face_->postScriptName + buf;
}

}  // namespace ct
