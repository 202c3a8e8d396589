// The alert that asks for the router's administrator password. Its field
// can show an error text in place of the password (readable, in the error
// colour) until the person taps into it again. A button's handler answers
// with an error text to show, or an empty text; either way the alert stays
// up: the screen dismisses it once it accepts the password.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/Color.h"
#include "widgets/MAFieldAlertView.h"

class MAPasswordAlertView : public MAFieldAlertView {
public:
    using MAFieldAlertView::MAFieldAlertView;
    using Handler = std::function<std::string(const std::shared_ptr<MAPasswordAlertView>&)>;

    static ui::Color errorTextColor() { return ui::Color::rgb255(241, 120, 87); }

    static std::shared_ptr<MAPasswordAlertView> create(const std::string& title, const std::string& message = "");

    // The base's, then a secure field with the password placeholder.
    void initWithTitle(const std::string& title, const std::string& message) override;

    // A handler's non-empty answer is shown in the field as an error.
    void addButtonWithTitle(const std::string& title, int type, Handler handler);

    const ui::TextFieldPtr& psw() const { return textField(); }
    std::string password() const { return textField()->text(); }

    // The message in the field, readable and in the error colour.
    void showErrorMsg(const std::string& message);
    bool showErrorInfo() const { return showErrorInfo_; }
    void setShowErrorInfo(bool shown) { showErrorInfo_ = shown; }

    // Tapping into the field after an error clears it for typing again.
    bool textFieldShouldBeginEditing(ui::TextField& field) override;

protected:
    void handlerAnswered(const std::string& answer) override;

private:
    bool showErrorInfo_ = false;
};

using MAPasswordAlertViewPtr = std::shared_ptr<MAPasswordAlertView>;
