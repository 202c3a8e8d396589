// The pull-to-refresh control of tables: refreshing between begin and end;
// a user's pull (pull()) starts it and sends value-changed.
#pragma once

#include <string>

#include "platform/ui/Control.h"

namespace ui {

class RefreshControl : public Control {
public:
    using Control::Control;
    static std::shared_ptr<RefreshControl> create() { return make<RefreshControl>(cg::RectMake(0, -60, 320, 60)); }

    bool isRefreshing() const { return refreshing_; }
    void beginRefreshing() { refreshing_ = true; }
    void endRefreshing() { refreshing_ = false; }
    std::string attributedTitle;
    OptionalColor tint;

    // The user pulls the table down far enough (a disabled control, or one
    // already refreshing, starts nothing).
    void pull() {
        if (refreshing_ || !isEnabled()) return;
        refreshing_ = true;
        sendActionsForControlEvents(ControlEventValueChanged);
    }

private:
    bool refreshing_ = false;
};

}  // namespace ui
