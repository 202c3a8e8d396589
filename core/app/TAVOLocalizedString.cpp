#include "core/app/TAVOLocalizedString.h"

// Until the bundle's string tables are wired in, a key shows as itself,
// which is also what a missing key shows.
std::string TAVOLocalizedString(const std::string& key) { return key; }
