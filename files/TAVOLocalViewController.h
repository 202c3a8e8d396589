// The file tab's second page, "已下载": the files of the phone's document
// folder with the downloads that are queued, running, paused or failed,
// and the download queue that fetches what the router-disk page hands over.
// A tap pauses a running download, resumes a paused one or offers a
// finished file to other applications; failed and finished rows can be
// deleted, also several at once in select mode.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/TAVODownloadQueue.h"
#include "files/TAVOFileInfoCell.h"
#include "files/TAVOFileSelectViewController.h"
#include "platform/ui/Button.h"
#include "platform/ui/DocumentInteractionController.h"
#include "platform/ui/TableView.h"

class TAVOLocalViewController : public TAVOFileSelectViewController,
                                public ui::TableViewDataSource,
                                public ui::TableViewDelegate,
                                public SlideTableViewCellDelegate,
                                public ui::DocumentInteractionControllerDelegate,
                                public TAVOFileInfoCellDelegate,
                                public TAVODownloadQueueDelegate {
public:
    using TAVOFileSelectViewController::TAVOFileSelectViewController;

    void viewDidLoad() override;

    // The router-disk page's hand-off.
    void doAddWatingItems(const std::vector<TAVOFileInfoPtr>& records);
    // Rebuilds the rows: queued, failed, paused, then the folder's files.
    void loadData();

    void selectMore() override;
    void cancelSelect() override;
    void selectAll() override;
    void deSelectAll() override;
    void setNoData(bool noData) override;

    // Acts on a row by its state (pause, resume, open).
    void tapRow(long row);
    // Deletes one record by its state.
    void doCharmDeleteFile(const TAVOFileInfoPtr& record);

    const ui::TableViewPtr& localTableView() const { return localTableView_; }
    const std::vector<TAVOFileInfoPtr>& localItems() const { return localItems_; }
    const TAVODownloadQueuePtr& downloads() const { return downloads_; }
    bool inSelectMode() const { return inSelectMode_; }
    const ui::ViewPtr& operationView() const { return operationView_; }
    const std::shared_ptr<ui::DocumentInteractionController>& documentInteractionVC() const { return documentInteractionVC_; }

    // Table.
    long numberOfRowsInSection(ui::TableView&, long) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    void didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override;
    // Swipe buttons.
    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell, std::size_t index) override;
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SlideTableViewCell&) override { return true; }
    bool swipeableTableViewCellCanSwipeToState(SlideTableViewCell&, SlideCellState) override { return !inSelectMode_; }
    // The failed row's delete button.
    void cellDeleteFileInfo(TAVOFileInfoCell& cell, const TAVOFileInfoPtr& info) override;
    // The download queue.
    void downloadQueueDidChange() override { loadData(); }
    void downloadQueueProgress(const TAVOFileInfoPtr& record, double done, double total) override;
    void downloadQueueShowError(const TAVOErrorPtr& error) override { showError(error); }
    void downloadQueueRefused(const std::string& message) override { showToast(message); }

private:
    void deleteSelected();
    void removeRow(const TAVOFileInfoPtr& record);
    void openFileAtIndex(long row);

    ui::TableViewPtr localTableView_;
    ui::ViewPtr operationView_;
    std::vector<TAVOFileInfoPtr> localItems_;
    bool inSelectMode_ = false;
    TAVODownloadQueuePtr downloads_;
    std::shared_ptr<ui::DocumentInteractionController> documentInteractionVC_;
};

using TAVOLocalViewControllerPtr = std::shared_ptr<TAVOLocalViewController>;
