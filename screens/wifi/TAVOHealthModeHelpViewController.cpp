#include "screens/wifi/TAVOHealthModeHelpViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/Font.h"

void TAVOHealthModeHelpViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    navBar()->removeFromSuperview();
}

void TAVOHealthModeHelpViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    setupView();
}

void TAVOHealthModeHelpViewController::setupView() {
    // Built again before each showing: the earlier pieces make way.
    for (const auto& old : {ui::ViewPtr(logoView_), ui::ViewPtr(showView_), ui::ViewPtr(textLabel_)})
        if (old) old->removeFromSuperview();
    const double w = view()->bounds().size.width;
    logoView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("healthmode_ic_help_logo"));
    logoView_->setCenter(cg::PointMake(w / 2, kLogoTop + logoView_->frame().size.height / 2));
    view()->addSubview(logoView_);

    showView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("healthmode_ic_help_show"));
    showView_->setCenter(cg::PointMake(w / 2, cg::RectGetMaxY(logoView_->frame()) + kShowGap + showView_->frame().size.height / 2));
    view()->addSubview(showView_);

    textLabel_ = ui::Label::create(cg::RectMake(kTextX, cg::RectGetMaxY(showView_->frame()) + kTextGap, w - 2 * kTextX, kTextHeight));
    textLabel_->setCenter(cg::PointMake(w / 2, textLabel_->center().y));
    textLabel_->setNumberOfLines(2);
    textLabel_->setLineBreakMode(ui::LineBreakMode::WordWrapping);
    textLabel_->setFont(ui::Font::systemFontOfSize(12));
    textLabel_->setTextColor(ui::Color::rgb255(131, 131, 131));
    textLabel_->setBackgroundColor(ui::Color::clearColor());
    textLabel_->setText(TAVOLocalizedString("wifi time help text"));
    view()->addSubview(textLabel_);
}

void TAVOHealthModeHelpViewController::userDidClickClose(TAVOPopupViewController&) {
    if (auto d = delegate()) d->healthModeHelpViewControllerWillDismiss(*this);
}
