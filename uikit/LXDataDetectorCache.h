// Data detectors are costly to build, so attributed labels share them: one
// detector per set of checking types, for the whole process.
#pragma once

#include <cstdint>

#include "platform/graphics/DataDetector.h"

class LXDataDetectorCache {
public:
    LXDataDetectorCache() = delete;
    // Null for no types, or for types no detector can be made for (such a
    // set is not remembered).
    static ns::DataDetectorPtr detectorForTypes(std::uint64_t checkingTypes);
};
