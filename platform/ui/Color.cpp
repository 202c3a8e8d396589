#include "platform/ui/Color.h"

#include <algorithm>
#include <sstream>

namespace ui {

namespace {
double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
}  // namespace

Color Color::rgba(double red, double green, double blue, double alpha) {
    Color c;
    c.r_ = clamp01(red);
    c.g_ = clamp01(green);
    c.b_ = clamp01(blue);
    c.a_ = clamp01(alpha);
    return c;
}

Color Color::rgb255(int red, int green, int blue, double alpha) {
    return rgba(red / 255.0, green / 255.0, blue / 255.0, alpha);
}

Color Color::white(double white, double alpha) { return rgba(white, white, white, alpha); }

Color Color::patternImage(std::shared_ptr<const Image> image) {
    Color c;
    c.pattern_ = std::move(image);
    return c;
}

Color Color::colorWithAlphaComponent(double alpha) const {
    Color c = *this;
    c.a_ = clamp01(alpha);
    return c;
}

bool Color::operator==(const Color& o) const {
    return r_ == o.r_ && g_ == o.g_ && b_ == o.b_ && a_ == o.a_ && pattern_ == o.pattern_;
}

std::string Color::description() const {
    std::ostringstream out;
    if (pattern_) return "UIPatternColor";
    out << "UIDeviceRGBColorSpace " << r_ << ' ' << g_ << ' ' << b_ << ' ' << a_;
    return out.str();
}

}  // namespace ui
