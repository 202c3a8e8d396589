#include "uikit/MAAlertAppearance.h"

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/Singleton.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Control.h"
#include "uikit/MAAlertView.h"

namespace {

constexpr double kPanelWhite = 0.95;
constexpr double kPanelAlpha = 0.98;
constexpr double kMessageWhite = 1.0 / 3.0;
constexpr double kTitleFontSize = 20;
constexpr double kMessageFontSize = 16;
constexpr double kPressedWhite = 235.0 / 255.0;
constexpr double kCornerRadius = 5;
constexpr double kShadowRadius = 0;

ui::Color green() { return ui::Color::rgb255(10, 167, 75); }

bool& registered() {
    static bool flag = [] {
        // The platform's defaults are cleared between tests; so is this.
        ns::onTestReset([] { registered() = false; });
        return false;
    }();
    return flag;
}

template <class Setter>
void add(const std::string& property, Setter setter) {
    ui::Appearance::set<MAAlertView>(property, std::function<void(MAAlertView&)>(setter));
}

}  // namespace

void MAAlertAppearance::registerDefaults() {
    if (registered()) return;
    registered() = true;
    add("viewBackgroundColor", [](MAAlertView& a) { a.setViewBackgroundColor(ui::Color::white(kPanelWhite, kPanelAlpha)); });
    add("titleColor", [](MAAlertView& a) { a.setTitleColor(ui::Color::blackColor()); });
    add("messageColor", [](MAAlertView& a) { a.setMessageColor(ui::Color::white(kMessageWhite)); });
    add("titleFont", [](MAAlertView& a) { a.setTitleFont(ui::Font::boldSystemFontOfSize(kTitleFontSize)); });
    add("messageFont", [](MAAlertView& a) { a.setMessageFont(ui::Font::systemFontOfSize(kMessageFontSize)); });
    add("buttonFont", [](MAAlertView& a) { a.setButtonFont(ui::Font::systemFontOfSize(ui::Font::buttonFontSize())); });
    add("buttonColor", [](MAAlertView& a) { a.setButtonColor(green()); });
    add("cancelButtonColor", [](MAAlertView& a) { a.setCancelButtonColor(green()); });
    add("destructiveButtonColor", [](MAAlertView& a) { a.setDestructiveButtonColor(ui::Color::blueColor()); });
    add("cornerRadius", [](MAAlertView& a) { a.setCornerRadius(kCornerRadius); });
    add("shadowRadius", [](MAAlertView& a) { a.setShadowRadius(kShadowRadius); });
    // One light grey pixel, stretched over a pressed default or cancel
    // button; destructive buttons show none.
    auto pressed = TAVOCommonUtility::createImageFromColor(ui::Color::white(kPressedWhite), cg::Size{1, 1});
    add(ui::Button::statePropertyName("defaultButtonImage", ui::ControlStateHighlighted),
        [pressed](MAAlertView& a) { a.setDefaultButtonImage(pressed, ui::ControlStateHighlighted); });
    add(ui::Button::statePropertyName("cancelButtonImage", ui::ControlStateHighlighted),
        [pressed](MAAlertView& a) { a.setCancelButtonImage(pressed, ui::ControlStateHighlighted); });
}
