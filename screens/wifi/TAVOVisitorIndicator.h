// One visitor in the guest screen's field: the device's icon over its name.
// It remembers the visitor's MAC and which of the field's six places it
// holds (-1 while it holds none).
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "protocol/records/TAVORouterJoiningGuestDevice.h"

class TAVOVisitorIndicator : public ui::Control {
public:
    using ui::Control::Control;
    static std::shared_ptr<TAVOVisitorIndicator> create(const cg::Rect& frame = {}) {
        return make<TAVOVisitorIndicator>(frame);
    }
    static constexpr double kIconSide = 54;
    static constexpr double kNameHeight = 15;

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

    // Name and icon from the record.
    void showDevice(const std::shared_ptr<TAVORouterJoiningGuestDevice>& device);

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::LabelPtr& vistorNameLabel() const { return vistorNameLabel_; }

    std::string visitorMac;
    int posIndex = -1;
    std::shared_ptr<TAVORouterJoiningGuestDevice> device;

private:
    ui::ImageViewPtr iconView_;
    ui::LabelPtr vistorNameLabel_;
};

using TAVOVisitorIndicatorPtr = std::shared_ptr<TAVOVisitorIndicator>;
