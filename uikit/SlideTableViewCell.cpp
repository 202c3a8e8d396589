#include "uikit/SlideTableViewCell.h"

#include <algorithm>

#include "platform/ui/TableViewCellContentView.h"

std::shared_ptr<SlideTableViewCell> SlideTableViewCell::create(ui::TableViewCellStyle style,
                                                               const std::string& reuseIdentifier,
                                                               const ui::TableViewPtr& containingTableView,
                                                               const std::vector<ui::ButtonPtr>& leftUtilityButtons,
                                                               const std::vector<ui::ButtonPtr>& rightUtilityButtons) {
    auto cell = construct<SlideTableViewCell>();
    cell->initWithStyle(style, reuseIdentifier, containingTableView, leftUtilityButtons, rightUtilityButtons);
    return cell;
}

void SlideTableViewCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    ui::TableViewCell::initWithStyle(style, reuseIdentifier);
    // The cell's own height until it is given one: content laid out in a
    // subclass's initialiser must not be stretched when the height arrives.
    height_ = bounds().size.height;
    setup();
}

void SlideTableViewCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier,
                                       const ui::TableViewPtr& containingTableView,
                                       const std::vector<ui::ButtonPtr>& leftUtilityButtons,
                                       const std::vector<ui::ButtonPtr>& rightUtilityButtons) {
    ui::TableViewCell::initWithStyle(style, reuseIdentifier);
    height_ = containingTableView ? containingTableView->rowHeight() : 0;
    containingTableView_ = containingTableView;
    setHighlighted(false);
    setup();
    setRightUtilityButtons(rightUtilityButtons);
    setLeftUtilityButtons(leftUtilityButtons);
}

void SlideTableViewCell::setup() {
    auto table = containingTableView();
    if (table)
        if (auto source = table->dataSource())
            additionalRightPadding_ = source->sectionIndexTitlesForTableView(*table).empty() ? 0 : kSectionIndexPadding;

    const double width = bounds().size.width;
    cellScrollView_ = SlideCellScrollView::create(cg::RectMake(0, 0, width, height_));
    cellScrollView_->setDelegate(std::static_pointer_cast<ui::ScrollViewDelegate>(self<SlideTableViewCell>()));
    cellScrollView_->showsHorizontalScrollIndicator = false;
    cellScrollView_->scrollsToTop = false;
    cellScrollView_->setScrollEnabled(true);

    tapGestureRecognizer_ = ui::TapGestureRecognizer::create();
    tapGestureRecognizer_->addTarget(self<SlideTableViewCell>(), &SlideTableViewCell::scrollViewUp, "scrollViewUp");
    tapGestureRecognizer_->cancelsTouchesInView = false;
    cellScrollView_->addGestureRecognizer(tapGestureRecognizer_);

    scrollViewContentView_ = ui::View::create(cg::RectMake(leftWidth(), 0, width, height_));
    scrollViewContentView_->setBackgroundColor(ui::Color::whiteColor());
    cellScrollView_->addSubview(scrollViewContentView_);

    // The cell's own content (the platform's content view and whatever
    // else sits in the cell) moves onto the scroll view.
    ui::ViewPtr container = self<ui::View>();
    if (!subviews().empty() && !std::dynamic_pointer_cast<ui::TableViewCellContentView>(subviews().front()))
        container = subviews().front();
    const auto content = container->subviews();
    insertSubviewAtIndex(cellScrollView_, 0);
    for (const auto& view : content) scrollViewContentView_->addSubview(view);

    if (table) table->directionalLockEnabled = true;
}

// ---- buttons ----

double SlideTableViewCell::leftWidth() const {
    return scrollViewButtonViewLeft_ ? scrollViewButtonViewLeft_->utilityButtonsWidth() : 0;
}

double SlideTableViewCell::rightWidth() const {
    return (scrollViewButtonViewRight_ ? scrollViewButtonViewRight_->utilityButtonsWidth() : 0) +
           additionalRightPadding_;
}

