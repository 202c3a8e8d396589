// A colour as the interface kit sees it: red, green, blue and alpha
// fractions in device RGB. Grey levels ("white") are stored as equal RGB
// components, so two colours compare equal exactly when their components do.
// A colour may instead carry a pattern image, which then fills the area.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace ui {

class Image;

class Color {
public:
    Color() = default;  // opaque black
    static Color rgba(double red, double green, double blue, double alpha = 1.0);
    // Components in 0..255, alpha as a fraction.
    static Color rgb255(int red, int green, int blue, double alpha = 1.0);
    static Color white(double white, double alpha = 1.0);
    static Color patternImage(std::shared_ptr<const Image> image);

    static Color blackColor() { return white(0); }
    static Color darkGrayColor() { return white(1.0 / 3.0); }
    static Color lightGrayColor() { return white(2.0 / 3.0); }
    static Color whiteColor() { return white(1); }
    static Color grayColor() { return white(0.5); }
    static Color redColor() { return rgba(1, 0, 0); }
    static Color greenColor() { return rgba(0, 1, 0); }
    static Color blueColor() { return rgba(0, 0, 1); }
    static Color cyanColor() { return rgba(0, 1, 1); }
    static Color yellowColor() { return rgba(1, 1, 0); }
    static Color magentaColor() { return rgba(1, 0, 1); }
    static Color orangeColor() { return rgba(1, 0.5, 0); }
    static Color purpleColor() { return rgba(0.5, 0, 0.5); }
    static Color brownColor() { return rgba(0.6, 0.4, 0.2); }
    static Color clearColor() { return white(0, 0); }

    double red() const { return r_; }
    double green() const { return g_; }
    double blue() const { return b_; }
    double alpha() const { return a_; }
    const std::shared_ptr<const Image>& pattern() const { return pattern_; }

    Color colorWithAlphaComponent(double alpha) const;
    // Components clamped to 0..1, as the platform stores them.
    bool operator==(const Color& other) const;
    bool operator!=(const Color& other) const { return !(*this == other); }
    // "UIDeviceRGBColorSpace 1 0 0 1".
    std::string description() const;

private:
    double r_ = 0, g_ = 0, b_ = 0, a_ = 1;
    std::shared_ptr<const Image> pattern_;
};

// A colour property that may be nil.
using OptionalColor = std::optional<Color>;

}  // namespace ui
