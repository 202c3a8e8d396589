#include "files/TAVOFolderTreeCell.h"

namespace {

ui::ImagePtr nodeImage(const char* name) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(22, 22) : nullptr;
}

}  // namespace

void TAVOFolderTreeCell::initWithFrame(const cg::Rect& frame) {
    TAVOTreeCell::initWithFrame(frame);
    background_ = ui::ImageView::create();
    background_->setUserInteractionEnabled(false);
    background_->setImage(nodeImage("treenode_btn"));
    addSubview(background_);
    pathLB_ = ui::Label::create();
    pathLB_->setFont(ui::Font::systemFontOfSize(16));
    pathLB_->setTextColor(ui::Color::blackColor());
    pathLB_->setBackgroundColor(ui::Color::clearColor());
    addSubview(pathLB_);
}

void TAVOFolderTreeCell::layoutSubviews() {
    TAVOTreeCell::layoutSubviews();
    const cg::Size size = bounds().size;
    background_->setFrame(cg::RectMake(0, 0, size.width + kOverlap, size.height));
    pathLB_->setFrame(cg::RectMake(20, 0, size.width + kOverlap - 40, size.height));
}

void TAVOFolderTreeCell::bindModel(const std::string& text) { pathLB_->setText(text); }

void TAVOFolderTreeCell::showPressed(bool pressed) {
    pressed_ = pressed;
    background_->setImage(nodeImage(pressed ? "treenode_btn_pre" : "treenode_btn"));
}

void TAVOFolderTreeCell::touchesBegan(const ui::TouchSet&, const ui::Event*) { showPressed(true); }

void TAVOFolderTreeCell::touchesMoved(const ui::TouchSet&, const ui::Event*) { showPressed(true); }

void TAVOFolderTreeCell::touchesCancelled(const ui::TouchSet&, const ui::Event*) { showPressed(false); }

void TAVOFolderTreeCell::touchesEnded(const ui::TouchSet&, const ui::Event*) {
    if (!delegate()) return;
    auto weak = std::weak_ptr<TAVOFolderTreeCell>(self<TAVOFolderTreeCell>());
    selectTimer_.start(kSelectDelay, false, [weak] {
        auto cell = weak.lock();
        if (!cell) return;
        cell->showPressed(false);
        if (auto d = cell->delegate()) d->cellDidSelect(*cell);
    });
}