double SlideTableViewCell::offsetForState(SlideCellState state) const {
    switch (state) {
        case SlideCellState::Left: return 0;
        case SlideCellState::Right: return leftWidth() + rightWidth();
        case SlideCellState::Center: break;
    }
    return leftWidth();
}

SlideUtilityButtonViewPtr SlideTableViewCell::makeButtonView(const std::vector<ui::ButtonPtr>& buttons,
                                                             SlideUtilityButtonView::Handler handler,
                                                             const SlideUtilityButtonViewPtr& previous) {
    auto view = SlideUtilityButtonView::create(buttons, self<SlideTableViewCell>(), handler);
    cellScrollView_->insertSubviewBelow(view, scrollViewContentView_);
    if (previous) {
        previous->removeFromSuperview();
        previous->detachFromButtons();
    }
    return view;
}

void SlideTableViewCell::setLeftUtilityButtons(const std::vector<ui::ButtonPtr>& buttons) {
    leftUtilityButtons_ = buttons;
    scrollViewButtonViewLeft_ =
        makeButtonView(buttons, &SlideTableViewCell::leftUtilityButtonHandler, scrollViewButtonViewLeft_);
    const double left = leftWidth();
    scrollViewButtonViewLeft_->setFrame(cg::RectMake(left, 0, left, height_));
    scrollViewButtonViewLeft_->populateUtilityButtons();
    setNeedsLayout();
}

void SlideTableViewCell::setRightUtilityButtons(const std::vector<ui::ButtonPtr>& buttons) {
    rightUtilityButtons_ = buttons;
    scrollViewButtonViewRight_ =
        makeButtonView(buttons, &SlideTableViewCell::rightUtilityButtonHandler, scrollViewButtonViewRight_);
    scrollViewButtonViewRight_->setFrame(cg::RectMake(bounds().size.width, 0, rightWidth(), height_));
    scrollViewButtonViewRight_->populateUtilityButtons();
    setNeedsLayout();
}

void SlideTableViewCell::leftUtilityButtonHandler(std::size_t index) {
    if (auto d = delegate()) d->swipeableTableViewCellDidTriggerLeftUtilityButtonWithIndex(*this, index);
}

void SlideTableViewCell::rightUtilityButtonHandler(std::size_t index) {
    if (auto d = delegate()) d->swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(*this, index);
}

void SlideTableViewCell::setCellHeight(double height) {
    height_ = height;
    if (scrollViewButtonViewLeft_) scrollViewButtonViewLeft_->setHeight(height);
    if (scrollViewButtonViewRight_) scrollViewButtonViewRight_->setHeight(height);
    setNeedsLayout();
    layoutIfNeeded();
}

void SlideTableViewCell::setAppearanceWithBlock(const std::function<void()>& block, bool force) {
    if (!block) return;
    if (force) {
        block();
        return;
    }
    if (appearanceBlockRan_) return;
    appearanceBlockRan_ = true;
    block();
}

// ---- looks ----

void SlideTableViewCell::setBackgroundColor(const ui::OptionalColor& color) {
    ui::TableViewCell::setBackgroundColor(color);
    if (scrollViewContentView_) scrollViewContentView_->setBackgroundColor(color);
}

void SlideTableViewCell::setHighlighted(bool highlighted, bool animated) {
    ui::TableViewCell::setHighlighted(highlighted, animated);
    if (scrollViewButtonViewLeft_) scrollViewButtonViewLeft_->setHidden(highlighted);
    if (scrollViewButtonViewRight_) scrollViewButtonViewRight_->setHidden(highlighted);
}

void SlideTableViewCell::setSelected(bool selected, bool) { setHighlighted(selected, false); }

