#include "widgets/TAVOSlidingTabItem.h"

#include "platform/ui/Font.h"

std::shared_ptr<TAVOSlidingTabItem> TAVOSlidingTabItem::create(const std::string& title, const ui::ImagePtr& image,
                                                               const ui::ImagePtr& selectedImage) {
    auto item = make<TAVOSlidingTabItem>();
    if (image) {
        item->imageView_ = ui::ImageView::createWithImage(image);
        item->addSubview(item->imageView_);
    }
    if (selectedImage) {
        item->selectedImageView_ = ui::ImageView::createWithImage(selectedImage);
        item->selectedImageView_->setHidden(true);
        item->addSubview(item->selectedImageView_);
    }
    item->titleLabel_ = ui::Label::create();
    item->titleLabel_->setText(title);
    item->titleLabel_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    item->titleLabel_->setTextColor(ui::Color::blackColor());
    item->titleLabel_->setTextAlignment(ui::TextAlignment::Center);
    item->titleLabel_->setBackgroundColor(ui::Color::clearColor());
    item->addSubview(item->titleLabel_);
    return item;
}

void TAVOSlidingTabItem::layoutSubviews() {
    ui::Control::layoutSubviews();
    for (const ui::ViewPtr& view : {ui::ViewPtr(titleLabel_), ui::ViewPtr(imageView_), ui::ViewPtr(selectedImageView_)})
        if (view) view->setFrame(bounds());
}

void TAVOSlidingTabItem::showPressed(bool pressed) {
    if (selectedImageView_) selectedImageView_->setHidden(!pressed);
    if (imageView_) imageView_->setHidden(pressed);
}

bool TAVOSlidingTabItem::beginTrackingWithTouch(ui::Touch& touch, const ui::Event* event) {
    showPressed(true);
    return ui::Control::beginTrackingWithTouch(touch, event);
}

void TAVOSlidingTabItem::endTrackingWithTouch(ui::Touch& touch, const ui::Event* event) {
    showPressed(false);
    ui::Control::endTrackingWithTouch(touch, event);
}

void TAVOSlidingTabItem::cancelTrackingWithEvent(const ui::Event* event) {
    showPressed(false);
    ui::Control::cancelTrackingWithEvent(event);
}
