#include "widgets/MAAlertTextItem.h"

std::shared_ptr<MAAlertTextItem> MAAlertTextItem::create(std::string title, int type, TextAction action) {
    auto item = std::make_shared<MAAlertTextItem>();
    item->title = std::move(title);
    item->type = type;
    item->textAction = std::move(action);
    return item;
}
