#include "widgets/UITableViewCellSeperator.h"

#include "platform/ui/ImageView.h"
#include "platform/ui/MainLoop.h"

namespace {

constexpr const char* kLineImageName = "seperator_line";
// Lines made for a whole list row stretch from 3 points in, lines of the
// single-line operations from 2.
constexpr long kListLineCap = 3;
constexpr long kSingleLineCap = 2;

ui::ImageViewPtr line(const ui::TableViewCellPtr& cell, long tag) {
    return std::dynamic_pointer_cast<ui::ImageView>(findSubView(tag, cell));
}

// The cell's line with the tag, made (and added to the cell) when missing.
ui::ImageViewPtr lineMadeIfMissing(const ui::TableViewCellPtr& cell, long tag, long leftCap, unsigned resizing) {
    if (auto existing = line(cell, tag)) return existing;
    auto image = ui::Image::imageNamed(kLineImageName);
    auto made = ui::ImageView::create();
    made->setImage(image ? image->stretchableImageWithLeftCapWidth(leftCap, 0) : nullptr);
    made->setTag(tag);
    made->setAutoresizingMask(resizing);
    cell->addSubview(made);
    return made;
}

void hideLine(const ui::TableViewCellPtr& cell, long tag) {
    if (auto existing = line(cell, tag)) existing->setHidden(true);
}

void showTopLine(const ui::TableViewCellPtr& cell, long leftCap, double indent) {
    auto top = lineMadeIfMissing(cell, kTopSeparatorLineTag, leftCap, ui::ViewAutoresizingFlexibleWidth);
    top->setFrame(cg::RectMake(indent, 0, cell->bounds().size.width - indent, kSeparatorLineHeight));
    top->setHidden(false);
}

cg::Rect bottomLineFrame(const ui::View& cell) {
    const cg::Size size = cell.bounds().size;
    return cg::RectMake(0, size.height - 1, size.width, kSeparatorLineHeight);
}

void showBottomLine(const ui::TableViewCellPtr& cell, long leftCap) {
    auto bottom = lineMadeIfMissing(cell, kBottomSeparatorLineTag, leftCap,
                                    ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleTopMargin);
    bottom->setFrame(bottomLineFrame(*cell));
    bottom->setHidden(false);
    std::weak_ptr<ui::TableViewCell> weakCell = cell;
    std::weak_ptr<ui::ImageView> weakLine = bottom;
    ui::mainloop::performLater([weakCell, weakLine] {
        auto c = weakCell.lock();
        auto l = weakLine.lock();
        if (c && l) l->setFrame(bottomLineFrame(*c));
    });
}

}  // namespace

ui::ViewPtr findSubView(long tag, const ui::ViewPtr& parent) {
    if (!parent) return nullptr;
    for (const auto& sub : parent->subviews()) {
        if (sub->tag() == tag) return sub;
        if (auto found = findSubView(tag, sub)) return found;
    }
    return nullptr;
}

void showTopSeperatorLine(const ui::TableViewCellPtr& cell, bool show) {
    if (!cell) return;
    if (show) {
        showTopLine(cell, kSingleLineCap, 0);
    } else {
        hideLine(cell, kTopSeparatorLineTag);
    }
}

void showTopSeparatorLine(const ui::TableViewCellPtr& cell, bool show, const ui::IndexPath& indexPath) {
    if (!cell) return;
    if (show) {
        showTopLine(cell, kSingleLineCap, indexPath.row == 0 ? 0 : kSeparatorLineIndent);
    } else {
        hideLine(cell, kTopSeparatorLineTag);
    }
}

void showBottomSeperatorLine(const ui::TableViewCellPtr& cell, bool show) {
    if (!cell) return;
    if (show) {
        showBottomLine(cell, kListLineCap);
    } else {
        hideLine(cell, kBottomSeparatorLineTag);
    }
}

void showSeparatorLine(const ui::TableViewCellPtr& cell, bool show, const ui::IndexPath& indexPath,
                       const ui::TableView& tableView) {
    if (!cell) return;
    if (!show) {
        hideLine(cell, kTopSeparatorLineTag);
        return;
    }
    showTopLine(cell, kListLineCap, indexPath.row == 0 ? 0 : kSeparatorLineIndent);
    if (indexPath.row + 1 == tableView.numberOfRowsInSection(indexPath.section)) {
        showBottomLine(cell, kListLineCap);
    } else {
        hideLine(cell, kBottomSeparatorLineTag);
    }
}
