// One segment of a segmented control: its background picture and its
// button. The control adds both to itself; the item only holds them.
#pragma once

#include <memory>

#include "platform/foundation/Object.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"

class SegmentItem : public ns::Object {
public:
    static std::shared_ptr<SegmentItem> create();

    ui::ImageViewPtr bgView;
    std::shared_ptr<ui::Button> button;
};

using SegmentItemPtr = std::shared_ptr<SegmentItem>;
