// "CIGaussianBlur": a true Gaussian whose standard deviation is
// "inputRadius" pixels (default 10). Pixels outside the input count as
// transparent, so the output reaches `spread` pixels (three standard
// deviations, rounded up) past the input on every side and its border
// fades out; callers crop that border away.
#pragma once

#include <memory>

#include "platform/graphics/ci/Filter.h"

namespace ci {

class GaussianBlurFilter : public Filter {
public:
    static constexpr const char* Name = "CIGaussianBlur";
    static constexpr double DefaultRadius = 10;
    // Larger radii are taken as this one, which keeps the work bounded.
    static constexpr double MaxRadius = 100;

    static std::shared_ptr<GaussianBlurFilter> create();

    // How far the output reaches past the input for a radius, in pixels.
    static int spreadForRadius(double radius);

    // The input unchanged for a radius of 0 (or one that is not a number).
    ImagePtr outputImage() const override;

    GaussianBlurFilter() : Filter(Name) {}
};

}  // namespace ci
