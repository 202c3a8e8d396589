// A table cell whose content can be swiped sideways to reveal a row of
// utility buttons on the right (or on the left). The content sits in the
// middle of a horizontal scroll view: the left buttons before it, the right
// buttons after it. A drag released past half the buttons' width (or a
// quick flick) opens the cell; opening one may close the table's other
// open cells (the delegate decides which). A tap on the content closes an
// open cell, or selects the row with a short highlight.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Button.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "uikit/SlideCellScrollView.h"
#include "uikit/SlideTableViewCellDelegate.h"
#include "uikit/SlideUtilityButtonView.h"

class SlideTableViewCell : public ui::TableViewCell, public ui::ScrollViewDelegate {
public:
    using ui::TableViewCell::TableViewCell;
    // Room for the table's section index beside the right buttons.
    static constexpr double kSectionIndexPadding = 15;
    // How long a tapped row stays highlighted.
    static constexpr double kHighlightDuration = 0.2;
    // Release speed (points per millisecond) that opens or closes the cell
    // whatever its position.
    static constexpr double kFlickVelocity = 0.5;

    // A cell of the table, its height the table's row height, with its
    // buttons (either list may be empty).
    static std::shared_ptr<SlideTableViewCell> create(ui::TableViewCellStyle style, const std::string& reuseIdentifier,
                                                      const ui::TableViewPtr& containingTableView,
                                                      const std::vector<ui::ButtonPtr>& leftUtilityButtons,
                                                      const std::vector<ui::ButtonPtr>& rightUtilityButtons);
    // The plain initialiser: table, buttons and height are given later.
    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier,
                       const ui::TableViewPtr& containingTableView,
                       const std::vector<ui::ButtonPtr>& leftUtilityButtons,
                       const std::vector<ui::ButtonPtr>& rightUtilityButtons);

    const std::vector<ui::ButtonPtr>& leftUtilityButtons() const { return leftUtilityButtons_; }
    void setLeftUtilityButtons(const std::vector<ui::ButtonPtr>& buttons);
    const std::vector<ui::ButtonPtr>& rightUtilityButtons() const { return rightUtilityButtons_; }
    void setRightUtilityButtons(const std::vector<ui::ButtonPtr>& buttons);

    double height() const { return height_; }
    // Every frame of the cell follows this height; lays the cell out at once.
    void setCellHeight(double height);
    ui::TableViewPtr containingTableView() const { return containingTableView_.lock(); }
    void setContainingTableView(const ui::TableViewPtr& table) { containingTableView_ = table; }
    std::shared_ptr<SlideTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<SlideTableViewCellDelegate>& delegate) { delegate_ = delegate; }

    SlideCellState cellState() const { return cellState_; }
    // Opens the cell to a side; an open cell only closes, whatever is asked.
    void setSWCellState(SlideCellState state, bool animated);
    // Closes the cell: the state is centre at once, the content slides back
    // on the next turn.
    void hideUtilityButtonsAnimated(bool animated);

    // Runs the block the first time only, or every time when forced
    // (subclasses build their content in it).
    void setAppearanceWithBlock(const std::function<void()>& block, bool force);

    void setBackgroundColor(const ui::OptionalColor& color) override;
    // Highlighted, the cell hides its buttons.
    void setHighlighted(bool highlighted, bool animated) override;
    using ui::TableViewCell::setHighlighted;
    // The cell has no selected look of its own: selection highlights it.
    void setSelected(bool selected, bool animated) override;
    using ui::TableViewCell::setSelected;

    void layoutSubviews() override;

    // The scroll view's reports.
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;
    void scrollViewWillEndDragging(ui::ScrollView& scrollView, cg::Point velocity, cg::Point& target) override;
    void scrollViewDidEndDecelerating(ui::ScrollView& scrollView) override;
    void scrollViewDidEndScrollingAnimation(ui::ScrollView& scrollView) override;

    // The pieces, for subclasses and tests.
    const std::shared_ptr<SlideCellScrollView>& cellScrollView() const { return cellScrollView_; }
    const ui::ViewPtr& scrollViewContentView() const { return scrollViewContentView_; }
    const SlideUtilityButtonViewPtr& scrollViewButtonViewLeft() const { return scrollViewButtonViewLeft_; }
    const SlideUtilityButtonViewPtr& scrollViewButtonViewRight() const { return scrollViewButtonViewRight_; }
    const std::shared_ptr<ui::TapGestureRecognizer>& tapGestureRecognizer() const { return tapGestureRecognizer_; }
    double additionalRightPadding() const { return additionalRightPadding_; }

private:
    void setup();
    // Widths of the left and right button rows (the right one with the
    // index padding).
    double leftWidth() const;
    double rightWidth() const;
    double offsetForState(SlideCellState state) const;
    // Glues the button rows to the revealed strips for a content offset.
    void revealButtonsAtOffset(double x);
    SlideUtilityButtonViewPtr makeButtonView(const std::vector<ui::ButtonPtr>& buttons,
                                             SlideUtilityButtonView::Handler handler,
                                             const SlideUtilityButtonViewPtr& previous);
    void moveToState(SlideCellState state);
    void hideOtherCells();
    void tellDelegateState(SlideCellState state);
    void scrollViewUp(ui::GestureRecognizer& recognizer);
    void selectCellWithTimedHighlight();
    void leftUtilityButtonHandler(std::size_t index);
    void rightUtilityButtonHandler(std::size_t index);

    double additionalRightPadding_ = 0;
    bool appearanceBlockRan_ = false;
    std::vector<ui::ButtonPtr> leftUtilityButtons_;
    std::vector<ui::ButtonPtr> rightUtilityButtons_;
    SlideCellState cellState_ = SlideCellState::Center;
    ui::ViewPtr scrollViewContentView_;
    double height_ = 0;
    std::weak_ptr<SlideTableViewCellDelegate> delegate_;
    std::shared_ptr<SlideCellScrollView> cellScrollView_;
    std::weak_ptr<ui::TableView> containingTableView_;
    SlideUtilityButtonViewPtr scrollViewButtonViewLeft_;
    SlideUtilityButtonViewPtr scrollViewButtonViewRight_;
    std::shared_ptr<ui::TapGestureRecognizer> tapGestureRecognizer_;
    ns::ScopedTimer closeTimer_;
    ns::ScopedTimer highlightTimer_;
};

using SlideTableViewCellPtr = std::shared_ptr<SlideTableViewCell>;
