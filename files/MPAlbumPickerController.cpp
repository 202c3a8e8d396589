#include "files/MPAlbumPickerController.h"

#include <algorithm>

#include "files/MPAlbumCell.h"
#include "files/MPAssetTablePickerCtroller.h"
#include "files/MPImagePickerController.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "uikit/MAAlertView.h"

void MPAlbumPickerController::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    // A plain table's white, also under the picker's bar: the screen it
    // is presented over never shows through.
    view()->setBackgroundColor(ui::Color::whiteColor());
    const double top = navigationController() ? 20 + ui::NavigationController::kBarHeight : 0;
    cg::Rect frame = view()->bounds();
    frame.origin.y += top;
    frame.size.height -= top;
    tableView_ = ui::TableView::create(frame);
    tableView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    tableView_->separatorStyle = 0;
    tableView_->setRowHeight(kRowHeight);
    tableView_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self<MPAlbumPickerController>()));
    tableView_->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self<MPAlbumPickerController>()));
    view()->addSubview(tableView_);

    titleLB_ = ui::Label::create(cg::RectMake(0, 0, 160, 44));
    titleLB_->setFont(ui::Font::boldSystemFontOfSize(18));
    titleLB_->setTextColor(ui::Color::whiteColor());
    titleLB_->setTextAlignment(ui::TextAlignment::Center);
    titleLB_->setBackgroundColor(ui::Color::clearColor());
    titleLB_->setText("加载中...");
    navigationItem().titleView = titleLB_;
    auto cancel = ui::Button::create(cg::RectMake(0, 0, 50, 44));
    cancel->setTitle(std::string("取消"), ui::ControlStateNormal);
    cancel->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    cancel->titleLabel()->setFont(ui::Font::systemFontOfSize(16));
    cancel->addTarget(self<MPAlbumPickerController>(), &MPAlbumPickerController::cancel, "cancelImagePicker",
                      ui::ControlEventTouchUpInside);
    navigationItem().rightBarButtonView = cancel;

    auto weak = std::weak_ptr<MPAlbumPickerController>(self<MPAlbumPickerController>());
    dispatch::Queue::main()->async([weak] {
        if (auto self = weak.lock()) self->loadGroups();
    });
}

void MPAlbumPickerController::cancel() {
    if (auto picker = picker_.lock()) picker->cancelImagePicker();
}

void MPAlbumPickerController::loadGroups() {
    library_ = ui::AssetsLibrary::create();
    auto weak = std::weak_ptr<MPAlbumPickerController>(self<MPAlbumPickerController>());
    library_->enumerateGroupsWithTypes(
        ui::AssetsGroupAll,
        [weak](const ui::AssetsGroupPtr& group) {
            auto self = weak.lock();
            if (!self || !group) return;
            group->setAssetsFilter(self->isSelectVideo ? ui::AssetsFilter::AllVideos : ui::AssetsFilter::AllPhotos);
            if (group->numberOfAssets() <= 0) return;
            if (group->type() == ui::AssetsGroupSavedPhotos && group->name() == ui::AssetsLibrary::kSavedPhotosName)
                self->assetGroups_.insert(self->assetGroups_.begin(), group);
            else
                self->assetGroups_.push_back(group);
            std::stable_sort(self->assetGroups_.begin(), self->assetGroups_.end(),
                             [](const ui::AssetsGroupPtr& a, const ui::AssetsGroupPtr& b) {
                                 return a->numberOfAssets() > b->numberOfAssets();
                             });
            self->tableView_->reloadData();
            self->titleLB_->setText(self->isSelectVideo ? "视频" : "图片");
        },
        [weak](const ns::ErrorPtr& error) {
            auto self = weak.lock();
            if (!self) return;
            auto alert = MAAlertView::create("Error", ns::format("Album Error: %s - %s", error->localizedDescription().c_str(),
                                                                 error->userInfo()["NSLocalizedRecoverySuggestion"].stringValue().c_str()));
            alert->addButtonWithTitle("Ok", MAAlertViewButtonTypeCancel, nullptr);
            alert->show();
        });
}

long MPAlbumPickerController::numberOfRowsInSection(ui::TableView&, long) { return static_cast<long>(assetGroups_.size()); }

ui::TableViewCellPtr MPAlbumPickerController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    auto cell = std::dynamic_pointer_cast<MPAlbumCell>(table.dequeueReusableCellWithIdentifier("album"));
    if (!cell) cell = MPAlbumCell::create("album");
    if (ip.row < 0 || ip.row >= static_cast<long>(assetGroups_.size())) return cell;
    const auto& group = assetGroups_[static_cast<std::size_t>(ip.row)];
    cell->nameLB()->setText(group->name());
    cell->countLB()->setText(ns::format("%ld", group->numberOfAssets()));
    cell->thumbnailImageView()->setImage(group->posterImage());
    cell->setAccessoryType(ui::TableViewCellAccessoryType::DisclosureIndicator);
    return cell;
}

void MPAlbumPickerController::openAlbum(long row) {
    if (row < 0 || row >= static_cast<long>(assetGroups_.size())) return;
    auto grid = ui::ViewController::make<MPAssetTablePickerCtroller>();
    grid->isSelectVideo = isSelectVideo;
    grid->setParent(self<MPAlbumPickerController>());
    auto group = assetGroups_[static_cast<std::size_t>(row)];
    group->setAssetsFilter(isSelectVideo ? ui::AssetsFilter::AllVideos : ui::AssetsFilter::AllPhotos);
    grid->setAssetGroup(group);
    if (auto filter = filter_.lock()) grid->setAssetPickerFilterDelegate(filter);
    if (auto nav = navigationController()) nav->pushViewController(grid, true);
}

void MPAlbumPickerController::selectedAssets(const std::vector<ui::AssetPtr>& assets) {
    if (auto picker = picker_.lock()) picker->selectedAssets(assets);
}

bool MPAlbumPickerController::shouldSelectAsset(MPAsset& asset, int previousCount) {
    auto picker = picker_.lock();
    return picker ? picker->shouldSelectAsset(asset, previousCount) : true;
}
