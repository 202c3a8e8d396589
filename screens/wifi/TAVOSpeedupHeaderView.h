// The header of the device speed-up screen: with an accelerated device, the
// device's icon on a white disc inside a ring of dots that a small chomping
// figure eats lap after lap (6 s a lap); without one, a static picture and
// the introduction.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ShapeLayer.h"
#include "platform/ui/View.h"
#include "protocol/records/TAVORouterJoiningDevice.h"

class TAVOSpeedupHeaderView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOSpeedupHeaderView> create(const cg::Rect& frame) {
        return make<TAVOSpeedupHeaderView>(frame);
    }
    ~TAVOSpeedupHeaderView() override;

    static constexpr double kLapSeconds = 6.0;
    static constexpr double kChompSeconds = 0.2;
    static constexpr double kFigureSide = 30;
    static constexpr const char* kChompKey = "chompAnimation";
    static constexpr const char* kMoveKey = "moveAnimation";
    static constexpr const char* kMaskKey = "mastPathAnimation";

    void initWithFrame(const cg::Rect& frame) override;

    const TAVORouterJoiningDevicePtr& device() const { return device_; }
    void setDevice(const TAVORouterJoiningDevicePtr& device);
    void startAnimation();
    void stopAnimation();
    bool isAnimating() const { return isAnimating_; }

    const ui::LabelPtr& introduceLabel() const { return introduceLabel_; }
    const ui::LabelPtr& stateLable() const { return stateLable_; }
    const ui::LabelPtr& deviceName() const { return deviceName_; }
    const ui::ImageViewPtr& deviceTypeIcon() const { return deviceTypeIcon_; }
    const ui::ImageViewPtr& staticIcon() const { return staticIcon_; }
    const ui::ImageViewPtr& bgWhiteView() const { return bgWhiteView_; }
    const ui::ViewPtr& lightDotView() const { return lightDotView_; }
    const ui::ViewPtr& darkDotView() const { return darkDotView_; }
    const std::shared_ptr<ca::ShapeLayer>& shapeLayer() const { return shapeLayer_; }

private:
    ui::ViewPtr dotRing(double alpha);
    void removeFigure();

    TAVORouterJoiningDevicePtr device_;
    ui::LabelPtr introduceLabel_;
    ui::LabelPtr stateLable_;
    ui::LabelPtr deviceName_;
    ui::ViewPtr lightDotView_;
    ui::ViewPtr darkDotView_;
    ui::ImageViewPtr circleView_;
    ui::ImageViewPtr deviceTypeIcon_;
    ui::ImageViewPtr staticIcon_;
    ui::ImageViewPtr bgWhiteView_;
    bool isAnimating_ = false;
    std::shared_ptr<ca::ShapeLayer> shapeLayer_;
    std::shared_ptr<ca::ShapeLayer> maskLayer_;
};
