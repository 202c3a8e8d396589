// Colour spaces of the drawing layer. Only the device spaces exist: every
// colour ends up as device RGB with alpha when it is drawn.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"

namespace cg {

enum class ColorSpaceModel { Monochrome, RGB, Pattern };

class ColorSpace : public ns::Object {
public:
    static std::shared_ptr<ColorSpace> createDeviceRGB();
    static std::shared_ptr<ColorSpace> createDeviceGray();

    ColorSpaceModel model() const { return model_; }
    // Colour components without alpha: 3 for RGB, 1 for gray.
    std::size_t numberOfComponents() const { return model_ == ColorSpaceModel::RGB ? 3 : 1; }

    bool isEqual(const ns::Object& other) const override;
    std::size_t hash() const override { return static_cast<std::size_t>(model_); }
    std::string description() const override;

    explicit ColorSpace(ColorSpaceModel model) : model_(model) {}

private:
    ColorSpaceModel model_;
};

using ColorSpacePtr = std::shared_ptr<ColorSpace>;

}  // namespace cg
