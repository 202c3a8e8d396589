#include "files/TAVOHTreeView.h"

#include <algorithm>

#include "platform/ui/ViewAnimation.h"

void TAVOHTreeView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    const cg::Size size = frame.size;
    scrollView_ = ui::ScrollView::create(cg::RectMake(0, 0, size.width, size.height - 0.5));
    scrollView_->setBackgroundColor(ui::Color::clearColor());
    scrollView_->showsHorizontalScrollIndicator = false;
    scrollView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight | ui::ViewAutoresizingFlexibleTopMargin);
    addSubview(scrollView_);
    bottomLine_ = ui::View::create(cg::RectMake(0, size.height - 0.5, size.width, 0.5));
    bottomLine_->setBackgroundColor(ui::Color::rgb255(199, 199, 199));
    addSubview(bottomLine_);
}

void TAVOHTreeView::reloadData() { setNeedsLayout(); }

void TAVOHTreeView::layoutSubviews() {
    ui::View::layoutSubviews();
    auto source = dataSource_.lock();
    auto delegate = delegate_.lock();
    if (!source) return;
    const unsigned n = source->numberOfNodesInTreeView(*this);
    const auto held = static_cast<unsigned>(cells_.size());
    const double width = bounds().size.width;
    const double height = scrollView_->frame().size.height;
    if (n <= held) {
        for (unsigned i = held; i-- > n;) {
            auto cell = cells_[i];
            currentX_ -= cell->frame().size.width;
            const double w = cell->frame().size.width;
            ui::ViewAnimation::animate(
                kSlideDuration, [cell, width, w, height] { cell->setFrame(cg::RectMake(width, 0, w, height)); },
                [cell](bool) { cell->removeFromSuperview(); });
        }
        cells_.resize(n);
    } else {
        for (unsigned i = held; i < n; ++i) {
            auto cell = source->cellForRowAtIndex(*this, i);
            if (!cell) cell = TAVOTreeCell::create();
            cell->setDelegate(std::static_pointer_cast<TAVOTreeCellDelegate>(self<TAVOHTreeView>()));
            cells_.push_back(cell);
            const double w = delegate ? delegate->widthForRowAtIndex(*this, i) : 0;
            if (i == 0) {
                cell->setFrame(cg::RectMake(currentX_, 0, w, height));
                scrollView_->addSubview(cell);
            } else {
                // Each node's background reaches into the next one, which
                // is drawn over it.
                scrollView_->insertSubviewBelow(cell, cells_[i - 1]);
                cell->setFrame(cg::RectMake(width, 0, w, height));
                const double x = currentX_;
                ui::ViewAnimation::animate(kSlideDuration, [cell, x, w, height] { cell->setFrame(cg::RectMake(x, 0, w, height)); });
            }
            currentX_ += w;
        }
    }
    scrollView_->setContentSize({currentX_, height});
    const double visible = scrollView_->bounds().size.width;
    if (currentX_ > visible) scrollView_->setContentOffset({currentX_ - visible + kOverlap, 0}, true);
}

void TAVOHTreeView::cellDidSelect(TAVOTreeCell& cell) {
    auto it = std::find_if(cells_.begin(), cells_.end(), [&cell](const TAVOTreeCellPtr& c) { return c.get() == &cell; });
    if (it == cells_.end()) return;
    if (auto d = delegate_.lock()) d->didSelectRowAtIndex(*this, static_cast<unsigned>(it - cells_.begin()));
}
