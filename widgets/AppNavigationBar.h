// The application's own navigation bar: a stretchable background image, a
// left button (text, back arrow, or icon with text), a right button (menu
// icon or text) and a bold centred title. The screen registers its left and
// right actions once; every button the bar makes afterwards sends them.
// Image buttons show the normal image with the pressed overlay while
// pressed, and every button is at least 44 points wide.
//
// On systems before iOS 7 the bar is the 44-point bar alone; from iOS 7 on
// it also covers the 20-point status bar, and its items sit below that.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Color.h"
#include "widgets/CustomizedNavigationBar.h"

class AppNavigationBar : public CustomizedNavigationBar {
public:
    using CustomizedNavigationBar::CustomizedNavigationBar;
    static std::shared_ptr<AppNavigationBar> create(const cg::Rect& frame = {}) {
        return make<AppNavigationBar>(frame);
    }

    enum LeftStyle : int {
        LeftStyleText = 0,
        LeftStyleBackArrow = 1,      // the text, or without one the light back arrow
        LeftStyleDarkBackArrow = 2,  // the text, or without one the dark back arrow
        LeftStyleMyWiFi = 3,         // the Wi-Fi icon and the text
        LeftStyleDevice = 4,         // the device icon and the text, in grey
    };
    enum RightStyle : int {
        RightStyleMenu = 0,  // the menu icon; the text is not shown
        RightStyleText = 1,
    };

    static constexpr double kMinButtonWidth = 44;
    static constexpr double kTextPadding = 15;
    static constexpr double kButtonFontSize = 16;
    static constexpr double kTitleFontSize = 18;
    static constexpr double kStatusBarHeight = 20;
    static constexpr int kDefaultMargin = 2;
    static constexpr const char* kBackgroundImageName = "bg_navigation_bar";
    static constexpr const char* kBackArrowName = "topbar_ic_back";
    static constexpr const char* kDarkBackArrowName = "topbar_ic_back_b";
    static constexpr const char* kMenuIconName = "home_menu_ic";
    static constexpr const char* kMyWiFiIconName = "left_button_mywifi_nav";
    static constexpr const char* kDeviceIconName = "device-home_wifi00";
    static ui::Color buttonTitleColor() { return ui::Color::rgb255(51, 51, 51); }
    static ui::Color deviceTitleColor() { return ui::Color::rgb255(102, 102, 102); }

    // What a bar button sends: a target held weakly and its action.
    struct ItemAction {
        std::weak_ptr<ns::Object> target;
        std::string name;
        ui::Control::Action action;
    };

    void setBgImage(const ui::ImagePtr& image);
    // A new custom button in the bar's button look.
    static ui::ButtonPtr createButton();

    // Adds the action to the current button (if any) and remembers it for
    // every button made later.
    void addLeftBarItemTarget(const std::shared_ptr<ns::Object>& target, const std::string& name,
                              ui::Control::Action action);
    void addRightBarItemTarget(const std::shared_ptr<ns::Object>& target, const std::string& name,
                               ui::Control::Action action);
    template <class T>
    void addLeftBarItemTarget(const std::shared_ptr<T>& target, void (T::*method)(), const std::string& name) {
        addLeftBarItemTarget(target, name, methodAction(target, method));
    }
    template <class T>
    void addRightBarItemTarget(const std::shared_ptr<T>& target, void (T::*method)(), const std::string& name) {
        addRightBarItemTarget(target, name, methodAction(target, method));
    }

    // An empty text counts as none.
    void setLeftBarItemText(const std::string& text) { setLeftBarItemText(text, LeftStyleText); }
    void setLeftBarItemText(const std::string& text, int style);
    void setLeftBarItemImage(const ui::ImagePtr& image);
    void setRightBarItemText(const std::string& text) { setRightBarItemText(text, RightStyleText); }
    void setRightBarItemText(const std::string& text, int style);
    void setRightBarItemImage(const ui::ImagePtr& image);
    void setTitle(const std::string& title) { setTitle(title, std::nullopt); }
    void setTitle(const std::string& title, const ui::OptionalColor& color);

    bool isEnableLeftBarItem() const;
    void setEnableLeftBarItem(bool enabled);
    bool isEnableRightBarItem() const;
    void setEnableRightBarItem(bool enabled);

    // Where items sit: below the status bar from iOS 7 on.
    double itemTop() const;
    double itemHeight() const;

    // Set for good by the first bar made on a system before iOS 7.
    static bool oldSystemFlag();
    static void resetOldSystemFlagForTesting();

    void initWithFrame(const cg::Rect& frame) override;

private:
    template <class T>
    static ui::Control::Action methodAction(const std::shared_ptr<T>& target, void (T::*method)()) {
        std::weak_ptr<T> weak = target;
        return [weak, method](ui::Control&) {
            if (auto t = weak.lock()) ((*t).*method)();
        };
    }
    static void wire(const ui::ButtonPtr& button, const ItemAction& action);
    ui::ButtonPtr imageButton(const ui::ImagePtr& image, const ItemAction& action) const;
    void installRightButton(const ui::ButtonPtr& button);

    ItemAction left_;
    ItemAction right_;
};

using AppNavigationBarPtr = std::shared_ptr<AppNavigationBar>;
