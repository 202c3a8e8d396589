#include "files/MPAssetTablePickerCtroller.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "files/MPAlbumPickerController.h"
#include "files/MPAssetCell.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Format.h"
#include "platform/ui/NavigationController.h"

void MPAssetTablePickerCtroller::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    view()->setBackgroundColor(ui::Color::rgb255(248, 248, 248));
    const cg::Size size = view()->bounds().size;

    titleLB_ = ui::Label::create(cg::RectMake(0, 0, 160, 44));
    titleLB_->setFont(ui::Font::boldSystemFontOfSize(18));
    titleLB_->setTextColor(ui::Color::whiteColor());
    titleLB_->setTextAlignment(ui::TextAlignment::Center);
    titleLB_->setBackgroundColor(ui::Color::clearColor());
    titleLB_->setText(isSelectVideo ? "选择视频" : "选择图片");
    navigationItem().titleView = titleLB_;
    navigationItem().title = titleLB_->text();
    auto back = ui::Button::create(cg::RectMake(0, 0, 50, 44));
    back->setTitle(std::string("返回"), ui::ControlStateNormal);
    back->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    back->titleLabel()->setFont(ui::Font::systemFontOfSize(16));
    back->addTarget(self<MPAssetTablePickerCtroller>(), &MPAssetTablePickerCtroller::back, "back", ui::ControlEventTouchUpInside);
    navigationItem().leftBarButtonView = back;

    auto bar = ui::View::create(cg::RectMake(0, size.height - kBottomBar, size.width, kBottomBar));
    bar->setBackgroundColor(ui::Color::rgb255(42, 47, 47));
    bar->setAutoresizingMask(ui::ViewAutoresizingFlexibleTopMargin | ui::ViewAutoresizingFlexibleWidth);
    uploadBtn_ = ui::Button::create(cg::RectMake((size.width - 250) / 2, (kBottomBar - 35) / 2, 250, 35));
    if (auto image = ui::Image::imageNamed("public_btn01")) {
        uploadBtn_->setBackgroundImage(image->stretchableImageWithLeftCapWidth(8, 8), ui::ControlStateNormal);
        uploadBtn_->setBackgroundImage(image->stretchableImageWithLeftCapWidth(8, 8), ui::ControlStateDisabled);
    }
    if (auto image = ui::Image::imageNamed("public_btn01_pre"))
        uploadBtn_->setBackgroundImage(image->stretchableImageWithLeftCapWidth(8, 8), ui::ControlStateHighlighted);
    uploadBtn_->setTitle(std::string("上传"), ui::ControlStateNormal);
    uploadBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(18));
    uploadBtn_->addTarget(self<MPAssetTablePickerCtroller>(), &MPAssetTablePickerCtroller::doneAction, "doneAction",
                          ui::ControlEventTouchUpInside);
    bar->addSubview(uploadBtn_);
    view()->addSubview(bar);

    // The grid starts below the picker's bar, which the view reaches under.
    const double top = navigationController() ? 20 + ui::NavigationController::kBarHeight : 0;
    pickerTableView_ = ui::TableView::create(cg::RectMake(0, top, size.width, size.height - kBottomBar - top));
    pickerTableView_->setBackgroundColor(ui::Color::clearColor());
    pickerTableView_->separatorStyle = 0;
    pickerTableView_->allowsSelection = false;
    pickerTableView_->setRowHeight(kRowHeight);
    pickerTableView_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self<MPAssetTablePickerCtroller>()));
    pickerTableView_->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self<MPAssetTablePickerCtroller>()));
    view()->addSubview(pickerTableView_);
    preparePhotos();
}

void MPAssetTablePickerCtroller::viewWillAppear(bool animated) {
    ui::ViewController::viewWillAppear(animated);
    columns = static_cast<int>(view()->bounds().size.width / 80);
}

void MPAssetTablePickerCtroller::back() {
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

void MPAssetTablePickerCtroller::preparePhotos() {
    auto weak = std::weak_ptr<MPAssetTablePickerCtroller>(self<MPAssetTablePickerCtroller>());
    auto group = assetGroup_;
    // The folder is read off the main thread; the grid takes the items
    // only once all of them are read.
    dispatch::Queue::global()->async([weak, group] {
        auto assets = group ? group->assets() : std::vector<ui::AssetPtr>();
        dispatch::Queue::main()->async([weak, assets] {
            auto self = weak.lock();
            if (!self) return;
            auto parent = std::static_pointer_cast<MPAssetDelegate>(self);
            auto filter = self->filter_.lock();
            for (const auto& asset : assets) {
                if (filter && filter->isAssetFilteredOut(*self, asset)) continue;
                auto item = MPAsset::create(asset);
                item->setParent(parent);
                self->mpAssets_.push_back(item);
            }
            self->loaded_ = true;
            self->pickerTableView_->reloadData();
        });
    });
}

long MPAssetTablePickerCtroller::numberOfRowsInSection(ui::TableView&, long) {
    const int perRow = columns > 0 ? columns : 4;
    return static_cast<long>(std::ceil(static_cast<double>(mpAssets_.size()) / perRow));
}

ui::TableViewCellPtr MPAssetTablePickerCtroller::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    auto cell = std::dynamic_pointer_cast<MPAssetCell>(table.dequeueReusableCellWithIdentifier("assets"));
    if (!cell) cell = MPAssetCell::create("assets");
    cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
    const int perRow = columns > 0 ? columns : 4;
    std::vector<MPAssetPtr> row;
    for (std::size_t i = static_cast<std::size_t>(ip.row) * perRow; i < mpAssets_.size() && row.size() < static_cast<std::size_t>(perRow); ++i)
        row.push_back(mpAssets_[i]);
    cell->setAssets(row);
    return cell;
}

int MPAssetTablePickerCtroller::totalSelectedAssets() const {
    int count = 0;
    for (const auto& a : mpAssets_)
        if (a->selected()) ++count;
    return count;
}

bool MPAssetTablePickerCtroller::shouldSelectAsset(MPAsset& asset) {
    auto parent = parent_.lock();
    return parent ? parent->shouldSelectAsset(asset, totalSelectedAssets()) : true;
}

void MPAssetTablePickerCtroller::assetSelected(MPAsset& asset) {
    const auto rep = asset.asset ? asset.asset->defaultRepresentation() : nullptr;
    if (rep && rep->size() >= kSizeLimit) {
        showToast(CustomizedHUDTypeWarning, rep->filename() + TAVOLocalizedString("big file"), 2);
        asset.setSelected(false);
        return;
    }
    updateButtonTitle();
}

void MPAssetTablePickerCtroller::assetCancelSelected(MPAsset&) { updateButtonTitle(); }

void MPAssetTablePickerCtroller::updateButtonTitle() {
    const int count = totalSelectedAssets();
    uploadBtn_->setTitle(count > 0 ? ns::format("上传 (%d)", count) : std::string("上传"), ui::ControlStateNormal);
}

void MPAssetTablePickerCtroller::doneAction() {
    std::vector<ui::AssetPtr> chosen;
    for (const auto& a : mpAssets_)
        if (a->selected()) chosen.push_back(a->asset);
    if (auto parent = parent_.lock()) parent->selectedAssets(chosen);
}

void MPAssetTablePickerCtroller::showToast(int type, const std::string& message, double interval) {
    auto hud = CustomizedHUD::showHUDAddedTo(view(), type, true);
    hud->setDetailsLabelText(message);
    hud->setRemoveFromSuperViewOnHide(true);
    hud->hideAfterDelay(true, interval);
    if (hud_ && hud_ != hud) hud_->hide(false);
    hud_ = hud;
}
