// A point of light that pops up at a random spot around a view's centre,
// grows and fades over three seconds, and goes.
#pragma once

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

class TAVORandomPointGenerator {
public:
    TAVORandomPointGenerator() = delete;

    static constexpr double kSeconds = 3.0;
    static constexpr int kDirections = 12;
    static constexpr int kDistanceSteps = 9;

    // One of 12 directions from the centre, at 1 to 9 tenths of the smaller
    // of the centre's coordinates. The generator is seeded with the time in
    // whole seconds, so calls within one second pick the same spot. An image
    // of no size adds nothing.
    static void generateRandomPointInView(const ui::ViewPtr& view, const ui::ImagePtr& image);
};
