// The application's modal alert: a title, a message (or a caller's view in
// its place) and a row or column of buttons on a rounded panel over a
// dimmed screen.
//
// Alerts never stack on screen. One class-wide queue shows one alert at a
// time, each in a window of its own (level 1999) above a shared dimming
// window (level 1998). The newest alert wins: an alert shown while another
// is up pre-empts it, and the pre-empted one stays queued and comes back
// (with its show handlers and notifications once more) when every alert
// queued after it has gone. Tapping a button runs its item's action, then
// the alert leaves.
//
// The panel and its subviews exist only while the alert is shown: they are
// built from the title, message, items and appearance values when the
// alert's window loads its controller's view, and released at every exit.
// A caller's view survives the exit, so a pre-empted alert comes back with
// it (and with whatever the person had typed into it).
//
// Texts: an empty title or message means none. Main thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"
#include "uikit/MAAlertBackgroundWindow.h"
#include "uikit/MAAlertItem.h"
#include "uikit/MAAlertTransition.h"

class MAAlertView;
using MAAlertViewPtr = std::shared_ptr<MAAlertView>;

inline const std::string MAAlertViewWillShowNotification = "MAAlertViewWillShowNotification";
inline const std::string MAAlertViewDidShowNotification = "MAAlertViewDidShowNotification";
inline const std::string MAAlertViewWillDismissNotification = "MAAlertViewWillDismissNotification";
inline const std::string MAAlertViewDidDismissNotification = "MAAlertViewDidDismissNotification";

class MAAlertView : public ui::View, public ca::AnimationDelegate {
public:
    using Handler = std::function<void(const MAAlertViewPtr&)>;

    static constexpr double kAlertWindowLevel = 1999.0;

    using ui::View::View;
    // Without title and message.
    static MAAlertViewPtr create();
    static MAAlertViewPtr create(const std::string& title, const std::string& message);
    static MAAlertViewPtr createWithCustomView(const ui::ViewPtr& view);
    // For subclasses: a T made through initWithTitle.
    template <class T>
    static std::shared_ptr<T> makeWithTitle(const std::string& title, const std::string& message) {
        auto alert = construct<T>();
        alert->initWithTitle(title, message);
        return alert;
    }

    virtual void initWithTitle(const std::string& title, const std::string& message);
    virtual void initWithCustomView(const ui::ViewPtr& view);

    // The width a caller's view gets on the panel (242 points).
    static double getContainerWidth();

