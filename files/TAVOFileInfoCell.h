// One file-manager record in a list row, in any transfer state: icon, name,
// and by state the date and size, a progress bar with a state word or
// percentage at the right, the arrow of a folder, the check box of select
// mode, or the delete button of a failed transfer. Every binding sets every
// part its state names, so a reused row never keeps an earlier record's words.
#pragma once

#include <memory>
#include <string>

#include "files/TAVOFileInfoCellDelegate.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "protocol/commands/TAVOFileInfo.h"
#include "uikit/SlideTableViewCell.h"
#include "widgets/TAVOProgressView.h"

class TAVOFileInfoCell : public SlideTableViewCell {
public:
    using SlideTableViewCell::SlideTableViewCell;
    static constexpr double kRowHeight = 62;
    static constexpr double kSideInset = 13;

    static std::shared_ptr<TAVOFileInfoCell> create(const std::string& reuseIdentifier) {
        return makeCell<TAVOFileInfoCell>(ui::TableViewCellStyle::Default, reuseIdentifier);
    }
    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    void bindModel(const TAVOFileInfoPtr& info);
    const TAVOFileInfoPtr& fileInfo() const { return fileInfo_; }
    bool showSelectView() const { return showSelectView_; }
    // Select mode: the check box instead of the right label and the arrow.
    void setShowSelectView(bool show);
    void setFileInfoCellDelegate(const std::shared_ptr<TAVOFileInfoCellDelegate>& d) { fileInfoCellDelegate_ = d; }
    // The failed row's delete button.
    void deleteFailFile();

    void setHighlighted(bool highlighted, bool animated) override;
    using SlideTableViewCell::setHighlighted;

    const ui::ViewPtr& container() const { return container_; }
    const ui::ImageViewPtr& iconImageView() const { return iconImageView_; }
    const ui::LabelPtr& nameLB() const { return nameLB_; }
    const ui::LabelPtr& timeLB() const { return timeLB_; }
    const ui::LabelPtr& sizeLB() const { return sizeLB_; }
    const std::shared_ptr<TAVOProgressView>& progressView() const { return progressView_; }
    const ui::ImageViewPtr& rightImageView() const { return rightImageView_; }
    const ui::ImageViewPtr& selectImageView() const { return selectImageView_; }
    const ui::LabelPtr& rightProgressLB() const { return rightProgressLB_; }
    const ui::ButtonPtr& rightDeleteBtn() const { return rightDeleteBtn_; }

private:
    void showRight(bool arrow, bool bar, const char* word, bool deleteButton);

    ui::ViewPtr container_;
    ui::ImageViewPtr iconImageView_;
    ui::LabelPtr nameLB_;
    ui::LabelPtr timeLB_;
    ui::LabelPtr sizeLB_;
    std::shared_ptr<TAVOProgressView> progressView_;
    ui::ImageViewPtr rightImageView_;
    ui::ImageViewPtr selectImageView_;
    ui::LabelPtr rightProgressLB_;
    ui::ButtonPtr rightDeleteBtn_;
    TAVOFileInfoPtr fileInfo_;
    bool showSelectView_ = false;
    std::weak_ptr<TAVOFileInfoCellDelegate> fileInfoCellDelegate_;
};

using TAVOFileInfoCellPtr = std::shared_ptr<TAVOFileInfoCell>;
