#include "files/MPAssetCell.h"

#include "platform/ui/Touch.h"

void MPAssetCell::setAssets(const std::vector<MPAssetPtr>& assets) {
    rowAssets_ = assets;
    for (const auto& v : imageViewArray_) v->removeFromSuperview();
    for (const auto& v : overlayViewArray_) v->removeFromSuperview();
    while (imageViewArray_.size() < assets.size()) {
        imageViewArray_.push_back(ui::ImageView::create());
        overlayViewArray_.push_back(ui::ImageView::create());
    }
    for (std::size_t i = 0; i < assets.size(); ++i) {
        imageViewArray_[i]->setImage(assets[i]->asset ? assets[i]->asset->thumbnail() : nullptr);
        imageViewArray_[i]->setContentMode(ui::ContentMode::ScaleAspectFill);
        imageViewArray_[i]->setClipsToBounds(true);
        contentView()->addSubview(imageViewArray_[i]);
        contentView()->addSubview(overlayViewArray_[i]);
        refreshCheck(i);
    }
    setNeedsLayout();
}

void MPAssetCell::refreshCheck(std::size_t index) {
    overlayViewArray_[index]->setImage(
        ui::Image::imageNamed(rowAssets_[index]->selected() ? "checkbox_checked" : "checkbox_normal"));
}

void MPAssetCell::layoutSubviews() {
    ui::TableViewCell::layoutSubviews();
    for (std::size_t i = 0; i < rowAssets_.size(); ++i) {
        const double x = kLeft + kPitch * static_cast<double>(i);
        imageViewArray_[i]->setFrame(cg::RectMake(x, kTop, kThumbnail, kThumbnail));
        overlayViewArray_[i]->setFrame(cg::RectMake(x + kThumbnail - 4 - kCheck, 4, kCheck, kCheck));
    }
}

void MPAssetCell::tapAt(const cg::Point& point) {
    for (std::size_t i = 0; i < rowAssets_.size(); ++i) {
        const double x = kLeft + kPitch * static_cast<double>(i);
        if (point.x < x || point.x > x + kThumbnail || point.y < kTop || point.y > kTop + kThumbnail) continue;
        rowAssets_[i]->setSelected(!rowAssets_[i]->selected());
        refreshCheck(i);
        return;
    }
}

void MPAssetCell::touchesEnded(const ui::TouchSet& touches, const ui::Event* event) {
    if (!touches.empty()) {
        auto touch = *touches.begin();
        tapAt(touch->locationInView(self<ui::View>()));
    }
    ui::TableViewCell::touchesEnded(touches, event);
}
