// The system action sheet: a title and buttons (other buttons first, then
// the destructive and cancel ones as given), shown in a view; the delegate
// hears the click and the dismissal as for alerts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/ButtonTitleList.h"
#include "platform/ui/View.h"

namespace ui {

class ActionSheet;

class ActionSheetDelegate {
public:
    virtual ~ActionSheetDelegate() = default;
    virtual void clickedButtonAtIndex(ActionSheet&, long) {}
    virtual void willDismissWithButtonIndex(ActionSheet&, long) {}
    virtual void didDismissWithButtonIndex(ActionSheet&, long) {}
    virtual void actionSheetCancel(ActionSheet&) {}
};

class ActionSheet : public View {
public:
    using View::View;
    static std::shared_ptr<ActionSheet> create(const std::string& title,
                                               const std::shared_ptr<ActionSheetDelegate>& delegate,
                                               const std::optional<std::string>& cancelButtonTitle,
                                               const std::optional<std::string>& destructiveButtonTitle,
                                               const std::vector<std::string>& otherButtonTitles = {});

    std::string title;
    std::shared_ptr<ActionSheetDelegate> delegate() const { return delegate_.lock(); }
    long addButtonWithTitle(const std::string& title);
    long numberOfButtons() const { return buttons_.count(); }
    std::string buttonTitleAtIndex(long index) const;
    long cancelButtonIndex = -1;
    long destructiveButtonIndex = -1;
    long firstOtherButtonIndex() const;

    void showInView(const ViewPtr& view);
    bool isVisible() const { return visible_; }
    void dismissWithClickedButtonIndex(long index, bool animated);
    void tapButtonAtIndex(long index);
    static std::vector<std::shared_ptr<ActionSheet>> visibleSheets();

private:
    ButtonTitleList buttons_;
    std::weak_ptr<ActionSheetDelegate> delegate_;
    bool visible_ = false;
};

}  // namespace ui
