#include "protocol/records/TAVODGLANDnsItem.h"

#include "core/app/TAVOLocalizedString.h"

std::string TAVODGLANDnsItem::itemName() const { return TAVOLocalizedString("detect lan dns"); }
