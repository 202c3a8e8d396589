#include "platform/foundation/DateFormatter.h"

#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace ns {

namespace {
icu::UnicodeString fromUtf8(std::string_view s) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
}
}  // namespace

DateFormatter::DateFormatter() = default;
DateFormatter::~DateFormatter() = default;

std::string DateFormatter::dateFormat() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return format_;
}

void DateFormatter::setDateFormat(std::string format) {
    std::lock_guard<std::mutex> lock(mutex_);
    format_ = std::move(format);
    icu_.reset();
}

std::string DateFormatter::localeIdentifier() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return locale_;
}

void DateFormatter::setLocaleIdentifier(std::string identifier) {
    std::lock_guard<std::mutex> lock(mutex_);
    locale_ = std::move(identifier);
    icu_.reset();
}

std::optional<TimeZone> DateFormatter::timeZone() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return zone_;
}

void DateFormatter::setTimeZone(std::optional<TimeZone> zone) {
    std::lock_guard<std::mutex> lock(mutex_);
    zone_ = std::move(zone);
}

icu::SimpleDateFormat& DateFormatter::formatter() const {
    if (!icu_) {
        UErrorCode status = U_ZERO_ERROR;
        auto made = std::make_unique<icu::SimpleDateFormat>(fromUtf8(format_), icu::Locale(locale_.c_str()), status);
        if (U_FAILURE(status)) {
            // A pattern ICU refuses formats as an empty pattern: empty text, no dates.
            status = U_ZERO_ERROR;
            made = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(), icu::Locale(locale_.c_str()), status);
        }
        made->setLenient(false);
        icu_ = std::move(made);
    }
    // The zone is applied at each use, so the local zone follows changes.
    TimeZone zone = zone_ ? *zone_ : TimeZone::localTimeZone();
    icu_->setTimeZone(zone.icuZone());
    return *icu_;
}

std::string DateFormatter::stringFromDate(Date date) const {
    std::lock_guard<std::mutex> lock(mutex_);
    icu::UnicodeString out;
    formatter().format(date.timeIntervalSince1970() * 1000.0, out);
    std::string text;
    out.toUTF8String(text);
    return text;
}

std::optional<Date> DateFormatter::dateFromString(std::string_view text) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (format_.empty() || text.empty()) return std::nullopt;
    icu::UnicodeString input = fromUtf8(text);
    icu::ParsePosition position(0);
    UDate when = formatter().parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) return std::nullopt;
    return Date::withTimeIntervalSince1970(when / 1000.0);
}

}  // namespace ns
