#include "protocol/records/TAVOFrameItem.h"

#include "core/app/TAVOLocalizedString.h"

std::string TAVOFrameItem::itemName() const { return TAVOLocalizedString("detect frame"); }
