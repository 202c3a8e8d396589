// One row of the picker's grid: up to four 75-point thumbnails with their
// check marks. A tap inside a thumbnail toggles that item.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "files/MPAsset.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TableViewCell.h"

class MPAssetCell : public ui::TableViewCell {
public:
    using ui::TableViewCell::TableViewCell;
    static constexpr double kThumbnail = 75, kPitch = 79, kLeft = 4, kTop = 2, kCheck = 24;

    static std::shared_ptr<MPAssetCell> create(const std::string& reuseIdentifier) {
        return makeCell<MPAssetCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }
    void setAssets(const std::vector<MPAssetPtr>& assets);
    const std::vector<MPAssetPtr>& rowAssets() const { return rowAssets_; }
    void layoutSubviews() override;
    // A tap at a point of the cell: toggles the item whose thumbnail holds it.
    void tapAt(const cg::Point& point);
    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;
    const std::vector<ui::ImageViewPtr>& overlayViewArray() const { return overlayViewArray_; }

private:
    void refreshCheck(std::size_t index);

    std::vector<MPAssetPtr> rowAssets_;
    std::vector<ui::ImageViewPtr> imageViewArray_;
    std::vector<ui::ImageViewPtr> overlayViewArray_;
};

using MPAssetCellPtr = std::shared_ptr<MPAssetCell>;
