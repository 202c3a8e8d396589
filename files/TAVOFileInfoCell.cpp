#include "files/TAVOFileInfoCell.h"

#include "platform/ui/ViewAnimation.h"
#include "widgets/UIImageUtil.h"

namespace {

constexpr double kIconSize = 40;
constexpr double kIconGap = 11;
constexpr double kNameWidth = 190, kNameHeight = 25;
// Wide enough for "yyyy-MM-dd HH:mm" with a gap before the size, and for
// "1023.9MB", in the bundled 12-point font, which runs wider than the
// phone's; both still end before the right-hand state word.
constexpr double kTimeWidth = 118, kDetailHeight = 15;
constexpr double kSizeWidth = 62;
constexpr double kBarWidth = 180, kBarHeight = 4;
constexpr double kArrowWidth = 9, kArrowHeight = 18;
constexpr double kCheckSize = 24;
constexpr double kRightLabelWidth = 50, kRightLabelHeight = 40;
constexpr double kDeleteWidth = 39, kDeleteHeight = 22;

ui::Color grey(int level) { return ui::Color::rgb255(level, level, level); }
ui::Color failedRed() { return ui::Color::rgb255(247, 93, 73); }

}  // namespace

void TAVOFileInfoCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    SlideTableViewCell::initWithStyle(style, reuseIdentifier);
    setBackgroundColor(ui::Color::clearColor());

    container_ = ui::View::create();
    container_->setBackgroundColor(ui::Color::clearColor());
    contentView()->addSubview(container_);

    iconImageView_ = ui::ImageView::create(cg::RectMake(0, 0, kIconSize, kIconSize));
    container_->addSubview(iconImageView_);

    nameLB_ = ui::Label::create(cg::RectMake(0, 0, kNameWidth, kNameHeight));
    nameLB_->setFont(ui::Font::systemFontOfSize(14));
    nameLB_->setTextColor(grey(68));
    nameLB_->setLineBreakMode(ui::LineBreakMode::TruncatingTail);
    nameLB_->setBackgroundColor(ui::Color::clearColor());
    container_->addSubview(nameLB_);

    timeLB_ = ui::Label::create(cg::RectMake(0, 0, kTimeWidth, kDetailHeight));
    timeLB_->setFont(ui::Font::systemFontOfSize(12));
    timeLB_->setTextColor(grey(153));
    timeLB_->setBackgroundColor(ui::Color::clearColor());
    container_->addSubview(timeLB_);

    sizeLB_ = ui::Label::create(cg::RectMake(0, 0, kSizeWidth, kDetailHeight));
    sizeLB_->setFont(ui::Font::systemFontOfSize(12));
    sizeLB_->setTextColor(grey(153));
    sizeLB_->setBackgroundColor(ui::Color::clearColor());
    container_->addSubview(sizeLB_);

    progressView_ = TAVOProgressView::create(cg::RectMake(0, 0, kBarWidth, kBarHeight));
    progressView_->setTrackImage(UIImageUtil::imageWithColor(grey(238)));
    progressView_->setProgressImage(UIImageUtil::imageWithColor(ui::Color::rgb255(42, 200, 77)));
    progressView_->setProgress(0);
    progressView_->setHidden(true);
    container_->addSubview(progressView_);

    rightImageView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("list_arrow"));
    rightImageView_->setFrame(cg::RectMake(0, 0, kArrowWidth, kArrowHeight));
    rightImageView_->setHidden(true);
    container_->addSubview(rightImageView_);

    selectImageView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("checkbox_list"));
    selectImageView_->setFrame(cg::RectMake(0, 0, kCheckSize, kCheckSize));
    selectImageView_->setHidden(true);
    container_->addSubview(selectImageView_);

    rightProgressLB_ = ui::Label::create(cg::RectMake(0, 0, kRightLabelWidth, kRightLabelHeight));
    rightProgressLB_->setFont(ui::Font::systemFontOfSize(12));
    rightProgressLB_->setTextAlignment(ui::TextAlignment::Center);
    rightProgressLB_->setTextColor(grey(153));
    rightProgressLB_->setBackgroundColor(ui::Color::clearColor());
    rightProgressLB_->setHidden(true);
    container_->addSubview(rightProgressLB_);

    rightDeleteBtn_ = ui::Button::create(cg::RectMake(0, 0, kDeleteWidth, kDeleteHeight));
    if (auto image = ui::Image::imageNamed("sharefile_delbtn"))
        rightDeleteBtn_->setBackgroundImage(image->stretchableImageWithLeftCapWidth(5, 5), ui::ControlStateNormal);
    rightDeleteBtn_->setTitle(std::string("删除"), ui::ControlStateNormal);
    rightDeleteBtn_->setTitleColor(failedRed(), ui::ControlStateNormal);
    rightDeleteBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(13));
    rightDeleteBtn_->setHidden(true);
    rightDeleteBtn_->addTarget(self<TAVOFileInfoCell>(), &TAVOFileInfoCell::deleteFailFile, "deleteFailFile",
                               ui::ControlEventTouchUpInside);
    container_->addSubview(rightDeleteBtn_);
}

