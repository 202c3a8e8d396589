#include "uikit/LXDataDetectorCache.h"

#include <string>

#include "platform/foundation/Cache.h"

namespace {

ns::Cache& cache() {
    static const auto shared = [] {
        auto made = ns::Cache::create();
        made->setName("LXAttributedLabel::DataDetectorCache");
        return made;
    }();
    return *shared;
}

}  // namespace

ns::DataDetectorPtr LXDataDetectorCache::detectorForTypes(std::uint64_t checkingTypes) {
    if (checkingTypes == 0) return nullptr;
    const std::string key = std::to_string(checkingTypes);
    if (auto cached = cache().objectForKey(key).as<ns::DataDetector>()) return cached;
    auto detector = ns::DataDetector::create(checkingTypes);
    if (detector) cache().setObject(detector, key);
    return detector;
}
