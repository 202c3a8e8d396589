// A value an animation interpolates: a number, a point, a size, a
// rectangle, a transform, a colour, an image, a path or a list of colours
// (a gradient layer's "colors").
#pragma once

#include <memory>
#include <variant>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/Color.h"
#include "platform/ui/Transform3D.h"

namespace cg {
class Path;  // defined by the drawing layer
}
namespace ui {
class Image;
}

namespace ca {

using ColorList = std::vector<ui::Color>;
using AnimationValue = std::variant<std::monostate, double, cg::Point, cg::Size, cg::Rect, Transform3D, ui::Color,
                                    std::shared_ptr<const ui::Image>, std::shared_ptr<const cg::Path>, ColorList>;

inline bool hasValue(const AnimationValue& v) { return !std::holds_alternative<std::monostate>(v); }

// Timing curves by the platform's names.
enum class TimingFunction { Default, Linear, EaseIn, EaseOut, EaseInEaseOut };

// Fill modes ("removed", "forwards", "backwards", "both").
enum class FillMode { Removed, Forwards, Backwards, Both };

// The largest finite float, which the platform's programs use as "forever".
inline constexpr double kHugeRepeatCount = 3.4028235e38;

}  // namespace ca
