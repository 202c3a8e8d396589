#include "screens/account/TAVOGetWIFIHelpViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Image.h"
#include "screens/account/TAVOAccountFormControls.h"

namespace {
using Form = TAVOAccountFormControls;
}  // namespace

std::shared_ptr<TAVOGetWIFIHelpViewController> TAVOGetWIFIHelpViewController::create() {
    return ui::ViewController::make<TAVOGetWIFIHelpViewController>();
}

void TAVOGetWIFIHelpViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(pageColor());
    navBar()->setHidden(true);
    const cg::Rect bounds = view()->bounds();
    const bool tall = TAVOCommonUtility::is4InchScreen();

    label_ = ControlFactory::createLabel(TAVOLocalizedString("please select Ardo wifi"), ui::Color::white(0.4),
                                         ui::Font::systemFontOfSize(15), std::nullopt, ui::TextAlignment::Center);
    label_->setFrame(cg::RectMake(0, tall ? kLabelTopTall : kLabelTop, bounds.size.width, kLabelHeight));
    view()->addSubview(label_);

    auto image = ui::Image::imageNamed(kHelpImage);
    const double imageWidth = image ? image->size().width : 0;
    const double imageTop = cg::RectGetMaxY(label_->frame()) + kImageGap;
    imageView_ = ui::ImageView::create(cg::RectMake((bounds.size.width - imageWidth) / 2, imageTop, imageWidth,
                                                    bounds.size.height - imageTop - kBottomGap - Form::kButtonHeight));
    imageView_->setContentMode(ui::ContentMode::ScaleToFill);
    imageView_->setImage(image);
    view()->addSubview(imageView_);

    const double buttonBottom = tall ? kButtonBottomTall : kButtonBottom;
    button_ = Form::actionButton(cg::RectMake(kButtonInsetX, bounds.size.height - buttonBottom - Form::kButtonHeight,
                                              bounds.size.width - 2 * kButtonInsetX, Form::kButtonHeight),
                                 TAVOLocalizedString("have known"), 16);
    button_->addTarget(self<TAVOGetWIFIHelpViewController>(), &TAVOGetWIFIHelpViewController::onKnownPressed,
                       "onKnownPressed", ui::ControlEventTouchUpInside);
    view()->addSubview(button_);
}

void TAVOGetWIFIHelpViewController::onKnownPressed() { dismissViewControllerAnimated(true); }
