#include "platform/foundation/TimeZone.h"

#include <unicode/simpletz.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cstdlib>
#include <mutex>

#include "platform/foundation/Singleton.h"

namespace ns {

namespace {

std::string utf8(const icu::UnicodeString& s) {
    std::string out;
    s.toUTF8String(out);
    return out;
}

std::mutex& defaultMutex() {
    static std::mutex m;
    return m;
}

std::optional<TimeZone>& defaultZone() {
    static std::optional<TimeZone> zone;
    return zone;
}

}  // namespace

TimeZone TimeZone::systemTimeZone() {
    // Detecting reads the system's settings; the zone is kept once known.
    static const TimeZone system = [] {
        std::shared_ptr<const icu::TimeZone> zone(icu::TimeZone::detectHostTimeZone());
        icu::UnicodeString id;
        zone->getID(id);
        return TimeZone(zone, utf8(id));
    }();
    return system;
}

TimeZone TimeZone::localTimeZone() {
    {
        std::lock_guard<std::mutex> lock(defaultMutex());
        if (defaultZone()) return *defaultZone();
    }
    return systemTimeZone();
}

void TimeZone::setDefaultTimeZone(const TimeZone& zone) {
    static std::once_flag registered;
    std::call_once(registered, [] { onTestReset([] { resetDefaultTimeZone(); }); });
    std::lock_guard<std::mutex> lock(defaultMutex());
    defaultZone() = zone;
}

void TimeZone::resetDefaultTimeZone() {
    std::lock_guard<std::mutex> lock(defaultMutex());
    defaultZone().reset();
}

std::optional<TimeZone> TimeZone::timeZoneWithName(std::string_view name) {
    if (name.empty()) return std::nullopt;
    icu::UnicodeString id = icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())));
    std::shared_ptr<const icu::TimeZone> zone(icu::TimeZone::createTimeZone(id));
    // ICU answers an unknown name with its "Etc/Unknown" zone.
    if (!zone || *zone == icu::TimeZone::getUnknown()) return std::nullopt;
    return TimeZone(zone, std::string(name));
}

TimeZone TimeZone::timeZoneForSecondsFromGMT(int seconds) {
    int minutes = std::abs(seconds) / 60;
    char name[16];
    std::snprintf(name, sizeof name, "GMT%c%02d%02d", seconds < 0 ? '-' : '+', minutes / 60, minutes % 60);
    std::shared_ptr<const icu::TimeZone> zone(
        new icu::SimpleTimeZone(seconds * 1000, icu::UnicodeString::fromUTF8(name)));
    return TimeZone(zone, seconds == 0 ? "GMT" : name);
}

TimeZone TimeZone::GMT() {
    std::shared_ptr<const icu::TimeZone> zone(icu::TimeZone::getGMT()->clone());
    return TimeZone(zone, "GMT");
}

int TimeZone::secondsFromGMT(Date date) const {
    int32_t raw = 0;
    int32_t dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone_->getOffset(date.timeIntervalSince1970() * 1000.0, false, raw, dst, status);
    if (U_FAILURE(status)) return 0;
    return (raw + dst) / 1000;
}

}  // namespace ns
