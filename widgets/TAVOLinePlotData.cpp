#include "widgets/TAVOLinePlotData.h"

void TAVOLinePlotData::addValuesObject(const ns::Value& number) {
    if (number.isNil()) return;
    values_.push_back(static_cast<float>(number.doubleValue()));
    // The newest samples stay, the one just added among them, however many
    // setValues left before.
    if (values_.size() > maxPointCount)
        values_.erase(values_.begin(), values_.end() - static_cast<std::ptrdiff_t>(maxPointCount));
}

std::vector<cg::ColorPtr> TAVOLinePlotData::cgFillColors() const {
    std::vector<cg::ColorPtr> colors;
    colors.reserve(fillColors.size());
    for (const auto& c : fillColors) colors.push_back(cg::Color::createRGB(c.red(), c.green(), c.blue(), c.alpha()));
    return colors;
}
