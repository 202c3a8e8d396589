// What a swipeable cell tells its owner, and what it asks. Every method is
// optional: the defaults do what an owner without an opinion wants (no
// other cell closes, every direction may be swiped).
#pragma once

#include <cstddef>

class SlideTableViewCell;

// The cell's resting states: content fully shown, left buttons shown,
// right buttons shown.
enum class SlideCellState { Center = 0, Left = 1, Right = 2 };

class SlideTableViewCellDelegate {
public:
    virtual ~SlideTableViewCellDelegate() = default;
    virtual void swipeableTableViewCellDidTriggerLeftUtilityButtonWithIndex(SlideTableViewCell&, std::size_t) {}
    virtual void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell&, std::size_t) {}
    virtual void swipeableTableViewCellScrollingToState(SlideTableViewCell&, SlideCellState) {}
    // Whether `otherCell` closes when another cell of its table opens.
    virtual bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SlideTableViewCell& /*otherCell*/) {
        return false;
    }
    // Asked while the user swipes toward the left or the right state.
    virtual bool swipeableTableViewCellCanSwipeToState(SlideTableViewCell&, SlideCellState) { return true; }
};
