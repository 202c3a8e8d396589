#include "widgets/TAVOStackPanel.h"

#include <algorithm>

#include "platform/ui/ViewAnimation.h"

void TAVOStackPanel::initWithFrame(const cg::Rect& frame) {
    ScrollView::initWithFrame(frame);
    shareInit();
}

void TAVOStackPanel::shareInit() {
    yPosition_ = 0;
    viewsCollection_.clear();
    insertQueue_.clear();
    removeQueue_.clear();
}

std::ptrdiff_t TAVOStackPanel::positionOf(const ui::ViewPtr& view) const {
    auto it = std::find(viewsCollection_.begin(), viewsCollection_.end(), view);
    return it == viewsCollection_.end() ? -1 : it - viewsCollection_.begin();
}

void TAVOStackPanel::setBackgroundImage(const ui::ImagePtr& image) {
    backgroundImage_ = image;
    if (!backgroundImageView_) {
        backgroundImageView_ = ui::ImageView::create(bounds());
        backgroundImageView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
        backgroundImageView_->setUserInteractionEnabled(true);
    }
    backgroundImageView_->setImage(image);
    insertSubviewAtIndex(backgroundImageView_, 0);
}

void TAVOStackPanel::addView(const ui::ViewPtr& view) {
    if (!view) return;
    addSubview(view);
    viewsCollection_.push_back(view);
    cg::Rect frame = view->frame();
    frame.origin.y = yPosition_;
    view->setFrame(frame);
    yPosition_ += frame.size.height;
    resizeScrollViewSize();
}

void TAVOStackPanel::insertView(const ui::ViewPtr& view, unsigned index, bool animation) {
    if (!view) return;
    insertQueue_.push_back({view, index, animation});
    if (isInserting_) return;
    isInserting_ = true;
    runInsertQueue();
}

void TAVOStackPanel::removeView(const ui::ViewPtr& view, bool animation) {
    if (!view) return;
    removeQueue_.push_back({view, 0, animation});
    if (isRemoving_) return;
    isRemoving_ = true;
    runRemoveQueue();
}

void TAVOStackPanel::placeAtCursor(const ui::ViewPtr& view, bool animation) {
    cg::Rect frame = view->frame();
    frame.origin.y = yPosition_;
    if (animation) {
        ui::ViewAnimation::animate(kAnimationSeconds, [view, frame] { view->setFrame(frame); });
    } else {
        view->setFrame(frame);
    }
    yPosition_ += frame.size.height;
}

void TAVOStackPanel::relayoutSubViewsFromIndex(std::size_t index, bool animation) {
    for (std::size_t i = index + 1; i < viewsCollection_.size(); ++i) placeAtCursor(viewsCollection_[i], animation);
}

void TAVOStackPanel::relayoutFromPosition(std::size_t position, bool animation) {
    position = std::min(position, viewsCollection_.size());
    yPosition_ = position == 0 ? 0 : cg::RectGetMaxY(viewsCollection_[position - 1]->frame());
    for (std::size_t i = position; i < viewsCollection_.size(); ++i) placeAtCursor(viewsCollection_[i], animation);
}

void TAVOStackPanel::resizeScrollViewSize() {
    if (sizeChangeMode_ == kResizeFrameMode) {
        cg::Rect frame = this->frame();
        frame.size.height = yPosition_;
        setFrame(frame);
    } else {
        setContentSize({bounds().size.width, yPosition_});
    }
}

void TAVOStackPanel::removeViewFromCollection(const ui::ViewPtr& view) {
    view->removeFromSuperview();
    auto position = positionOf(view);
    if (position >= 0) viewsCollection_.erase(viewsCollection_.begin() + position);
}

cg::Rect TAVOStackPanel::stackPanelFrameOnlyHeight(double height) const {
    return cg::RectMake(0, 0, bounds().size.width, height);
}

cg::Rect TAVOStackPanel::stackPanelFrameOnlyWidth(double width) const {
    return cg::RectMake(0, 0, width, bounds().size.height);
}

void TAVOStackPanel::runInsertQueue() {
    if (insertQueue_.empty()) {
        isInserting_ = false;
        return;
    }
    const OpertaionInfo request = insertQueue_.front();
    const auto& view = request.view;
    // A view already in the stack moves: it never stands in it twice.
    if (positionOf(view) >= 0) {
        removeViewFromCollection(view);
        relayoutFromPosition(0, false);
    }
    const std::size_t index = std::min<std::size_t>(request.index, viewsCollection_.size());
    yPosition_ = index < viewsCollection_.size() ? viewsCollection_[index]->frame().origin.y : yPosition_;

    insertSubviewAtIndex(view, index);
    viewsCollection_.insert(viewsCollection_.begin() + static_cast<std::ptrdiff_t>(index), view);
    bringSubviewToFront(view);
    cg::Rect frame = view->frame();
    frame.origin.y = yPosition_;
    view->setFrame(frame);
    yPosition_ += frame.size.height;
    relayoutSubViewsFromIndex(index, request.animate);
    resizeScrollViewSize();

    if (!request.animate) {
        finishInsert();
        return;
    }
    view->setAlpha(0);
    std::weak_ptr<TAVOStackPanel> weak = weakSelf<TAVOStackPanel>();
    ui::ViewAnimation::animate(kAnimationSeconds, [view] { view->setAlpha(1); }, [weak](bool) {
        if (auto panel = weak.lock()) panel->finishInsert();
    });
}

void TAVOStackPanel::finishInsert() {
    if (!insertQueue_.empty()) insertQueue_.pop_front();
    runInsertQueue();
}

void TAVOStackPanel::runRemoveQueue() {
    if (removeQueue_.empty()) {
        isRemoving_ = false;
        return;
    }
    const OpertaionInfo request = removeQueue_.front();
    const auto& view = request.view;
    const auto position = positionOf(view);
    if (position < 0) {
        finishRemove();  // not (or no longer) in the panel: nothing to take out
        return;
    }
    yPosition_ = view->frame().origin.y;
    relayoutSubViewsFromIndex(static_cast<std::size_t>(position), request.animate);

    if (!request.animate) {
        removeViewFromCollection(view);
        resizeScrollViewSize();
        finishRemove();
        return;
    }
    std::weak_ptr<TAVOStackPanel> weak = weakSelf<TAVOStackPanel>();
    ui::ViewAnimation::animate(
        kAnimationSeconds,
        [weak, view] {
            view->setAlpha(0);
            if (auto panel = weak.lock()) panel->resizeScrollViewSize();
        },
        [weak, view](bool) {
            auto panel = weak.lock();
            if (!panel) return;
            // Inserts may have run meanwhile and laid the stack out with this
            // view still in it: lay out again from where it stood.
            const auto at = panel->positionOf(view);
            panel->removeViewFromCollection(view);
            view->setAlpha(1);
            if (at >= 0) {
                panel->relayoutFromPosition(static_cast<std::size_t>(at), true);
                panel->resizeScrollViewSize();
            }
            panel->finishRemove();
        });
}

void TAVOStackPanel::finishRemove() {
    if (!removeQueue_.empty()) removeQueue_.pop_front();
    runRemoveQueue();
}
