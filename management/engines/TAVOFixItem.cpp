#include "management/engines/TAVOFixItem.h"

#include "management/engines/TAVORouterOptConfig.h"

std::shared_ptr<TAVOFixItem> TAVOFixItem::create(int state, int optId) {
    auto item = std::shared_ptr<TAVOFixItem>(new TAVOFixItem());
    item->state = state;
    item->optId = optId;
    return item;
}

std::string TAVOFixItem::title() const { return TAVORouterOptConfig::nameById(optId).value_or(""); }

std::string TAVOFixItem::description() const {
    return "title = " + title() + ", fix state = " + std::to_string(state) + ", optId =" + std::to_string(optId);
}
