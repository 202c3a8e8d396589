// Lays attributed text out in a rectangle: a frame of lines with origins,
// following each paragraph's style (alignment, indents, line heights and
// spacing, line break mode). Coordinates are y up, as on the platform: the
// first line sits at the top of the rectangle.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Frame.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/Typesetter.h"

namespace ct {

class Framesetter : public ns::Object {
public:
    static std::shared_ptr<Framesetter> create(const ns::AttributedString& text);

    // Lines of the range ({0, 0} meaning the whole string) that fit in the
    // path's bounding box; lines that would stick out at the bottom are left out.
    FramePtr createFrame(ns::Range range, const cg::Path& path) const;
    // The size the text needs within the constraints (0 or an enormous value
    // means unlimited) and, through fitRange, the part of it that fits.
    cg::Size suggestFrameSizeWithConstraints(ns::Range range, cg::Size constraints, ns::Range* fitRange = nullptr) const;
    const Typesetter& typesetter() const { return *typesetter_; }

    struct Layout {
        std::vector<LinePtr> lines;
        std::vector<cg::Point> origins;  // relative to the box's origin
        ns::Range visibleRange;
        cg::Size used;
    };
    Layout layout(ns::Range range, cg::Size box, bool limitHeight) const;

private:
    TypesetterPtr typesetter_;
};

using FramesetterPtr = std::shared_ptr<Framesetter>;

}  // namespace ct
