// A row of the picker's album list: the album's first thumbnail, its name
// and its item count.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableViewCell.h"

class MPAlbumCell : public ui::TableViewCell {
public:
    using ui::TableViewCell::TableViewCell;
    static std::shared_ptr<MPAlbumCell> create(const std::string& reuseIdentifier) {
        return makeCell<MPAlbumCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }
    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    const ui::ImageViewPtr& thumbnailImageView() const { return thumbnailImageView_; }
    const ui::LabelPtr& nameLB() const { return nameLB_; }
    const ui::LabelPtr& countLB() const { return countLB_; }

private:
    ui::ViewPtr container_;
    ui::ImageViewPtr thumbnailImageView_;
    ui::LabelPtr nameLB_;
    ui::LabelPtr countLB_;
};

using MPAlbumCellPtr = std::shared_ptr<MPAlbumCell>;
