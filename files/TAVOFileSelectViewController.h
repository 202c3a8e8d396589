// The base of the file tab's two lists: the empty-list picture and text,
// the loading and no-data flags, and the select-mode plumbing. Everything
// about the navigation bar, toasts and the loading panel goes to the file
// tab that holds the list (the host).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/TAVOFileListHost.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVOFileSelectViewController : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    static constexpr double kBottomArea = 50;
    static constexpr double kTabStripHeight = 44;

    void viewDidLoad() override;

    void setHost(const std::shared_ptr<TAVOFileListHost>& host) { host_ = host; }
    std::shared_ptr<TAVOFileListHost> host() const { return host_.lock(); }

    // The host's mode: 0 normal, 1 select.
    void gotoMode(int mode);
    virtual void selectMore() {}
    virtual void cancelSelect() {}
    virtual void selectAll() {}
    virtual void deSelectAll() {}
    // The title "n selected" and the right button "select all" / "select none".
    void changeNavBarTextOfItems(const std::vector<TAVOFileInfoPtr>& items);

    bool noData() const { return noData_; }
    virtual void setNoData(bool noData);
    bool loading() const { return loading_; }
    void setLoading(bool loading);
    void showError(const TAVOErrorPtr& error);
    void showToast(const std::string& text);

    const ui::ImageViewPtr& noFileImageView() const { return noFileImageView_; }
    const ui::LabelPtr& noFileLB() const { return noFileLB_; }

    // The height above the 50-point bottom area, the bars and the tab strip.
    double listHeight();

private:
    void setupNoDataUI();

    std::weak_ptr<TAVOFileListHost> host_;
    ui::ImageViewPtr noFileImageView_;
    ui::LabelPtr noFileLB_;
    bool noData_ = false;
    bool loading_ = false;
};
