// Hears the arrow of a router row: 0 asks to open the row's buttons, 1 to
// close them.
#pragma once

class TAVORoutersListItemCell;

class TAVORoutersListItemCellDelegate {
public:
    virtual ~TAVORoutersListItemCellDelegate() = default;
    virtual void cellEvent(TAVORoutersListItemCell& cell, int event) = 0;
};
