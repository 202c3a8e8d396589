// Thin separator lines drawn from the picture "seperator_line" that list
// screens put on their cells in place of the table's own separators: a top
// line (tag kTopLineTag) and a bottom line (tag kBottomLineTag), each made
// once per cell and found again by its tag when the cell is reused.
#pragma once

#include <memory>

#include "platform/ui/IndexPath.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"

inline constexpr long kTopSeparatorLineTag = 10000;
inline constexpr long kBottomSeparatorLineTag = 10001;
inline constexpr double kSeparatorLineHeight = 0.5;
// Top lines of rows after the first start this far in.
inline constexpr double kSeparatorLineIndent = 14;

// Depth-first through the subviews of `parent` (not `parent` itself), in
// order: the first carrying `tag`; null when none does.
ui::ViewPtr findSubView(long tag, const ui::ViewPtr& parent);

// The full-width top line shown, or hidden.
void showTopSeperatorLine(const ui::TableViewCellPtr& cell, bool show);
// As above, indented in every row but the first.
void showTopSeparatorLine(const ui::TableViewCellPtr& cell, bool show, const ui::IndexPath& indexPath);
// The bottom line along the cell's lower edge (set again on the next turn,
// when the cell has its final size), or hidden.
void showBottomSeperatorLine(const ui::TableViewCellPtr& cell, bool show);
// Shown: the top line (indented after the first row) and the bottom line in
// the section's last row only. Hidden: the top line; the bottom line stays
// as it is.
void showSeparatorLine(const ui::TableViewCellPtr& cell, bool show, const ui::IndexPath& indexPath,
                       const ui::TableView& tableView);
