#include "protocol/records/TAVODGDMZItem.h"

#include "core/app/TAVOLocalizedString.h"

std::string TAVODGDMZItem::itemName() const { return TAVOLocalizedString("detect dmz"); }
