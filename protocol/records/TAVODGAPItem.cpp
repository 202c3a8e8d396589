#include "protocol/records/TAVODGAPItem.h"

#include "core/app/TAVOLocalizedString.h"

std::string TAVODGAPItem::itemName() const { return TAVOLocalizedString("detect ap"); }
