// One queued request of a stack panel: the view to insert or remove, where
// to insert it and whether the change is animated.
#pragma once

#include <memory>

#include "platform/ui/View.h"

struct OpertaionInfo {
    ui::ViewPtr view;
    unsigned index = 0;  // not read for removals
    bool animate = false;
};
