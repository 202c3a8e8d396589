#include "platform/foundation/ResourceLookupLog.h"

namespace ns {
namespace {

struct LogState {
    std::mutex mutex;
    std::set<std::string> strings;
    std::set<std::string> images;
};

LogState& state() {
    // Never destroyed: lookups may still happen while static objects are
    // torn down at exit.
    static LogState* s = new LogState;
    return *s;
}

}  // namespace

void ResourceLookupLog::recordMissingString(const std::string& table, const std::string& key) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().strings.insert(table + ": " + key);
}

void ResourceLookupLog::recordMissingImage(const std::string& name) {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().images.insert(name);
}

std::set<std::string> ResourceLookupLog::missingStrings() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().strings;
}

std::set<std::string> ResourceLookupLog::missingImages() {
    std::lock_guard<std::mutex> lock(state().mutex);
    return state().images;
}

void ResourceLookupLog::clear() {
    std::lock_guard<std::mutex> lock(state().mutex);
    state().strings.clear();
    state().images.clear();
}

}  // namespace ns
