// The common ground of the alerts that ask for one line of text: a text
// field on a stretchable input background in the message's place, the
// whole alert lifted 70 points while the field is edited (so that the
// keyboard leaves it visible), and buttons whose handlers answer with a
// text. What an answer does is the concrete alert's business.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TextField.h"
#include "uikit/MAAlertView.h"
#include "widgets/MAAlertTextItem.h"

class MAFieldAlertView : public MAAlertView, public ui::TextFieldDelegate {
public:
    using MAAlertView::MAAlertView;

    static constexpr double kFieldViewWidth = 80;
    static constexpr double kFieldViewHeight = 40;
    static constexpr double kFieldInsetX = 10;
    static constexpr double kFieldInsetY = 5;
    static constexpr double kFieldHeight = 30;
    static constexpr long kBackgroundCap = 7;
    static constexpr double kFieldTextWhite = 0.2;
    // How far the alert moves up while the field is edited, and how fast.
    static constexpr double kKeyboardLift = 70;
    static constexpr double kLiftDuration = 0.3;

    // The base's, then the field view becomes the view in the message's place.
    void initWithTitle(const std::string& title, const std::string& message) override;

    const ui::TextFieldPtr& textField() const { return field_; }
    const ui::ImageViewPtr& fieldBackgroundView() const { return fieldBackground_; }
    // Whether the alert is moved up for the keyboard now.
    bool isLifted() const { return lifted_; }

    // A person's tap: runs the item's handler with the class-wide animating
    // flag set (an alert shown meanwhile waits in the queue) and hands its
    // answer to handlerAnswered.
    void buttonAction(ui::Button& button) override;

    bool textFieldShouldBeginEditing(ui::TextField& field) override;
    bool textFieldShouldEndEditing(ui::TextField& field) override;

protected:
    void addTextButton(const std::string& title, int type, MAAlertTextItem::TextAction action);
    // What the alert does with a handler's answer (empty: accepted). Items
    // with a plain action answer empty.
    virtual void handlerAnswered(const std::string& answer) = 0;
    // Moves the alert up by the lift, or back; each only once in a row, so
    // that unpaired begin/end questions never leave the alert off its place.
    void setLifted(bool lifted);

private:
    ui::ImageViewPtr fieldBackground_;
    ui::TextFieldPtr field_;
    bool lifted_ = false;
};
