// A row's place in a table: section and row, ordered section first.
#pragma once

#include <compare>
#include <string>

namespace ui {

struct IndexPath {
    long section = 0;
    long row = 0;
    static IndexPath indexPathForRow(long row, long section) { return {section, row}; }
    auto operator<=>(const IndexPath&) const = default;
    std::string description() const { return "{" + std::to_string(section) + ", " + std::to_string(row) + "}"; }
};

}  // namespace ui
