// What a layer tree's running animations show at a moment (the platform's
// presentation layers), for pictures of an animation in mid-flight.
//
// The drawing layer renders the model values, which animations of this kit
// change at once or not at all (an endless pulse leaves its layer's model
// as it was). apply() writes into every layer of a tree the value each of
// its animations shows at the given media time, and hands back a call that
// puts the model values back.
//
// It follows begin times, durations (a group's members without their own
// duration take the group's), repeats, auto-reverse, speed, the fill modes
// and the timing curves. Numbers, points, sizes, rectangles, colours,
// colour lists of the same length and paths of the same shape (the same
// elements: points, arc centres, radii and angles) are interpolated; other
// values step from one to the next halfway. Key paths: opacity, position
// (and .x, .y), bounds, transform (and .scale, .rotation.z), backgroundColor,
// and for shape layers path, fillColor, strokeColor, strokeStart,
// strokeEnd, lineWidth; for gradient layers colors.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Animation.h"
#include "platform/ui/Layer.h"

namespace ca {

class LayerPresentation {
public:
    using Undo = std::function<void()>;

    // Shows the animated values of the layer and everything below it (masks
    // included) in their models.
    static Undo apply(const LayerPtr& root, double mediaTime);

    // The values one animation (a group gives its members') shows at
    // `localTime` seconds after it began, by key path; none when it shows
    // nothing then (not begun without a backwards fill, or over without a
    // forwards fill). A missing from or to value is the layer's model value.
    using KeyedValue = std::pair<std::string, AnimationValue>;
    static std::vector<KeyedValue> valuesAt(const Animation& animation, double localTime,
                                            const Layer* layer = nullptr);
};

}  // namespace ca
