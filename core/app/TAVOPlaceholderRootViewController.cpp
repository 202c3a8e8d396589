#include "core/app/TAVOPlaceholderRootViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "platform/ui/Label.h"

void TAVOPlaceholderRootViewController::viewDidLoad() {
    auto preference = TAVORouterPreference::shareInstance();
    showedIntroduction_ = preference->shouldShowIntroduce();
    view()->setBackgroundColor(ui::Color::whiteColor());
    const cg::Rect bounds = view()->bounds();
    titleLabel_ = ui::Label::create(cg::RectMake(0, bounds.size.height / 2 - 20, bounds.size.width, 40));
    titleLabel_->setText(TAVOLocalizedString("Keelbox"));
    titleLabel_->setTextAlignment(ui::TextAlignment::Center);
    titleLabel_->setTextColor(ui::Color::blackColor());
    view()->addSubview(titleLabel_);
    preference->finishStartup();
}
