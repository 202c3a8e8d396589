// A blurred picture of another view, shown behind a popup. Drawing
// captures the parent view at a third of the screen's scale on the main
// thread (the whole pixels it covers) and shows that sharp capture at once; a worker blurs its own
// reference to the capture and hands the result back through the main
// queue. A result is kept only when no newer capture and no reset came in
// the meantime, so a late blur never paints over a fresher picture and no
// image is written from two threads.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/graphics/ci/Context.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"

class TAVOBlurView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOBlurView> create(const cg::Rect& frame = {}) { return make<TAVOBlurView>(frame); }

    static constexpr double kBlurRadius = 1.0;
    static constexpr double kCaptureScaleDivisor = 3;
    // How much of the blur's spread is cut off each side.
    static constexpr double kCropFactor = 1.5;

    std::shared_ptr<ui::View> parentView() const { return parentView_.lock(); }
    // A non-null view starts a new capture on the next draw.
    void setParentView(const std::shared_ptr<ui::View>& view);
    // Forgets the capture and its blur so that the next draw captures anew.
    void setNeedsDisplay();

    const ui::ImagePtr& snapshot() const { return snapshot_; }
    const ui::ImagePtr& blur() const { return blur_; }

    void drawRect(const cg::Rect& rect) override;

    // The capture blurred with the radius and cropped by 1.5 x the spread
    // each side; null when the filter gives nothing. Safe on any thread.
    static ui::ImagePtr blurredImage(const ui::ImagePtr& capture, const ci::ContextPtr& context);

private:
    void capture();
    void generateBlurAndRedraw(ui::ImagePtr capture, std::uint64_t generation);

    std::weak_ptr<ui::View> parentView_;
    ci::ContextPtr cic_;
    ui::ImagePtr snapshot_;
    ui::ImagePtr blur_;
    // Counts captures and resets; a blur result carries the count it began
    // under and is dropped when the count has moved on.
    std::uint64_t generation_ = 0;
    // A capture was tried and gave nothing: wait for a reset.
    bool captureFailed_ = false;
    bool capturing_ = false;
};

using TAVOBlurViewPtr = std::shared_ptr<TAVOBlurView>;
