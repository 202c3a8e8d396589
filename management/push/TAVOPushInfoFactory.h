// Builds the record of a "rudi" dictionary by its wire kind.
#pragma once

#include "management/push/TAVOPushInfo.h"

class TAVOPushInfoFactory {
public:
    TAVOPushInfoFactory() = delete;
    // Wire kinds 1, 2, 3 and 101; null for any other kind or none.
    static TAVOPushInfoPtr createPushInfoByType(const ns::Value& rudi);
};
