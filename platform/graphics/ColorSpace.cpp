#include "platform/graphics/ColorSpace.h"

namespace cg {

std::shared_ptr<ColorSpace> ColorSpace::createDeviceRGB() {
    return std::make_shared<ColorSpace>(ColorSpaceModel::RGB);
}

std::shared_ptr<ColorSpace> ColorSpace::createDeviceGray() {
    return std::make_shared<ColorSpace>(ColorSpaceModel::Monochrome);
}

bool ColorSpace::isEqual(const ns::Object& other) const {
    auto* o = dynamic_cast<const ColorSpace*>(&other);
    return o && o->model_ == model_;
}

std::string ColorSpace::description() const {
    return model_ == ColorSpaceModel::RGB ? "<ColorSpace: kCGColorSpaceDeviceRGB>" : "<ColorSpace: kCGColorSpaceDeviceGray>";
}

}  // namespace cg
