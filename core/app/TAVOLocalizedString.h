// Every user-visible text is looked up by its key phrase in the string table
// "Keelbox" of the main bundle, with the empty string as default value (so a
// missing key shows the key itself).
#pragma once

#include <string>

std::string TAVOLocalizedString(const std::string& key);