void SlideTableViewCell::layoutSubviews() {
    ui::TableViewCell::layoutSubviews();
    if (!cellScrollView_) return;
    const double width = bounds().size.width;
    const double left = leftWidth(), right = rightWidth();
    cellScrollView_->setFrame(cg::RectMake(0, 0, width, height_));
    cellScrollView_->setContentSize(cg::SizeMake(width + left + right, height_));
    if (scrollViewButtonViewLeft_) {
        scrollViewButtonViewLeft_->setFrame(cg::RectMake(left, 0, left, height_));
        scrollViewButtonViewLeft_->setClipsToBounds(true);
    }
    if (scrollViewButtonViewRight_) {
        scrollViewButtonViewRight_->setFrame(cg::RectMake(width, 0, right, height_));
        scrollViewButtonViewRight_->setClipsToBounds(true);
    }
    scrollViewContentView_->setFrame(cg::RectMake(left, 0, width, height_));
    // The offset first: moving it reports a scroll, which would leave the
    // tap recognizer off after the layout.
    cellScrollView_->setContentOffset(cg::PointMake(offsetForState(cellState_), 0));
    revealButtonsAtOffset(offsetForState(cellState_));
    cellScrollView_->setScrollEnabled(true);
    tapGestureRecognizer_->setEnabled(true);
}

// ---- swiping ----

void SlideTableViewCell::revealButtonsAtOffset(double x) {
    const double width = bounds().size.width;
    const double left = leftWidth(), right = rightWidth();
    if (x > left && right > 0 && scrollViewButtonViewRight_) {
        // Glued to the visible right edge, the rightmost button first.
        const double shown = std::min(x - left, right);
        scrollViewButtonViewRight_->setFrame(cg::RectMake(x + width - shown, 0, shown, height_));
        cg::Rect b = scrollViewButtonViewRight_->bounds();
        b.origin.x = right - shown;
        scrollViewButtonViewRight_->setBounds(b);
    } else if (x <= left && left > 0 && scrollViewButtonViewLeft_) {
        // The strip between the visible left edge and the content.
        scrollViewButtonViewLeft_->setFrame(cg::RectMake(x, 0, left - x, height_));
    }
}

void SlideTableViewCell::scrollViewDidScroll(ui::ScrollView& scrollView) {
    const double x = scrollView.contentOffset().x;
    const double left = leftWidth(), right = rightWidth();
    tapGestureRecognizer_->setEnabled(false);
    auto d = delegate();
    if (x > left && right > 0) {
        if (d) {
            const bool allowed = d->swipeableTableViewCellCanSwipeToState(*this, SlideCellState::Right);
            scrollView.setScrollEnabled(allowed);
            if (!allowed) return;
        }
    } else if (x <= left && left > 0) {
        if (d) {
            const bool allowed = d->swipeableTableViewCellCanSwipeToState(*this, SlideCellState::Left);
            scrollView.setScrollEnabled(allowed);
            if (!allowed) return;
        }
    }
    revealButtonsAtOffset(x);
}

void SlideTableViewCell::scrollViewWillEndDragging(ui::ScrollView&, cg::Point velocity, cg::Point& target) {
    const double left = leftWidth(), right = rightWidth();
    const double v = velocity.x, t = target.x;
    enum class Move { Right, Left, Center, Unchanged } move = Move::Unchanged;
    switch (cellState_) {
        case SlideCellState::Center:
            if (v >= kFlickVelocity) move = Move::Right;
            else if (v <= -kFlickVelocity) move = Move::Left;
            else if (t > left + right / 2) move = Move::Right;
            else if (t < left / 2) move = Move::Left;
            else move = Move::Center;
            break;
        case SlideCellState::Left:
            if (v >= kFlickVelocity) move = Move::Center;
            else if (v <= -kFlickVelocity) move = Move::Unchanged;
            else if (t >= left + right / 2) move = Move::Right;
            else if (t > left / 2) move = Move::Center;
            else move = Move::Left;
            break;
        case SlideCellState::Right:
            if (v >= kFlickVelocity) move = Move::Unchanged;
            else if (v <= -kFlickVelocity) move = Move::Center;
            else if (t <= left / 2) move = Move::Left;
            else if (t < left + right / 2) move = Move::Center;
            else move = Move::Right;
            break;
    }
    // A side without buttons never opens (a flick toward it only recentres).
    if ((move == Move::Right && right <= 0) || (move == Move::Left && left <= 0)) move = Move::Center;
    switch (move) {
        case Move::Right:
            target.x = left + right;
            moveToState(SlideCellState::Right);
            break;
        case Move::Left:
            target.x = 0;
            moveToState(SlideCellState::Left);
            break;
        case Move::Center:
            target.x = left;
            moveToState(SlideCellState::Center);
            break;
        case Move::Unchanged: break;
    }
}

