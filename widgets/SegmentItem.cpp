#include "widgets/SegmentItem.h"

std::shared_ptr<SegmentItem> SegmentItem::create() {
    auto item = std::make_shared<SegmentItem>();
    item->bgView = ui::ImageView::create();
    item->button = ui::Button::buttonWithType(ui::ButtonType::Custom);
    return item;
}
