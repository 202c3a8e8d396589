// The fields of a date in a calendar; an absent field is unset.
#pragma once

#include <optional>

namespace ns {

struct DateComponents {
    std::optional<int> year;
    std::optional<int> month;    // 1..12
    std::optional<int> day;      // 1..31
    std::optional<int> hour;     // 0..23
    std::optional<int> minute;
    std::optional<int> second;
    std::optional<int> weekday;  // 1 = Sunday .. 7 = Saturday

    bool operator==(const DateComponents&) const = default;
};

}  // namespace ns
