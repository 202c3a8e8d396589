#include "screens/wifi/TAVOPaneLEDDoorViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/ImageView.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterLedControlRequest.h"

namespace {

constexpr double kImageTop = 40;
constexpr double kButtonGap = 30;
constexpr double kButtonWidth = 100;
constexpr double kButtonHeight = 34;

}  // namespace

std::shared_ptr<TAVOPaneLEDDoorViewController> TAVOPaneLEDDoorViewController::create() {
    auto screen = make<TAVOPaneLEDDoorViewController>();
    screen->hidesBottomBarWhenPushed = true;
    return screen;
}

int TAVOPaneLEDDoorViewController::stateFromLEDStatus(const std::string& ledStatus) {
    return ns::Value(ledStatus).intValue();
}

void TAVOPaneLEDDoorViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("pane light door"));

    const double w = view()->bounds().size.width;
    const double top = navBar()->frame().origin.y + navBar()->frame().size.height + kPanelTop;
    auto panel = ui::View::create(cg::RectMake(0, top, w, kPanelHeight));
    panel->setBackgroundColor(ui::Color::whiteColor());
    panel->setUserInteractionEnabled(true);
    view()->addSubview(panel);
    closeButton_ = makeColumn(panel, 0, "led_off_appcenter", "close");
    openButton_ = makeColumn(panel, 1, "led_on_appcenter", "open");

    auto lisener = TAVOAccountManager::shareInstance()->statusLisener();
    auto status = lisener ? lisener->status() : nullptr;
    currentState_ = status && status->lanStatus ? stateFromLEDStatus(status->lanStatus->led_status) : 0;
    newState_ = currentState_;
    updateView();

    TAVORequestAnswers::listen<TAVORouterLedControlRequest>(
        self<TAVOPaneLEDDoorViewController>(),
        [this](const ns::Value&, const ns::Dictionary&) {
            dismissToast();
            currentState_ = newState_;
            updateView();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) { showError(getErrMsgFromObject(error)); });
}

ui::ButtonPtr TAVOPaneLEDDoorViewController::makeColumn(const ui::ViewPtr& panel, int column, const char* imageName,
                                                        const char* titleKey) {
    const double columnWidth = panel->bounds().size.width / 2;
    const double centreX = columnWidth * column + columnWidth / 2;
    auto image = ui::ImageView::createWithImage(ui::Image::imageNamed(imageName));
    image->setCenter(cg::PointMake(centreX, kImageTop + image->frame().size.height / 2));
    panel->addSubview(image);

    auto button = ui::Button::create(cg::RectMake(centreX - kButtonWidth / 2, cg::RectGetMaxY(image->frame()) + kButtonGap,
                                                  kButtonWidth, kButtonHeight));
    button->setTag(column);
    button->setTitle(TAVOLocalizedString(titleKey), ui::ControlStateNormal);
    button->addTarget(self<TAVOPaneLEDDoorViewController>(), &TAVOPaneLEDDoorViewController::tap, "tap",
                      ui::ControlEventTouchUpInside);
    panel->addSubview(button);
    return button;
}

void TAVOPaneLEDDoorViewController::updateView() {
    for (const auto& button : {openButton_, closeButton_}) {
        const bool selected = (button == openButton_) == (currentState_ == 1);
        button->setTitleColor(selected ? ui::Color::whiteColor() : ui::Color::white(0.2), ui::ControlStateNormal);
        button->setBackgroundImage(selected ? ui::Image::imageNamed("bg_button_on_appcenter") : nullptr, ui::ControlStateNormal);
    }
}

void TAVOPaneLEDDoorViewController::tap(ui::Control& button) {
    const int asked = button.tag() == 1 ? 1 : 0;
    if (asked == currentState_) return;
    newState_ = asked;
    requestChangeLEDState(asked);
}

void TAVOPaneLEDDoorViewController::requestChangeLEDState(int state) {
    if (TAVOAccountManager::shareInstance()->requestControlLED(state) < 0) showError("");
}

void TAVOPaneLEDDoorViewController::showError(const std::string& text) {
    newState_ = currentState_;
    showToast(CustomizedHUDTypeWarning, text.empty() ? TAVOLocalizedString("fail to control led") : text);
}
