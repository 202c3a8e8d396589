// The file tab's first page, "共享文件": one folder of the router's USB disk
// at a time, newest first, under the folder path strip, with the uploads of
// that folder (waiting, running, paused, failed) mixed into the listing.
// Files go to the downloaded-files page's queue; deletes on the router ask
// for a confirmation and the router's admin password; the USB status
// banners stand in for the list when the file tab asks for them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/TAVOFileInfoCell.h"
#include "files/TAVOFileSelectViewController.h"
#include "files/TAVOFolderTreeCell.h"
#include "files/TAVOHTreeView.h"
#include "files/TAVOUploadQueue.h"
#include "platform/ui/Button.h"
#include "platform/ui/TableView.h"
#include "uikit/PullDownView.h"

class TAVOOnlineViewController : public TAVOFileSelectViewController,
                                 public ui::TableViewDataSource,
                                 public ui::TableViewDelegate,
                                 public SlideTableViewCellDelegate,
                                 public TAVOFileInfoCellDelegate,
                                 public TAVOHTreeViewDataSource,
                                 public TAVOHTreeViewDelegate,
                                 public TAVOUploadQueueDelegate {
public:
    using TAVOFileSelectViewController::TAVOFileSelectViewController;
    static constexpr double kStripHeight = 44;
    static constexpr double kNavigationSlide = 0.2;
    static constexpr const char* kRootNodeText = "根目录";
    static constexpr const char* kNoFolderMessage = "请先打开一个文件夹";

    void viewDidLoad() override;

    // Lists the root folder.
    void loadData();
    void refreshData();
    void getFiles(const std::string& path);

    void selectMore() override;
    void cancelSelect() override;
    void selectAll() override;
    void deSelectAll() override;
    void setNoData(bool noData) override;

    // The USB status banners.
    bool showUSBStatus() const { return showUSBStatus_; }
    void setShowUSBStatus(bool show);
    void usbInsert();
    void usbNotInsert();
    void remoteNotUseUSBTip();
    void connectWiFi();

    // The picker intake: records for the open folder.
    void doAddWaitingItems(const std::vector<TAVOFileInfoPtr>& records);

    // Navigation through the path strip.
    void addNodes(const std::string& name);
    void removeNodesAtIndex(unsigned index);

    // A row tap, as the table reports it.
    void tapRow(long row);
    void doCharmDeleteFile(const TAVOFileInfoPtr& record);
    void downloadBtnClick();
    void deleteBtnClick();
    bool checkCanDownload(double bytes) const;

    const TAVOFileInfoPtr& currentDir() const { return currentDir_; }
    const std::vector<TAVOFileInfoPtr>& onLineItems() const { return onLineItems_; }
    const std::vector<std::string>& treeNodes() const { return treeNodes_; }
    unsigned folderSelectedIndex() const { return folderSelectedIndex_; }
    bool inSelectMode() const { return inSelectMode_; }
    const ui::TableViewPtr& onLineTableView() const { return onLineTableView_; }
    const TAVOHTreeViewPtr& folderTreeView() const { return folderTreeView_; }
    const ui::ViewPtr& operationView() const { return operationView_; }
    const ui::ButtonPtr& downloadOperationBtn() const { return downloadOperationBtn_; }
    const ui::ImageViewPtr& statusImageView() const { return statusImageView_; }
    const ui::LabelPtr& statusLB() const { return statusLB_; }
    const TAVOUploadQueuePtr& uploads() const { return uploads_; }

    // Table.
    long numberOfRowsInSection(ui::TableView&, long) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    void didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    // Swipe buttons and the failed row's delete button.
    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell, std::size_t index) override;
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SlideTableViewCell&) override { return true; }
    bool swipeableTableViewCellCanSwipeToState(SlideTableViewCell&, SlideCellState) override { return !inSelectMode_; }
    void cellDeleteFileInfo(TAVOFileInfoCell& cell, const TAVOFileInfoPtr& info) override;
    // Path strip.
    unsigned numberOfNodesInTreeView(TAVOHTreeView&) override;
    TAVOTreeCellPtr cellForRowAtIndex(TAVOHTreeView&, unsigned index) override;
    double widthForRowAtIndex(TAVOHTreeView&, unsigned index) override;
    void didSelectRowAtIndex(TAVOHTreeView&, unsigned index) override { removeNodesAtIndex(index); }
    // Upload queue.
    void uploadQueueDidChange() override { refreshData(); }
    void uploadQueueProgress(const TAVOFileInfoPtr& record, double progress) override;
    void uploadQueueShowError(const TAVOErrorPtr& error) override { showError(error); }

private:
    void getFileListSuccess(const std::vector<TAVOFileInfoPtr>& entries);
    void getFileFailed(const TAVOErrorPtr& error);
    std::string pathOfNodes() const;
    void checkCanDownloadInSelectMode();
    void reDrawOperationUI(bool enabled);
    void download(const std::vector<TAVOFileInfoPtr>& records);
    // Confirmation, admin password, then the delete on the router; `done`
    // hears whether the router deleted them.
    void doDeleteFiles(const std::vector<TAVOFileInfoPtr>& records, std::function<void(bool)> done);
    void doDeleteOnlineFile(const std::vector<TAVOFileInfoPtr>& records, std::function<void(bool)> done);
    bool isCurrentDir(const TAVOFileInfoPtr& record) const;
    void removeRow(const TAVOFileInfoPtr& record);
    void clearBannerAnimation();
    void showBanner(const char* image, const char* text);
    void pulledDown(PullDownView& header);

    ui::TableViewPtr onLineTableView_;
    ui::ViewPtr operationView_;
    TAVOHTreeViewPtr folderTreeView_;
    ui::ButtonPtr downloadOperationBtn_;
    ui::ButtonPtr deleteOperatoinBtn_;
    ui::ImageViewPtr statusImageView_;
    ui::LabelPtr statusLB_;
    std::vector<TAVOFileInfoPtr> onLineItems_;
    std::vector<std::string> treeNodes_{"/"};
    bool inSelectMode_ = false;
    TAVOUploadQueuePtr uploads_;
    unsigned folderSelectedIndex_ = 0;
    TAVOFileInfoPtr currentDir_;
    bool showUSBStatus_ = false;
    ca::LayerPtr bannerFill_;
};

using TAVOOnlineViewControllerPtr = std::shared_ptr<TAVOOnlineViewController>;
