// The system alert: a title, a message, buttons (the cancel button first
// when there is one), optional text fields by style, and a delegate that
// hears the click, then will-dismiss at once and did-dismiss on a later
// turn. Shown alerts are listed so that tests can find and tap them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ButtonTitleList.h"
#include "platform/ui/TextField.h"
#include "platform/ui/View.h"

namespace ui {

class AlertView;

class AlertViewDelegate {
public:
    virtual ~AlertViewDelegate() = default;
    virtual void clickedButtonAtIndex(AlertView&, long) {}
    virtual void willPresentAlertView(AlertView&) {}
    virtual void didPresentAlertView(AlertView&) {}
    virtual void willDismissWithButtonIndex(AlertView&, long) {}
    virtual void didDismissWithButtonIndex(AlertView&, long) {}
    virtual void alertViewCancel(AlertView&) {}
};

enum class AlertViewStyle { Default = 0, SecureTextInput = 1, PlainTextInput = 2, LoginAndPasswordInput = 3 };

class AlertView : public View {
public:
    using View::View;
    static std::shared_ptr<AlertView> create(const std::string& title, const std::string& message,
                                             const std::shared_ptr<AlertViewDelegate>& delegate,
                                             const std::optional<std::string>& cancelButtonTitle,
                                             const std::vector<std::string>& otherButtonTitles = {});

    std::string title;
    std::string message;
    std::shared_ptr<AlertViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<AlertViewDelegate>& d) { delegate_ = d; }

    long addButtonWithTitle(const std::string& title);
    long numberOfButtons() const { return buttons_.count(); }
    std::string buttonTitleAtIndex(long index) const;
    long cancelButtonIndex = -1;
    long firstOtherButtonIndex() const;

    AlertViewStyle alertViewStyle() const { return style_; }
    void setAlertViewStyle(AlertViewStyle style);
    // The text field at the index for the input styles; null otherwise.
    TextFieldPtr textFieldAtIndex(long index) const;

    void show();
    bool isVisible() const { return visible_; }
    void dismissWithClickedButtonIndex(long index, bool animated);
    // A finger on the button: the click, then the dismissal.
    void tapButtonAtIndex(long index);

    // The alerts on screen, oldest first.
    static std::vector<std::shared_ptr<AlertView>> visibleAlerts();

private:
    ButtonTitleList buttons_;
    std::weak_ptr<AlertViewDelegate> delegate_;
    AlertViewStyle style_ = AlertViewStyle::Default;
    std::vector<TextFieldPtr> fields_;
    bool visible_ = false;
};

using AlertViewPtr = std::shared_ptr<AlertView>;

}  // namespace ui
