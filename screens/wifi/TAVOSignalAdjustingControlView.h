// A three-stop slider for a radio strength: a bar with a knob and a filled
// part up to the knob, and a title drawn above each stop. A finger drags
// the knob along the bar; on release it snaps to the nearest stop and the
// delegate hears that stop, even when it is the one already shown. Setting
// the stop from code moves the knob (animated) without telling anyone.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "screens/wifi/TAVOSignalAdjustingControlViewDelegate.h"

class TAVOSignalAdjustingControlView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOSignalAdjustingControlView> create(const cg::Rect& frame = {}) {
        return make<TAVOSignalAdjustingControlView>(frame);
    }

    static constexpr double kMoveDuration = 0.3;
    static constexpr double kTitleFontSize = 12;
    static constexpr double kTitleWidth = 40;

    void initWithFrame(const cg::Rect& frame) override;

    std::shared_ptr<TAVOSignalAdjustingControlViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOSignalAdjustingControlViewDelegate>& d) { delegate_ = d; }
    const std::vector<std::string>& titleArray() const { return titleArray_; }
    void setTitleArray(const std::vector<std::string>& titles) { setProperty(titleArray_, titles, ui::PropertyEffectsDisplay); }

    int position() const { return position_; }
    void setPosition(int position);

    const ui::ImageViewPtr& bgView() const { return bgView_; }
    const ui::ImageViewPtr& currentRadioIndicator() const { return currentRadioIndicator_; }
    const ui::ImageViewPtr& adjustImageView() const { return adjustImageView_; }

    // The knob follows x (in the bar's coordinates); a release snaps it.
    void update(const cg::Point& point, bool end);

    void touchesMoved(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;
    void drawRect(const cg::Rect& rect) override;

private:
    void updatePosition();
    void moveKnobTo(double x);

    std::weak_ptr<TAVOSignalAdjustingControlViewDelegate> delegate_;
    std::vector<std::string> titleArray_;
    // None until the first setPosition lays the knob out.
    int position_ = -1;
    ui::ImageViewPtr bgView_;
    ui::ImageViewPtr currentRadioIndicator_;
    ui::ImageViewPtr adjustImageView_;
};

using TAVOSignalAdjustingControlViewPtr = std::shared_ptr<TAVOSignalAdjustingControlView>;
