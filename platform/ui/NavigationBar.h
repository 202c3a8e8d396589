// A navigation bar a screen places itself: a stack of navigation items,
// the top one's title shown centred. (The navigation controller's own bar
// is a plain view; screens that want their own bar make one of these.)
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Label.h"
#include "platform/ui/NavigationItem.h"
#include "platform/ui/View.h"

namespace ui {

class NavigationBar : public View {
public:
    using View::View;
    static std::shared_ptr<NavigationBar> create(const cg::Rect& frame = {}) { return make<NavigationBar>(frame); }

    static constexpr double kTitleFontSize = 17;

    const std::vector<NavigationItem>& items() const { return items_; }
    void pushNavigationItem(const NavigationItem& item);
    void popNavigationItem();
    // The last item pushed; null when there is none.
    const NavigationItem* topItem() const { return items_.empty() ? nullptr : &items_.back(); }
    // Sets the top item's title (an item is pushed when there is none).
    void setTopItemTitle(const std::string& title);

    const LabelPtr& titleLabel() const { return titleLabel_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    void showTopItem();

    std::vector<NavigationItem> items_;
    LabelPtr titleLabel_;
};

using NavigationBarPtr = std::shared_ptr<NavigationBar>;

}  // namespace ui
