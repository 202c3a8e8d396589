// The circle that announces devices asking to join: the device's icon and
// a line for one device, the many-devices icon and the count for more.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/TAVOCircleView.h"

class TAVONewDeviceJoinIndicator : public TAVOCircleView {
public:
    using TAVOCircleView::TAVOCircleView;
    static std::shared_ptr<TAVONewDeviceJoinIndicator> create(const cg::Rect& frame = {}) {
        return make<TAVONewDeviceJoinIndicator>(frame);
    }

    const ui::ImageViewPtr& iconErrorIndicator() const { return iconErrorIndicator_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    // Devices announced since the last reset (setting it shows nothing).
    int count() const { return count_; }
    void setCount(int count) { count_ = count; }

    // n devices of `type` ask to join; 0 resets the count and keeps the
    // display as it is.
    void setDeviceJoin(int n, int type);

    void initWithFrame(const cg::Rect& frame) override;

private:
    ui::ImageViewPtr iconErrorIndicator_;
    ui::LabelPtr titleLabel_;
    int count_ = 0;
};
