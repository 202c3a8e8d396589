// One series of a line chart: its samples (oldest first) over a fixed
// number of slots, the value range drawn, and its look: line, solid or
// gradient fill, horizontal reference lines (tickers) with labels.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "platform/graphics/Color.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"

class TAVOLinePlotData : public ns::Object {
public:
    static std::shared_ptr<TAVOLinePlotData> create() { return std::make_shared<TAVOLinePlotData>(); }

    const std::vector<float>& values() const { return values_; }
    // Replaces the samples as given (no trimming).
    void setValues(std::vector<float> values) { values_ = std::move(values); }
    // Appends a sample (nil is ignored) and keeps the newest maxPointCount.
    void addValuesObject(const ns::Value& number);

    // The colours of fillColors as drawing colours, in order.
    std::vector<cg::ColorPtr> cgFillColors() const;

    unsigned maxPointCount = 0;
    int tag = 0;
    float minValue = 0;
    float maxValue = 0;
    // With fewer samples than slots, the newest sits in the last slot.
    bool alignRight = false;
    float lineWidth = 0;
    ui::OptionalColor lineColor;
    ui::OptionalColor fillColor;
    // Two or more: a top-to-bottom gradient instead of fillColor.
    std::vector<ui::Color> fillColors;
    // Value of the line and its label, in their own order.
    std::vector<std::pair<float, std::string>> tickerValuesAndLabelsY;
    float tickerWeight = 0;
    ui::OptionalColor tickerColor;
    ui::OptionalColor tickerTextColor;
    std::optional<ui::Font> tickerTextFont;

private:
    std::vector<float> values_;
};

using TAVOLinePlotDataPtr = std::shared_ptr<TAVOLinePlotData>;
