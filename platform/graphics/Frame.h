// A frame: the lines of some text laid out in a rectangle, with each line's
// origin (its baseline start) relative to the rectangle's origin, y up.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Line.h"
#include "platform/graphics/Path.h"

namespace ct {

class Frame : public ns::Object {
public:
    ns::Range stringRange() const { return range_; }
    ns::Range visibleStringRange() const { return visible_; }
    const cg::Path& path() const { return path_; }
    const std::vector<LinePtr>& lines() const { return lines_; }
    // Origins of the lines in [range.location, range.max()) ({0, 0} for all).
    std::vector<cg::Point> lineOrigins(ns::Range range = {0, 0}) const;
    // Draws every line at its origin (plus the box's origin), y up.
    void draw(cg::Context& context) const;

    Frame(ns::Range range, ns::Range visible, cg::Path path, cg::Rect box, std::vector<LinePtr> lines,
          std::vector<cg::Point> origins)
        : range_(range), visible_(visible), path_(std::move(path)), box_(box), lines_(std::move(lines)),
          origins_(std::move(origins)) {}

private:
    ns::Range range_, visible_;
    cg::Path path_;
    cg::Rect box_;
    std::vector<LinePtr> lines_;
    std::vector<cg::Point> origins_;
};

using FramePtr = std::shared_ptr<Frame>;

}  // namespace ct
