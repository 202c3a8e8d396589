// The picker's first screen: the phone's albums that hold photos (or
// videos), the camera roll first, then by item count, largest first.
// Choosing one opens its grid.
#pragma once

#include <memory>
#include <vector>

#include "files/MPAssetDelegates.h"
#include "platform/ui/AssetsLibrary.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ViewController.h"

class MPImagePickerController;

class MPAlbumPickerController : public ui::ViewController,
                                public ui::TableViewDataSource,
                                public ui::TableViewDelegate,
                                public MPAssetSelectionDelegate {
public:
    using ui::ViewController::ViewController;
    static constexpr double kRowHeight = 100;

    void viewDidLoad() override;

    bool isSelectVideo = false;
    void setParent(const std::shared_ptr<MPImagePickerController>& picker) { picker_ = picker; }
    void setAssetPickerFilterDelegate(const std::shared_ptr<MPAssetPickerFilterDelegate>& d) { filter_ = d; }
    const std::vector<ui::AssetsGroupPtr>& assetGroups() const { return assetGroups_; }
    const ui::TableViewPtr& tableView() const { return tableView_; }
    const ui::LabelPtr& titleLB() const { return titleLB_; }
    // Opens the grid of the album in that row.
    void openAlbum(long row);

    long numberOfRowsInSection(ui::TableView&, long) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath& ip) override { openAlbum(ip.row); }

    void selectedAssets(const std::vector<ui::AssetPtr>& assets) override;
    bool shouldSelectAsset(MPAsset& asset, int previousCount) override;

private:
    void loadGroups();
    void cancel();

    std::weak_ptr<MPImagePickerController> picker_;
    std::weak_ptr<MPAssetPickerFilterDelegate> filter_;
    std::vector<ui::AssetsGroupPtr> assetGroups_;
    ui::AssetsLibraryPtr library_;
    ui::TableViewPtr tableView_;
    ui::LabelPtr titleLB_;
};

using MPAlbumPickerControllerPtr = std::shared_ptr<MPAlbumPickerController>;