    // ---- content ----
    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);
    const std::string& message() const { return message_; }
    void setMessage(const std::string& message);
    // One item per button, in the order added. Items added while the alert
    // is up show the next time it comes up.
    std::vector<MAAlertItemPtr>& items() { return items_; }
    const std::vector<MAAlertItemPtr>& items() const { return items_; }
    void addButtonWithTitle(const std::string& title, int type, MAAlertItem::Action handler);
    const ui::ViewPtr& customizedViewInsteadOfMsgLabel() const { return customView_; }
    void setCustomizedViewInsteadOfMsgLabel(const ui::ViewPtr& view) { customView_ = view; }

    // 0-4 (MAAlertViewTransitionStyle); 3, the bounce, unless set.
    int transitionStyle() const { return transitionStyle_; }
    void setTransitionStyle(int style) { transitionStyle_ = style; }
    // MAAlertViewBackgroundStyle of the dimming window.
    int backgroundStyle() const { return backgroundStyle_; }
    void setBackgroundStyle(int style) { backgroundStyle_ = style; }
    // 0 lets two buttons share one row; anything else stacks them all.
    int buttonsListStyle() const { return buttonsListStyle_; }
    void setButtonsListStyle(int style) { buttonsListStyle_ = style; }

    const Handler& willShowHandler() const { return willShowHandler_; }
    void setWillShowHandler(Handler handler) { willShowHandler_ = std::move(handler); }
    const Handler& didShowHandler() const { return didShowHandler_; }
    void setDidShowHandler(Handler handler) { didShowHandler_ = std::move(handler); }
    const Handler& willDismissHandler() const { return willDismissHandler_; }
    void setWillDismissHandler(Handler handler) { willDismissHandler_ = std::move(handler); }
    const Handler& didDismissHandler() const { return didDismissHandler_; }
    void setDidDismissHandler(Handler handler) { didDismissHandler_ = std::move(handler); }

    // From the start of the show sequence to the start of the dismissal.
    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    // ---- life cycle ----
    void show();
    void dismissAnimated(bool animated) { dismissAnimatedCleanup(animated, true); }
    // Cleanup false keeps the alert queued so that it comes back later
    // (how a newer alert pre-empts it); callers always clean up.
    void dismissAnimatedCleanup(bool animated, bool cleanup);
    // A person's tap on a button: its item's action, then the exit.
    virtual void buttonAction(ui::Button& button);

    std::shared_ptr<ui::Window> oldKeyWindow() const { return oldKeyWindow_.lock(); }
    ui::TintAdjustmentMode oldTintAdjustmentMode() const { return oldTintAdjustmentMode_; }
    const std::shared_ptr<ui::Window>& alertWindow() const { return alertWindow_; }

    // ---- class-wide state (main thread only) ----
    // Whether an alert is up: the current alert is visible, or is handing
    // over to an alert queued after it.
    static bool hasShown();
    static std::vector<MAAlertViewPtr>& sharedQueue();
    static MAAlertViewPtr currentAlertView();
    static void setCurrentAlertView(const MAAlertViewPtr& alert);
    // Set while an entrance or exit runs and while a button's action runs.
    static bool isAnimating();
    static void setAnimating(bool animating);
    static void showBackground();
    static void hideBackgroundAnimated(bool animated);

    // ---- transitions ----
    // The entrance and exit of the transition style; the completion runs
    // once they end.
    virtual void transitionInCompletion(std::function<void()> completion);
    virtual void transitionOutCompletion(std::function<void()> completion);
    // Stops the panel's running animations.
    void resetTransition();
    void animationDidStop(const ca::AnimationPtr& animation, bool finished) override;

    // ---- the panel ----
    const ui::ViewPtr& containerView() const { return containerView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& messageLabel() const { return messageLabel_; }
    const std::vector<ui::ButtonPtr>& buttons() const { return buttons_; }
    const ui::ViewPtr& horizontalLine() const { return horizontalLine_; }
    const ui::ViewPtr& verticalLine() const { return verticalLine_; }
    bool isLayoutDirty() const { return layoutDirty_; }

    // Builds the panel (once the alert's controller has loaded its view).
    void setup();
    // Releases the panel and the alert's window; the caller's view is kept.
    void teardown();
    void invalidateLayout();
    void validateLayout();
    void layoutSubviews() override;

    double preferredHeight() const;
    double heightForTitleLabel() const;
    double heightForMessageLabel() const;
    double heightForCustomizedView() const;

    void setupContainerView();
    void updateTitleLabel();
    void updateMessageLabel();
    void setupButtons();
    ui::ButtonPtr buttonForItemIndex(std::size_t index);

    // ---- appearance (class-wide defaults in MAAlertAppearance) ----
    const ui::OptionalColor& viewBackgroundColor() const { return viewBackgroundColor_; }
    void setViewBackgroundColor(const ui::Color& color);
    const ui::OptionalColor& titleColor() const { return titleColor_; }
    void setTitleColor(const ui::Color& color);
    const ui::OptionalColor& messageColor() const { return messageColor_; }
    void setMessageColor(const ui::Color& color);
    const std::optional<ui::Font>& titleFont() const { return titleFont_; }
    void setTitleFont(const ui::Font& font);
    const std::optional<ui::Font>& messageFont() const { return messageFont_; }
    void setMessageFont(const ui::Font& font);
    const std::optional<ui::Font>& buttonFont() const { return buttonFont_; }
    void setButtonFont(const ui::Font& font);
    const ui::OptionalColor& buttonColor() const { return buttonColor_; }
    void setButtonColor(const ui::Color& color);
    const ui::OptionalColor& cancelButtonColor() const { return cancelButtonColor_; }
    void setCancelButtonColor(const ui::Color& color);
    const ui::OptionalColor& destructiveButtonColor() const { return destructiveButtonColor_; }
    void setDestructiveButtonColor(const ui::Color& color);
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double radius);
    double shadowRadius() const { return shadowRadius_; }
    void setShadowRadius(double radius);
    void setDefaultButtonImage(const ui::ImagePtr& image, unsigned state);
    void setCancelButtonImage(const ui::ImagePtr& image, unsigned state);
    void setDestructiveButtonImage(const ui::ImagePtr& image, unsigned state);
    // The image buttons of the type show in the state (kept for buttons
    // built later, when the alert comes up again).
    ui::ImagePtr buttonImage(int type, unsigned state) const;
    void setButtonImage(const ui::ImagePtr& image, unsigned state, int type);
    void setColor(const ui::Color& color, int type);

private:
    void postNotification(const std::string& name);
    void restoreOldKeyWindow();
    void finishDismissal(bool wasVisible);
    ui::OptionalColor colorForType(int type) const;

    std::string title_;
    std::string message_;
    std::vector<MAAlertItemPtr> items_;
    ui::ViewPtr customView_;
    int transitionStyle_ = 3;
    int backgroundStyle_ = 0;
    int buttonsListStyle_ = 0;
    Handler willShowHandler_, didShowHandler_, willDismissHandler_, didDismissHandler_;
    bool visible_ = false;
    std::weak_ptr<ui::Window> oldKeyWindow_;
    ui::TintAdjustmentMode oldTintAdjustmentMode_ = ui::TintAdjustmentMode::Automatic;
    std::shared_ptr<ui::Window> alertWindow_;

    // Which entrance is the alert's latest: an entrance that ends after the
    // alert has left (or come back) is ignored.
    std::uint64_t entrance_ = 0;
    // While the exit runs; a dismissal asked for meanwhile only decides
    // whether the alert leaves the queue when the exit ends.
    bool leaving_ = false;
    bool cleanupOnExit_ = true;

    ui::ViewPtr containerView_;
    ui::LabelPtr titleLabel_;
    ui::LabelPtr messageLabel_;
    std::vector<ui::ButtonPtr> buttons_;
    ui::ViewPtr horizontalLine_;
    ui::ViewPtr verticalLine_;
    bool layoutDirty_ = false;

    ui::OptionalColor viewBackgroundColor_;
    ui::OptionalColor titleColor_;
    ui::OptionalColor messageColor_;
    std::optional<ui::Font> titleFont_;
    std::optional<ui::Font> messageFont_;
    std::optional<ui::Font> buttonFont_;
    ui::OptionalColor buttonColor_;
    ui::OptionalColor cancelButtonColor_;
    ui::OptionalColor destructiveButtonColor_;
    double cornerRadius_ = 0;
    double shadowRadius_ = 0;
    std::map<std::pair<int, unsigned>, ui::ImagePtr> buttonImages_;
};