void TAVOFileInfoCell::layoutSubviews() {
    SlideTableViewCell::layoutSubviews();
    const cg::Size content = contentView()->bounds().size;
    const double width = content.width - 2 * kSideInset;
    const double height = content.height;
    container_->setFrame(cg::RectMake(kSideInset, 0, width, height));
    iconImageView_->setFrame(cg::RectMake(0, (height - kIconSize) / 2, kIconSize, kIconSize));
    const double textX = kIconSize + kIconGap;
    // Name, then the date and size (or the bar) under it, as one block
    // centred in the row.
    const double block = kNameHeight + kDetailHeight;
    const double top = (height - block) / 2;
    nameLB_->setFrame(cg::RectMake(textX, top, kNameWidth, kNameHeight));
    timeLB_->setFrame(cg::RectMake(textX, top + kNameHeight, kTimeWidth, kDetailHeight));
    sizeLB_->setFrame(cg::RectMake(textX + kTimeWidth, top + kNameHeight, kSizeWidth, kDetailHeight));
    progressView_->setFrame(cg::RectMake(textX, top + kNameHeight + (kDetailHeight - kBarHeight) / 2, kBarWidth, kBarHeight));
    rightImageView_->setFrame(cg::RectMake(width - kArrowWidth, (height - kArrowHeight) / 2, kArrowWidth, kArrowHeight));
    selectImageView_->setFrame(cg::RectMake(width - kCheckSize, (height - kCheckSize) / 2, kCheckSize, kCheckSize));
    rightProgressLB_->setFrame(
        cg::RectMake(width - kRightLabelWidth, (height - kRightLabelHeight) / 2, kRightLabelWidth, kRightLabelHeight));
    rightDeleteBtn_->setFrame(cg::RectMake(width - kDeleteWidth, (height - kDeleteHeight) / 2, kDeleteWidth, kDeleteHeight));
}

void TAVOFileInfoCell::showRight(bool arrow, bool bar, const char* word, bool deleteButton) {
    rightImageView_->setHidden(!arrow);
    progressView_->setHidden(!bar);
    rightProgressLB_->setHidden(word == nullptr);
    rightProgressLB_->setText(word ? word : "");
    selectImageView_->setHidden(true);
    rightDeleteBtn_->setHidden(!deleteButton);
}

void TAVOFileInfoCell::bindModel(const TAVOFileInfoPtr& info) {
    fileInfo_ = info;
    if (!info) return;
    iconImageView_->setImage(ui::Image::imageNamed(info->fileLogoUrl));
    nameLB_->setText(info->fileName);
    timeLB_->setText(info->time);
    timeLB_->setTextColor(grey(153));
    sizeLB_->setText(info->fileType == 1 ? info->size : "");
    selectImageView_->setImage(ui::Image::imageNamed("checkbox_list"));
    const bool folder = info->fileType == 0;
    auto details = [this](bool shown) {
        timeLB_->setHidden(!shown);
        sizeLB_->setHidden(!shown);
    };
    auto failed = [this, &details](const char* word) {
        details(false);
        timeLB_->setHidden(false);
        timeLB_->setText(word);
        timeLB_->setTextColor(failedRed());
        showRight(false, false, nullptr, true);
    };
    switch (info->state) {
        case TAVOFileInfo::Idle:
            details(true);
            showRight(folder, false, nullptr, false);
            break;
        case TAVOFileInfo::Uploading:
            details(false);
            showRight(false, true, "上传中", false);
            break;
        case TAVOFileInfo::UploadFailed:
            failed("上传失败");
            break;
        case TAVOFileInfo::Downloading:
            details(false);
            showRight(false, true, "下载中", false);
            progressView_->setProgress(0);
            break;
        case TAVOFileInfo::DownloadFailed:
            failed("下载失败");
            break;
        case TAVOFileInfo::Completed:
            if (folder) {
                showRight(true, false, nullptr, false);
            } else {
                details(true);
                showRight(false, false, "已完成", false);
            }
            break;
        case TAVOFileInfo::Paused:
            details(false);
            showRight(false, true, "暂停", false);
            break;
        case TAVOFileInfo::Waiting:
            details(false);
            showRight(false, true, "等待中", false);
            break;
        default:
            break;
    }
    if (info->isBigFile) {
        details(false);
        rightImageView_->setHidden(true);
        progressView_->setHidden(true);
        rightProgressLB_->setHidden(true);
        selectImageView_->setHidden(true);
        rightDeleteBtn_->setHidden(true);
    }
    if (info->isSelected) {
        details(true);
        rightImageView_->setHidden(true);
        progressView_->setHidden(true);
        rightProgressLB_->setHidden(true);
        rightDeleteBtn_->setHidden(true);
        selectImageView_->setHidden(false);
        selectImageView_->setImage(ui::Image::imageNamed("checkbox_checked"));
    }
}

void TAVOFileInfoCell::setShowSelectView(bool show) {
    showSelectView_ = show;
    if (show) {
        rightProgressLB_->setHidden(true);
        rightImageView_->setHidden(true);
    }
    selectImageView_->setHidden(!show);
}

void TAVOFileInfoCell::deleteFailFile() {
    if (auto d = fileInfoCellDelegate_.lock()) d->cellDeleteFileInfo(*this, fileInfo_);
}

void TAVOFileInfoCell::setHighlighted(bool highlighted, bool animated) {
    SlideTableViewCell::setHighlighted(highlighted, animated);
    if (subviews().empty()) return;
    auto first = subviews().front();
    if (highlighted) {
        first->setBackgroundColor(grey(238));
    } else {
        ui::ViewAnimation::animate(0.2, [first] { first->setBackgroundColor(ui::Color::clearColor()); });
    }
}
