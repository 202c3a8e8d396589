#include "platform/graphics/Color.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace cg {

namespace {
double clamp01(double v) { return v != v ? 0.0 : std::clamp(v, 0.0, 1.0); }
}  // namespace

std::shared_ptr<Color> Color::create(ColorSpacePtr space, const std::vector<double>& components) {
    if (!space) space = ColorSpace::createDeviceRGB();
    std::size_t n = space->numberOfComponents();
    std::vector<double> c(n + 1, 0.0);
    c[n] = 1.0;
    for (std::size_t i = 0; i < std::min(components.size(), n + 1); ++i) c[i] = clamp01(components[i]);
    return std::make_shared<Color>(std::move(space), std::move(c));
}

std::shared_ptr<Color> Color::createRGB(double r, double g, double b, double a) {
    static const auto rgb = ColorSpace::createDeviceRGB();
    return create(rgb, {r, g, b, a});
}

std::shared_ptr<Color> Color::createGray(double white, double a) {
    static const auto gray = ColorSpace::createDeviceGray();
    return create(gray, {white, a});
}

std::shared_ptr<Color> Color::createCopyWithAlpha(const std::shared_ptr<Color>& color, double alpha) {
    if (!color) return nullptr;
    auto c = color->components_;
    c.back() = clamp01(alpha);
    return std::make_shared<Color>(color->space_, std::move(c));
}

std::shared_ptr<Color> Color::clear() { return createGray(0, 0); }
std::shared_ptr<Color> Color::black() { return createGray(0, 1); }
std::shared_ptr<Color> Color::white() { return createGray(1, 1); }

RGBA Color::rgba() const {
    if (space_->model() == ColorSpaceModel::RGB) return {components_[0], components_[1], components_[2], components_[3]};
    return {components_[0], components_[0], components_[0], components_[1]};
}

bool Color::isEqual(const ns::Object& other) const {
    auto* o = dynamic_cast<const Color*>(&other);
    return o && o->space_->isEqual(*space_) && o->components_ == components_;
}

std::size_t Color::hash() const {
    std::size_t h = space_->hash();
    for (double c : components_) h = h * 31 + std::hash<double>()(c);
    return h;
}

std::string Color::description() const {
    std::string out = space_->model() == ColorSpaceModel::RGB ? "<Color: RGB" : "<Color: gray";
    for (double c : components_) {
        char buf[32];
        std::snprintf(buf, sizeof buf, " %g", c);
        out += buf;
    }
    return out + ">";
}

bool ColorEqualToColor(const ColorPtr& a, const ColorPtr& b) {
    if (!a || !b) return a == b;
    return a->isEqual(*b);
}

}  // namespace cg
