// An immutable colour: components in a colour space plus alpha. Colours are
// objects (held by shared_ptr) so that they can travel inside attribute
// dictionaries; drawing reads them as device RGBA.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/ColorSpace.h"

namespace cg {

// Straight (not premultiplied) device RGBA, each in [0, 1].
struct RGBA {
    double r = 0, g = 0, b = 0, a = 0;
    bool operator==(const RGBA& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const RGBA& o) const { return !(*this == o); }
};

class Color : public ns::Object {
public:
    // components: the space's components followed by alpha. Missing values
    // read as 0 (alpha as 1); values are clamped to [0, 1].
    static std::shared_ptr<Color> create(ColorSpacePtr space, const std::vector<double>& components);
    static std::shared_ptr<Color> createRGB(double r, double g, double b, double a);
    static std::shared_ptr<Color> createGray(double white, double a);
    static std::shared_ptr<Color> createCopyWithAlpha(const std::shared_ptr<Color>& color, double alpha);
    static std::shared_ptr<Color> clear();
    static std::shared_ptr<Color> black();
    static std::shared_ptr<Color> white();

    const ColorSpacePtr& colorSpace() const { return space_; }
    // The space's components followed by alpha.
    const std::vector<double>& components() const { return components_; }
    std::size_t numberOfComponents() const { return components_.size(); }
    double alpha() const { return components_.back(); }
    RGBA rgba() const;

    bool isEqual(const ns::Object& other) const override;
    std::size_t hash() const override;
    std::string description() const override;

    Color(ColorSpacePtr space, std::vector<double> components)
        : space_(std::move(space)), components_(std::move(components)) {}

private:
    ColorSpacePtr space_;
    std::vector<double> components_;
};

using ColorPtr = std::shared_ptr<Color>;

bool ColorEqualToColor(const ColorPtr& a, const ColorPtr& b);

}  // namespace cg
