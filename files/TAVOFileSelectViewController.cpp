#include "files/TAVOFileSelectViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "widgets/CustomizedHUD.h"

namespace {
// The status bar and the navigation bar above the list.
constexpr double kBarsHeight = 20 + 44;
constexpr double kPictureWidth = 54, kPictureHeight = 69;
}  // namespace

void TAVOFileSelectViewController::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    setupNoDataUI();
}

double TAVOFileSelectViewController::listHeight() {
    return view()->bounds().size.height - kBottomArea - kBarsHeight - kTabStripHeight;
}

void TAVOFileSelectViewController::setupNoDataUI() {
    const double width = view()->bounds().size.width;
    const double y = (listHeight() - kPictureHeight) / 2;
    noFileImageView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("sharefile_nofile"));
    noFileImageView_->setContentMode(ui::ContentMode::ScaleAspectFit);
    noFileImageView_->setFrame(cg::RectMake((width - kPictureWidth) / 2, y, kPictureWidth, kPictureHeight));
    noFileImageView_->setHidden(true);
    view()->addSubview(noFileImageView_);

    noFileLB_ = ui::Label::create(cg::RectMake(0, y + kPictureHeight, width, 40));
    noFileLB_->setBackgroundColor(ui::Color::clearColor());
    noFileLB_->setTextAlignment(ui::TextAlignment::Center);
    noFileLB_->setFont(ui::Font::systemFontOfSize(18));
    noFileLB_->setTextColor(ui::Color::rgb255(153, 153, 153));
    noFileLB_->setText("没有文件");
    noFileLB_->setHidden(true);
    view()->addSubview(noFileLB_);
}

void TAVOFileSelectViewController::gotoMode(int mode) {
    if (auto h = host()) h->setCurrentMode(mode);
}

void TAVOFileSelectViewController::changeNavBarTextOfItems(const std::vector<TAVOFileInfoPtr>& items) {
    auto h = host();
    if (!h) return;
    int selected = 0;
    for (const auto& item : items)
        if (item && item->isSelected) ++selected;
    h->changeTitle(ns::format(TAVOLocalizedString("select file count"), selected));
    const bool all = selected == static_cast<int>(items.size());
    h->setRightBarItemText(TAVOLocalizedString(all ? "select none" : "select all"));
}

void TAVOFileSelectViewController::setNoData(bool noData) {
    noData_ = noData;
    if (!isViewLoaded()) return;
    noFileImageView_->setHidden(!noData);
    noFileLB_->setHidden(!noData);
}

void TAVOFileSelectViewController::setLoading(bool loading) {
    if (auto h = host()) {
        if (loading) h->showLoading(); else h->dismisLoading();
    }
    loading_ = loading;
}

void TAVOFileSelectViewController::showError(const TAVOErrorPtr& error) {
    if (auto h = host()) h->showError(error);
}

void TAVOFileSelectViewController::showToast(const std::string& text) {
    if (auto h = host()) h->showFileToast(CustomizedHUDTypeWarning, text);
}
