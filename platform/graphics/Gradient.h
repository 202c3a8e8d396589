// A colour gradient: colours at locations in [0, 1], drawn by the context
// as a linear or radial fill.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Color.h"

namespace cg {

// Whether the end colours continue past the start and end of the gradient.
enum GradientDrawingOptions : unsigned {
    GradientDrawsBeforeStartLocation = 1u << 0,
    GradientDrawsAfterEndLocation = 1u << 1,
};

struct GradientStop {
    double location = 0;
    RGBA color;
};

class Gradient : public ns::Object {
public:
    // Null when there are no colours or the location count does not match;
    // empty locations spread the colours evenly from 0 to 1.
    static std::shared_ptr<Gradient> createWithColors(ColorSpacePtr space, const std::vector<ColorPtr>& colors,
                                                      const std::vector<double>& locations = {});
    // components: count groups of the space's components plus alpha.
    static std::shared_ptr<Gradient> createWithColorComponents(ColorSpacePtr space, const std::vector<double>& components,
                                                               const std::vector<double>& locations, std::size_t count);

    const std::vector<GradientStop>& stops() const { return stops_; }
    const ColorSpacePtr& colorSpace() const { return space_; }

    Gradient(ColorSpacePtr space, std::vector<GradientStop> stops) : space_(std::move(space)), stops_(std::move(stops)) {}

private:
    ColorSpacePtr space_;
    std::vector<GradientStop> stops_;
};

using GradientPtr = std::shared_ptr<Gradient>;

}  // namespace cg
