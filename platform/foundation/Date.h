// A point in time: seconds since 1 January 1970 UTC, as a value.
// Formatting lives in DateFormatter; "now" reads ns::Clock, so it is virtual
// in tests.
#pragma once

namespace ns {

class Date {
public:
    // Seconds between 1 January 1970 and the platform's reference date,
    // 1 January 2001.
    static constexpr double kReferenceOffset = 978307200.0;

    Date() = default;
    static Date now();
    static Date withTimeIntervalSince1970(double seconds) { return Date(seconds); }
    static Date withTimeIntervalSinceReferenceDate(double seconds) { return Date(seconds + kReferenceOffset); }
    static Date withTimeIntervalSinceNow(double seconds);
    static Date distantPast() { return Date(-62135769600.0); }
    static Date distantFuture() { return Date(64092211200.0); }

    double timeIntervalSince1970() const { return seconds_; }
    double timeIntervalSinceReferenceDate() const { return seconds_ - kReferenceOffset; }
    double timeIntervalSinceNow() const;
    double timeIntervalSinceDate(const Date& other) const { return seconds_ - other.seconds_; }
    Date addingTimeInterval(double seconds) const { return Date(seconds_ + seconds); }

    bool operator==(const Date& o) const { return seconds_ == o.seconds_; }
    bool operator!=(const Date& o) const { return seconds_ != o.seconds_; }
    bool operator<(const Date& o) const { return seconds_ < o.seconds_; }
    bool operator<=(const Date& o) const { return seconds_ <= o.seconds_; }
    bool operator>(const Date& o) const { return seconds_ > o.seconds_; }
    bool operator>=(const Date& o) const { return seconds_ >= o.seconds_; }

private:
    explicit Date(double seconds) : seconds_(seconds) {}
    double seconds_ = 0;
};

}  // namespace ns
