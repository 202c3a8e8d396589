// A rotary knob for five radio-power steps, turned by dragging a finger
// sideways: the knob turns with the finger (up to 72 degrees either side of
// upright), a green sector shows the angle swept in this drag, an image
// under the knob shows the step and a label names it. On release the knob
// snaps to its step and the delegate hears the step.
//
// Steps are 36 degrees apart with step 3 upright; dragging left turns the
// knob clockwise on screen and lowers the step. The drag reaches steps 1
// to 5; step 0 is reached only from code.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ShapeLayer.h"
#include "platform/ui/View.h"
#include "screens/wifi/TAVOAdjustCircleViewDelegate.h"

class TAVOAdjustCircleView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOAdjustCircleView> create(const cg::Rect& frame = {}) { return make<TAVOAdjustCircleView>(frame); }

    static constexpr int kInitialPosition = 3;
    static constexpr double kDrawDuration = 0.2;
    static constexpr double kIndicatorDrop = 27;

    // The knob's angle for a step, in radians: (3 - step) x 36 degrees.
    static double angleOfPosition(int position);
    // The step nearest an angle within the knob's reach.
    static int positionOfAngle(double angle);
    // The step's title key; none outside 0..4.
    static std::optional<std::string> getIntroduceKey(int position);

    void initWithFrame(const cg::Rect& frame) override;

    std::shared_ptr<TAVOAdjustCircleViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOAdjustCircleViewDelegate>& d) { delegate_ = d; }
    int position() const { return position_; }
    void setPosition(int position);
    double currentAngel() const { return currentAngel_; }

    const ui::ImageViewPtr& bgBtn() const { return bgBtn_; }
    const ui::ImageViewPtr& adjustImageView() const { return adjustImageView_; }
    const ui::ImageViewPtr& currentRadioIndicator() const { return currentRadioIndicator_; }
    const ui::LabelPtr& introduceLabel() const { return introduceLabel_; }
    const std::shared_ptr<ca::ShapeLayer>& shapeLayer() const { return shapeLayer_; }

    // The finger moved to `point` (this view's coordinates); `end` on release.
    void update(const cg::Point& point, bool end);

    void touchesBegan(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesMoved(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;

private:
    void circle(double angle, bool animation);
    void showStepImage();
    void showStepTitle();

    std::weak_ptr<TAVOAdjustCircleViewDelegate> delegate_;
    int position_ = -1;
    double currentAngel_ = 0;
    double lastAngel_ = 0;
    cg::Point lastPoint_{};
    ui::ImageViewPtr bgBtn_;
    ui::ImageViewPtr adjustImageView_;
    ui::ImageViewPtr currentRadioIndicator_;
    ui::LabelPtr introduceLabel_;
    std::shared_ptr<ca::ShapeLayer> shapeLayer_;
};

using TAVOAdjustCircleViewPtr = std::shared_ptr<TAVOAdjustCircleView>;
