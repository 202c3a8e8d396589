#include "screens/wifi/TAVOVisitorIndicator.h"

#include "core/app/TAVOImageGetter.h"
#include "core/crypto/ControlFactory.h"

void TAVOVisitorIndicator::initWithFrame(const cg::Rect& frame) {
    ui::Control::initWithFrame(frame);
    setClipsToBounds(true);
    setBackgroundColor(ui::Color::clearColor());
    iconView_ = ControlFactory::createImageView("", ui::ContentMode::ScaleAspectFit);
    iconView_->setFrame(cg::RectMake(0, 0, kIconSide, kIconSide));
    iconView_->setUserInteractionEnabled(false);
    addSubview(iconView_);
    vistorNameLabel_ = ControlFactory::createLabel("", ui::Color::white(0.2), ui::Font::systemFontOfSize(13),
                                                   ui::Color::clearColor(), ui::TextAlignment::Center);
    vistorNameLabel_->setNumberOfLines(1);
    addSubview(vistorNameLabel_);
    layoutSubviews();
}

void TAVOVisitorIndicator::layoutSubviews() {
    ui::Control::layoutSubviews();
    const cg::Rect b = bounds();
    const cg::Size icon = iconView_->bounds().size;
    iconView_->setCenter(cg::PointMake(b.size.width / 2, icon.height / 2));
    const double nameHeight = vistorNameLabel_->bounds().size.height > 0 ? vistorNameLabel_->bounds().size.height
                                                                         : kNameHeight;
    vistorNameLabel_->setFrame(cg::RectMake(0, b.size.height - nameHeight, b.size.width, nameHeight));
}

void TAVOVisitorIndicator::showDevice(const std::shared_ptr<TAVORouterJoiningGuestDevice>& d) {
    device = d;
    if (!d) return;
    visitorMac = d->end_mac;
    vistorNameLabel_->setText(TAVOImageGetter::getShowNameFromDevice({d->alias, d->end_type_id, d->end_type, d->end_name}));
    iconView_->setImage(TAVOImageGetter::getDeviceModelIconById(d->end_type_id));
}
