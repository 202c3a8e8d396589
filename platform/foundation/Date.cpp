#include "platform/foundation/Date.h"

#include "platform/foundation/Clock.h"

namespace ns {

Date Date::now() { return Date(Clock::now()); }
Date Date::withTimeIntervalSinceNow(double seconds) { return Date(Clock::now() + seconds); }
double Date::timeIntervalSinceNow() const { return seconds_ - Clock::now(); }

}  // namespace ns
