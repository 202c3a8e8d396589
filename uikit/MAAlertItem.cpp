#include "uikit/MAAlertItem.h"

std::shared_ptr<MAAlertItem> MAAlertItem::create(std::string title, int type, Action action) {
    auto item = std::make_shared<MAAlertItem>();
    item->title = std::move(title);
    item->type = type;
    item->action = std::move(action);
    return item;
}
