// A row of the account's router list: a check mark on the current router,
// the router's name (marked when it is offline) and an arrow that opens or
// closes the row's swipe buttons.
#pragma once

#include <memory>
#include <string>

#include "core/records/TAVORouterModel.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "screens/home/TAVORoutersListItemCellDelegate.h"
#include "uikit/SlideTableViewCell.h"

class TAVORoutersListItemCell : public SlideTableViewCell {
public:
    using SlideTableViewCell::SlideTableViewCell;
    static std::shared_ptr<TAVORoutersListItemCell> create(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
        return makeCell<TAVORoutersListItemCell>(style, reuseIdentifier);
    }

    static constexpr int kEventOpen = 0;
    static constexpr int kEventClose = 1;

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;

    const TAVORouterModelPtr& router() const { return router_; }
    void setRouter(const TAVORouterModelPtr& router);
    // 1 shows the check mark, 0 hides it; other values change nothing.
    void setRouterState(int state);
    // Upright while the buttons are closed, turned a quarter otherwise.
    void changeIndicatorState(bool closed);
    void expendIndicatorIsClicked();

    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::ImageViewPtr& expendIndicator() const { return expendIndicator_; }

    std::shared_ptr<TAVORoutersListItemCellDelegate> eventDelegate() const { return eventDelegate_.lock(); }
    void setEventDelegate(const std::shared_ptr<TAVORoutersListItemCellDelegate>& delegate) { eventDelegate_ = delegate; }

    // The row's title for a router: its name, or its name marked offline.
    static std::string titleForRouter(const TAVORouterModel& router);

private:
    TAVORouterModelPtr router_;
    ui::ImageViewPtr iconView_;
    ui::LabelPtr titleLabel_;
    ui::ImageViewPtr expendIndicator_;
    std::weak_ptr<TAVORoutersListItemCellDelegate> eventDelegate_;
};

using TAVORoutersListItemCellPtr = std::shared_ptr<TAVORoutersListItemCell>;
