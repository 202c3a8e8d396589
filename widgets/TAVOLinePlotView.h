// A line chart: series of values over fixed slots, each with its line,
// fill and tickers, drawn in order (later series over earlier ones). With
// the read-out on, pressing or dragging marks the nearest slot with a
// vertical line, a dot and a bubble whose text the delegate supplies. The
// owner asks for a redraw after changing the series.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/GestureRecognizer.h"
#include "platform/ui/LongPressGestureRecognizer.h"
#include "platform/ui/PanGestureRecognizer.h"
#include "platform/ui/View.h"
#include "widgets/TAVOLinePlotData.h"
#include "widgets/TAVOLinePlotViewDelegate.h"

class TAVOLinePlotView : public ui::View, public ui::GestureRecognizerDelegate {
public:
    using View::View;
    static std::shared_ptr<TAVOLinePlotView> create(const cg::Rect& frame = {}) {
        return make<TAVOLinePlotView>(frame);
    }

    static constexpr double kMinimumPressDuration = 0.1;

    std::vector<TAVOLinePlotDataPtr> plots;
    cg::EdgeInsets margins;
    ui::OptionalColor plotsBackgroudColor;

    TAVOLinePlotDataPtr firstPlot() const { return plots.empty() ? nullptr : plots.front(); }
    TAVOLinePlotDataPtr lastPlot() const { return plots.empty() ? nullptr : plots.back(); }

    bool enablePanGesture() const { return enablePanGesture_; }
    // Adds or removes the press and pan recognizers; ends any read-out.
    void setEnablePanGesture(bool on);
    std::shared_ptr<TAVOLinePlotViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOLinePlotViewDelegate>& d) { delegate_ = d; }
    const std::shared_ptr<ui::LongPressGestureRecognizer>& longPressGesture() const { return longPressGesture_; }
    const std::shared_ptr<ui::PanGestureRecognizer>& panGesture() const { return panGesture_; }

    int panIndex() const { return panIndex_; }
    double panLocationX() const { return panLocationX_; }
    // A delegate is set and a slot is being read out.
    bool panning() const { return !delegate_.expired() && panIndex_ >= 0; }
    // The sample index of the slot read out (-1 for none).
    int panIndexAfterCorrection() const;

    void handleGesture(ui::GestureRecognizer& recognizer);
    // Picks the slot nearest to the point ((0, 0) clears the read-out).
    void setPanLocation(const cg::Point& point);

    bool shouldRecognizeSimultaneously(ui::GestureRecognizer&, ui::GestureRecognizer&) override { return false; }
    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;

private:
    std::weak_ptr<TAVOLinePlotViewDelegate> delegate_;
    std::shared_ptr<ui::LongPressGestureRecognizer> longPressGesture_;
    std::shared_ptr<ui::PanGestureRecognizer> panGesture_;
    bool enablePanGesture_ = false;
    int panIndex_ = -1;
    double panLocationX_ = 0;
};
