// The two meanings of -99999. A data provider that refuses a request for bad
// parameters returns 0 and posts the request's failure with a TAVOError whose
// code is TAVODataProvider::kRefusedParam (-99999). A facade operation that
// checks its own preconditions (the routers list while signed out, the
// ticket check with an empty ticket) returns kTAVONothingSent instead: the
// same number, but a return value, not an error code; nothing is sent and
// nothing is posted, so the caller must act on it (TAVORequestAnswers::
// deliverRefusal turns it into the provider's failure shape).
#pragma once

#include <cstdint>

inline constexpr std::int32_t kTAVONothingSent = -99999;
