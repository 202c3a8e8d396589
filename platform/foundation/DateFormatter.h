// ns::DateFormatter: dates to text and back with a fixed pattern
// ("yyyy-MM-dd HH:mm", "MM-dd hh:mm", "HH:mm", "今天 HH:mm"...), in a locale
// (en_US_POSIX unless set) and a time zone (the local zone at the time of
// use unless set). Parsing is strict: text that does not match the pattern
// exactly, to its end, gives nothing. Safe to use from several threads.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/TimeZone.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class SimpleDateFormat;
U_NAMESPACE_END

namespace ns {

class DateFormatter : public Object {
public:
    static std::shared_ptr<DateFormatter> create() { return std::make_shared<DateFormatter>(); }
    DateFormatter();
    ~DateFormatter() override;

    std::string dateFormat() const;
    void setDateFormat(std::string format);
    std::string localeIdentifier() const;
    void setLocaleIdentifier(std::string identifier);
    // Nothing: the local zone, read at each use.
    std::optional<TimeZone> timeZone() const;
    void setTimeZone(std::optional<TimeZone> zone);

    std::string stringFromDate(Date date) const;
    std::optional<Date> dateFromString(std::string_view text) const;

private:
    // The ICU formatter for the current settings; made on first use.
    icu::SimpleDateFormat& formatter() const;

    mutable std::mutex mutex_;
    std::string format_;
    std::string locale_ = "en_US_POSIX";
    std::optional<TimeZone> zone_;
    mutable std::unique_ptr<icu::SimpleDateFormat> icu_;
};

}  // namespace ns
