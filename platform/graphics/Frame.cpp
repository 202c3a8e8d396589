#include "platform/graphics/Frame.h"

#include "platform/graphics/Context.h"

namespace ct {

std::vector<cg::Point> Frame::lineOrigins(ns::Range range) const {
    std::size_t from = std::min(range.location, origins_.size());
    std::size_t to = range.length == 0 ? origins_.size() : std::min(origins_.size(), from + range.length);
    return std::vector<cg::Point>(origins_.begin() + std::ptrdiff_t(from), origins_.begin() + std::ptrdiff_t(to));
}

void Frame::draw(cg::Context& context) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        context.setTextPosition(box_.origin.x + origins_[i].x, box_.origin.y + origins_[i].y);
        lines_[i]->draw(context);
    }
}

}  // namespace ct
