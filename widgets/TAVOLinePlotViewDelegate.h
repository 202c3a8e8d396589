// What the line chart's read-out shows, asked of its owner.
#pragma once

#include <optional>
#include <string>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"

class TAVOLinePlotView;
class TAVOLinePlotData;

class TAVOLinePlotViewDelegate {
public:
    virtual ~TAVOLinePlotViewDelegate() = default;
    // The vertical line and the dot's ring.
    virtual ui::OptionalColor annotationLineColorOfPlotView(TAVOLinePlotView& view) = 0;
    virtual ui::OptionalColor annotationFillColorOfPlotView(TAVOLinePlotView& view) = 0;
    virtual ui::OptionalColor annotationStokeColorOfPlotView(TAVOLinePlotView& view) = 0;
    virtual float annotationLineWidthOfPlotView(TAVOLinePlotView& view) = 0;
    virtual ui::OptionalColor annotationColorAtIndex(int index, TAVOLinePlotData& plot, TAVOLinePlotView& view) = 0;
    virtual std::optional<ui::Font> annotationFontAtIndex(int index, TAVOLinePlotData& plot, TAVOLinePlotView& view) = 0;
    virtual std::optional<std::string> annotationTextAtIndex(int index, TAVOLinePlotData& plot,
                                                             TAVOLinePlotView& view) = 0;
};
