// The panel the breakdown view shows for an application error code: an
// icon, the code's text and, for a lost connection, a reconnect button.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class LostConnectionView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<LostConnectionView> create(const cg::Rect& frame = {}) {
        return make<LostConnectionView>(frame);
    }

    const ui::ImageViewPtr& lostView() const { return lostView_; }
    const std::shared_ptr<ui::Button>& reconnectBtn() const { return reconnectBtn_; }
    const ui::LabelPtr& descriptLabel() const { return descriptLabel_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    ui::ImageViewPtr lostView_;
    std::shared_ptr<ui::Button> reconnectBtn_;
    ui::LabelPtr descriptLabel_;
};
