#include "core/app/TAVOLocalizedString.h"

#include "platform/foundation/Bundle.h"

std::string TAVOLocalizedString(const std::string& key) {
    return ns::Bundle::mainBundle()->localizedString(key, "", "Keelbox");
}
