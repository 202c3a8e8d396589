// Hears the delete button of a failed transfer's row.
#pragma once

#include "protocol/commands/TAVOFileInfo.h"

class TAVOFileInfoCell;

class TAVOFileInfoCellDelegate {
public:
    virtual ~TAVOFileInfoCellDelegate() = default;
    virtual void cellDeleteFileInfo(TAVOFileInfoCell& cell, const TAVOFileInfoPtr& info) = 0;
};