void SlideTableViewCell::moveToState(SlideCellState state) {
    cellState_ = state;
    tapGestureRecognizer_->setEnabled(true);
    tellDelegateState(state);
    if (state != SlideCellState::Center) hideOtherCells();
}

void SlideTableViewCell::scrollViewDidEndDecelerating(ui::ScrollView&) { tapGestureRecognizer_->setEnabled(true); }

void SlideTableViewCell::scrollViewDidEndScrollingAnimation(ui::ScrollView&) {
    tapGestureRecognizer_->setEnabled(true);
}

void SlideTableViewCell::tellDelegateState(SlideCellState state) {
    if (auto d = delegate()) d->swipeableTableViewCellScrollingToState(*this, state);
}

void SlideTableViewCell::hideOtherCells() {
    auto table = containingTableView();
    auto d = delegate();
    if (!table || !d) return;
    for (const auto& cell : table->visibleCells()) {
        auto other = std::dynamic_pointer_cast<SlideTableViewCell>(cell);
        if (!other || other.get() == this) continue;
        if (d->swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(*other)) other->hideUtilityButtonsAnimated(true);
    }
}

void SlideTableViewCell::setSWCellState(SlideCellState state, bool animated) {
    if (state == cellState_) return;
    auto keep = self<SlideTableViewCell>();
    // An open cell closes first, whatever was asked: it never jumps from
    // one side to the other.
    if (cellState_ != SlideCellState::Center) {
        hideUtilityButtonsAnimated(animated);
        return;
    }
    cellScrollView_->setContentOffset(cg::PointMake(offsetForState(state), 0), animated);
    // An animated move turns the tap back on when it ends; a move at once
    // must do so itself.
    if (!animated) tapGestureRecognizer_->setEnabled(true);
    hideOtherCells();
    cellState_ = state;
    tellDelegateState(state);
}

void SlideTableViewCell::hideUtilityButtonsAnimated(bool animated) {
    auto keep = self<SlideTableViewCell>();
    // The content slides back on the next turn; the state is centre now.
    closeTimer_.start(0, false, [this, animated] {
        cellScrollView_->setContentOffset(cg::PointMake(leftWidth(), 0), animated);
        if (!animated) tapGestureRecognizer_->setEnabled(true);
        cellState_ = SlideCellState::Center;
        tellDelegateState(SlideCellState::Center);
    });
    cellState_ = SlideCellState::Center;
    tellDelegateState(SlideCellState::Center);
}

// ---- tapping ----

void SlideTableViewCell::scrollViewUp(ui::GestureRecognizer&) { selectCellWithTimedHighlight(); }

void SlideTableViewCell::selectCellWithTimedHighlight() {
    auto keep = self<SlideTableViewCell>();
    if (cellState_ != SlideCellState::Center) {
        hideUtilityButtonsAnimated(true);
        return;
    }
    auto table = containingTableView();
    auto d = table ? table->tableDelegate() : nullptr;
    if (!d) return;
    auto indexPath = table->indexPathForCell(keep);
    if (!indexPath) return;
    setSelected(true);
    table->selectRowAtIndexPath(indexPath, false, ui::TableViewScrollPosition::None);
    d->didSelectRowAtIndexPath(*table, *indexPath);
    table->deselectRowAtIndexPath(*indexPath, false);
    // The table's deselection took the highlight away again; it stays for
    // its moment.
    setSelected(true);
    highlightTimer_.start(kHighlightDuration, false, [this] { setSelected(false); });
}
