// Remembers the resources the application asked for and did not find: string
// keys missing from their table and image names missing from the bundle.
//
// The platform answers such lookups quietly (the key itself, a nil image), so
// a misspelt key or an image never drawn would otherwise go unnoticed. Tests
// and the gallery read the log and fail on anything in it.
#pragma once

#include <mutex>
#include <set>
#include <string>

namespace ns {

class ResourceLookupLog {
public:
    // A key looked up in `table` that the table does not hold.
    static void recordMissingString(const std::string& table, const std::string& key);
    // An image name that no bundle file answers.
    static void recordMissingImage(const std::string& name);

    // "table: key" entries, sorted.
    static std::set<std::string> missingStrings();
    static std::set<std::string> missingImages();
    static void clear();
};

}  // namespace ns
