// The picker's grid of one album: thumbnails four to a row with check
// marks, and the upload button that hands the chosen items back. The items
// are read on a background thread; the grid shows them once all are read.
// Items of 1 GiB or more cannot be chosen.
#pragma once

#include <memory>
#include <vector>

#include "files/MPAsset.h"
#include "files/MPAssetDelegates.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ViewController.h"
#include "widgets/CustomizedHUD.h"

class MPAlbumPickerController;

class MPAssetTablePickerCtroller : public ui::ViewController,
                                   public ui::TableViewDataSource,
                                   public ui::TableViewDelegate,
                                   public MPAssetDelegate {
public:
    using ui::ViewController::ViewController;
    static constexpr double kRowHeight = 79;
    static constexpr double kBottomBar = 50;
    static constexpr std::int64_t kSizeLimit = 1073741824;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    bool isSelectVideo = false;
    bool singleSelection = false;
    bool immediateReturn = false;
    int columns = 4;
    void setParent(const std::shared_ptr<MPAlbumPickerController>& parent) { parent_ = parent; }
    void setAssetGroup(const ui::AssetsGroupPtr& group) { assetGroup_ = group; }
    void setAssetPickerFilterDelegate(const std::shared_ptr<MPAssetPickerFilterDelegate>& d) { filter_ = d; }

    const std::vector<MPAssetPtr>& mpAssets() const { return mpAssets_; }
    bool loaded() const { return loaded_; }
    const ui::ButtonPtr& uploadBtn() const { return uploadBtn_; }
    const ui::TableViewPtr& pickerTableView() const { return pickerTableView_; }
    const CustomizedHUDPtr& hud() const { return hud_; }
    int totalSelectedAssets() const;
    void doneAction();

    long numberOfRowsInSection(ui::TableView&, long) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }

    void assetSelected(MPAsset& asset) override;
    void assetCancelSelected(MPAsset& asset) override;
    bool shouldSelectAsset(MPAsset& asset) override;

private:
    void preparePhotos();
    void updateButtonTitle();
    void back();
    void showToast(int type, const std::string& message, double interval);

    std::weak_ptr<MPAlbumPickerController> parent_;
    ui::AssetsGroupPtr assetGroup_;
    std::weak_ptr<MPAssetPickerFilterDelegate> filter_;
    std::vector<MPAssetPtr> mpAssets_;
    bool loaded_ = false;
    CustomizedHUDPtr hud_;
    ui::LabelPtr titleLB_;
    ui::TableViewPtr pickerTableView_;
    ui::ButtonPtr uploadBtn_;
};

using MPAssetTablePickerCtrollerPtr = std::shared_ptr<MPAssetTablePickerCtroller>;
