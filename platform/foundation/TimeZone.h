// ns::TimeZone: a named zone (rules from ICU's data), or a fixed offset from
// GMT, as a value. The local zone is the system's unless a default was set;
// tests set one so that formatting does not depend on the machine.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Date.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class TimeZone;
U_NAMESPACE_END

namespace ns {

class TimeZone {
public:
    // The local zone (the default when one was set).
    static TimeZone localTimeZone();
    static TimeZone systemTimeZone();
    // Replaces the local zone for the process; resetDefaultTimeZone (and the
    // test harness, after each test) return to the system zone.
    static void setDefaultTimeZone(const TimeZone& zone);
    static void resetDefaultTimeZone();

    // Nothing for a name ICU does not know ("Asia/Shanghai", "UTC", "GMT+8").
    static std::optional<TimeZone> timeZoneWithName(std::string_view name);
    static TimeZone timeZoneForSecondsFromGMT(int seconds);
    static TimeZone GMT();

    const std::string& name() const { return name_; }
    int secondsFromGMT(Date date) const;
    int secondsFromGMT() const { return secondsFromGMT(Date::now()); }

    bool operator==(const TimeZone& o) const { return name_ == o.name_; }
    bool operator!=(const TimeZone& o) const { return name_ != o.name_; }

    // The ICU zone (for the date classes of this library).
    const icu::TimeZone& icuZone() const { return *zone_; }

private:
    TimeZone(std::shared_ptr<const icu::TimeZone> zone, std::string name)
        : zone_(std::move(zone)), name_(std::move(name)) {}
    std::shared_ptr<const icu::TimeZone> zone_;
    std::string name_;
};

}  // namespace ns
