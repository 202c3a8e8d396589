#include "app/lib/TAVOInterimScreen.h"

#include "core/errors/TAVOErrorSystemManager.h"
#include "platform/ui/Label.h"

std::shared_ptr<TAVOInterimScreen> TAVOInterimScreen::create(const std::string& title) {
    auto screen = ui::ViewController::make<TAVOInterimScreen>();
    screen->title_ = title;
    return screen;
}

void TAVOInterimScreen::viewDidLoad() {
    view()->setBackgroundColor(ui::Color::whiteColor());
    const cg::Rect bounds = view()->bounds();
    titleLabel_ = ui::Label::create(cg::RectMake(0, bounds.size.height / 2 - 20, bounds.size.width, 40));
    titleLabel_->setText(title_);
    titleLabel_->setTextAlignment(ui::TextAlignment::Center);
    titleLabel_->setTextColor(ui::Color::blackColor());
    view()->addSubview(titleLabel_);
}

std::shared_ptr<TAVOInterimBindScreen> TAVOInterimBindScreen::create(bool checkRouterArdoAccount) {
    auto screen = ui::ViewController::make<TAVOInterimBindScreen>();
    screen->title_ = "Router admin password";
    screen->checkRouterArdoAccount_ = checkRouterArdoAccount;
    return screen;
}

TAVOInterimBindScreen::~TAVOInterimBindScreen() {
    if (errorSystem_) errorSystem_->setShouldIgnorePreErrorHandler(false);
}

void TAVOInterimBindScreen::viewDidLoad() {
    TAVOInterimScreen::viewDidLoad();
    errorSystem_ = TAVOErrorSystemManager::sharedManager();
    errorSystem_->setShouldIgnorePreErrorHandler(true);
}

std::shared_ptr<TAVOInterimTabScreen> TAVOInterimTabScreen::create() {
    auto screen = ui::ViewController::make<TAVOInterimTabScreen>();
    screen->title_ = "Keelbox";
    return screen;
}

std::shared_ptr<ui::ViewController> TAVOInterimTabScreen::selectedViewController() const {
    return std::const_pointer_cast<TAVOInterimTabScreen>(self<TAVOInterimTabScreen>());
}
