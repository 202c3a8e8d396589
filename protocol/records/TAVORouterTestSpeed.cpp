#include "protocol/records/TAVORouterTestSpeed.h"

#include "platform/foundation/Format.h"

std::string TAVORouterTestSpeed::description() const { return ns::format("speed = %d, type = %d", speed_, speedType_); }
