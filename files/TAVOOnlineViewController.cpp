#include "files/TAVOOnlineViewController.h"

#include "files/TAVOFileManager.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "platform/foundation/Format.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ViewAnimation.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVODeleteFileCommand.h"
#include "protocol/commands/TAVODeleteFileParser.h"
#include "protocol/commands/TAVOFileCommonUtility.h"
#include "protocol/commands/TAVOGetFileListCommand.h"
#include "protocol/commands/TAVOGetFileListParser.h"
#include "uikit/MAAlertView.h"
#include "uikit/SlideUtilityButtons.h"
#include "uikit/UIScrollViewPull.h"
#include "widgets/CustomizedHUD.h"
#include "widgets/MAPasswordAlertView.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr const char* kCellIdentifier = "cell";
constexpr double kBannerWidth = 54, kBannerHeight = 69;
constexpr const char* kDeleteFailed = "文件删除失败.";
constexpr const char* kWrongPassword = "密码错误，请重新输入";

bool hasName(const std::vector<TAVOFileInfoPtr>& list, const std::string& name) {
    return std::any_of(list.begin(), list.end(), [&](const TAVOFileInfoPtr& r) { return r->fileName == name; });
}

}  // namespace

void TAVOOnlineViewController::viewDidLoad() {
    TAVOFileSelectViewController::viewDidLoad();
    uploads_ = TAVOUploadQueue::create();
    uploads_->setDelegate(std::static_pointer_cast<TAVOUploadQueueDelegate>(self<TAVOOnlineViewController>()));
    const double width = view()->bounds().size.width;

    onLineTableView_ = ui::TableView::create(cg::RectMake(0, 0, width, listHeight()));
    onLineTableView_->setBackgroundColor(ui::Color::clearColor());
    onLineTableView_->separatorStyle = 0;
    onLineTableView_->setRowHeight(TAVOFileInfoCell::kRowHeight);
    onLineTableView_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self<TAVOOnlineViewController>()));
    onLineTableView_->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self<TAVOOnlineViewController>()));
    view()->addSubview(onLineTableView_);
    UIScrollViewPull::addHeaderWithTarget(onLineTableView_, self<TAVOOnlineViewController>(),
                                          &TAVOOnlineViewController::pulledDown);

    folderTreeView_ = TAVOHTreeView::create(cg::RectMake(0, 0, width, kStripHeight));
    folderTreeView_->setBackgroundColor(ui::Color::rgb255(248, 248, 248));
    folderTreeView_->setAlpha(0);
    folderTreeView_->setDataSource(std::static_pointer_cast<TAVOHTreeViewDataSource>(self<TAVOOnlineViewController>()));
    folderTreeView_->setDelegate(std::static_pointer_cast<TAVOHTreeViewDelegate>(self<TAVOOnlineViewController>()));
    view()->addSubview(folderTreeView_);

    const double bannerY = (listHeight() - kBannerHeight) / 2 - 40;
    statusImageView_ = ui::ImageView::create(cg::RectMake((width - kBannerWidth) / 2, bannerY, kBannerWidth, kBannerHeight));
    statusImageView_->setContentMode(ui::ContentMode::ScaleAspectFit);
    statusImageView_->setHidden(true);
    view()->addSubview(statusImageView_);
    statusLB_ = ui::Label::create(cg::RectMake(0, bannerY + kBannerHeight, width, 40));
    statusLB_->setTextAlignment(ui::TextAlignment::Center);
    statusLB_->setFont(ui::Font::systemFontOfSize(18));
    statusLB_->setTextColor(ui::Color::rgb255(153, 153, 153));
    statusLB_->setBackgroundColor(ui::Color::clearColor());
    statusLB_->setHidden(true);
    view()->addSubview(statusLB_);
}

// ---- listing ----

void TAVOOnlineViewController::loadData() { getFiles("/"); }

void TAVOOnlineViewController::getFiles(const std::string& path) {
    if (loading()) return;
    setNoData(false);
    onLineItems_.clear();
    onLineTableView_->reloadData();
    setLoading(true);
    auto command = TAVOGetFileListCommand::create();
    command->path = path;
    auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
    TAVOCommonService::localService()->sendCommand(
        command, 0, TAVOGetFileListParser::create(),
        [weak](const ns::Value& result) {
            auto self = weak.lock();
            if (!self) return;
            self->setLoading(false);
            auto folder = result.as<TAVOFileInfo>();
            if (!folder) return;
            self->currentDir_ = folder;
            self->getFileListSuccess(folder->subFiles);
        },
        [weak](const TAVOErrorPtr& error) {
            auto self = weak.lock();
            if (!self) return;
            self->setLoading(false);
            self->getFileFailed(error);
        });
}

void TAVOOnlineViewController::pulledDown(PullDownView&) {
    if (loading()) {
        UIScrollViewPull::headerEndRefreshing(onLineTableView_);
        return;
    }
    refreshData();
}

void TAVOOnlineViewController::refreshData() {
    if (loading() || !currentDir_) {
        UIScrollViewPull::headerEndRefreshing(onLineTableView_);
        return;
    }
    auto command = TAVOGetFileListCommand::create();
    command->path = currentDir_->filePath;
    auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
    TAVOCommonService::localService()->sendCommand(
        command, 0, TAVOGetFileListParser::create(),
        [weak](const ns::Value& result) {
            auto self = weak.lock();
            if (!self) return;
            UIScrollViewPull::headerEndRefreshing(self->onLineTableView_);
            auto folder = result.as<TAVOFileInfo>();
            if (!folder) return;
            self->currentDir_ = folder;
            self->onLineItems_.clear();
            self->getFileListSuccess(folder->subFiles);
        },
        [weak](const TAVOErrorPtr& error) {
            auto self = weak.lock();
            if (!self) return;
            UIScrollViewPull::headerEndRefreshing(self->onLineTableView_);
            self->getFileFailed(error);
        });
}

void TAVOOnlineViewController::getFileListSuccess(const std::vector<TAVOFileInfoPtr>& entries) {
    const std::string folder = currentDir_ ? currentDir_->filePath : std::string("/");
    std::vector<TAVOFileInfoPtr> rows(entries.begin(), entries.end());
    const auto queued = uploads_->getUploadQueueByPath(folder);
    auto paused = TAVOUploadQueue::getStopUploadQueueByPath(folder);
    auto failed = TAVOUploadQueue::getFailedUploadQueue(folder);
    // A record that stands for an upload keeps its place at the top; the
    // listed entry of its name (a partial file) is not shown twice.
    for (const auto& entry : entries) {
        bool shown = !hasName(queued, entry->fileName) && !hasName(failed, entry->fileName);
        for (const auto& p : paused) {
            if (p->fileName != entry->fileName) continue;
            p->sizeLength = entry->totalLength;
            shown = false;
        }
        if (!shown) rows.erase(std::remove(rows.begin(), rows.end(), entry), rows.end());
    }
    for (const auto& p : paused) rows.insert(rows.begin(), p);
    for (const auto& x : failed) rows.insert(rows.begin(), x);
    for (auto it = queued.rbegin(); it != queued.rend(); ++it) rows.insert(rows.begin(), *it);
    onLineItems_ = std::move(rows);
    if (!onLineItems_.empty()) {
        onLineTableView_->reloadData();
        setNoData(false);
    } else {
        setNoData(true);
    }
}

void TAVOOnlineViewController::getFileFailed(const TAVOErrorPtr& error) {
    setNoData(true);
    showError(error);
}

void TAVOOnlineViewController::setNoData(bool noData) {
    TAVOFileSelectViewController::setNoData(noData);
    if (noData && onLineTableView_) onLineTableView_->setHidden(true);
    if (!noData && onLineTableView_ && !showUSBStatus_) onLineTableView_->setHidden(false);
}

// ---- rows ----

long TAVOOnlineViewController::numberOfRowsInSection(ui::TableView&, long) { return static_cast<long>(onLineItems_.size()); }

std::optional<double> TAVOOnlineViewController::heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) {
    return TAVOFileInfoCell::kRowHeight;
}

ui::TableViewCellPtr TAVOOnlineViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    auto cell = std::dynamic_pointer_cast<TAVOFileInfoCell>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) {
        cell = TAVOFileInfoCell::create(kCellIdentifier);
        cell->setFileInfoCellDelegate(std::static_pointer_cast<TAVOFileInfoCellDelegate>(self<TAVOOnlineViewController>()));
        cell->setBackgroundColor(ui::Color::clearColor());
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        std::vector<ui::ButtonPtr> buttons;
        sl_addUtilityButtonWithColor(buttons, ui::Color::rgb255(199, 199, 204), std::string("多选"));
        sl_addUtilityButtonWithColor(buttons, ui::Color::rgb255(255, 59, 48), std::string("删除"));
        cell->setContainingTableView(std::static_pointer_cast<ui::TableView>(table.self<ui::View>()));
        cell->setRightUtilityButtons(buttons);
        cell->setDelegate(std::static_pointer_cast<SlideTableViewCellDelegate>(self<TAVOOnlineViewController>()));
    }
    if (ip.row < 0 || ip.row >= static_cast<long>(onLineItems_.size())) return cell;
    const auto& record = onLineItems_[static_cast<std::size_t>(ip.row)];
    cell->bindModel(record);
    const int state = record->state;
    if ((state == TAVOFileInfo::Paused || state == TAVOFileInfo::Waiting) && record->totalLength > 0)
        cell->progressView()->setProgress(static_cast<float>(record->sizeLength / record->totalLength));
    if (state != TAVOFileInfo::Uploading && state != TAVOFileInfo::UploadFailed && state != TAVOFileInfo::Paused)
        cell->setShowSelectView(inSelectMode_);
    showSeparatorLine(cell, ip.row != 0, ip, table);
    // The first row has no top line, so the call above leaves its bottom
    // line as a reused cell had it: a line under it only when it is also
    // the last row.
    if (ip.row == 0) showBottomSeperatorLine(cell, table.numberOfRowsInSection(ip.section) == 1);
    cell->setCellHeight(TAVOFileInfoCell::kRowHeight);
    cell->hideUtilityButtonsAnimated(false);
    return cell;
}

void TAVOOnlineViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    table.deselectRowAtIndexPath(ip, true);
    tapRow(ip.row);
}

void TAVOOnlineViewController::tapRow(long row) {
    if (row < 0 || row >= static_cast<long>(onLineItems_.size())) return;
    auto record = onLineItems_[static_cast<std::size_t>(row)];
    if (inSelectMode_) {
        record->isSelected = !record->isSelected;
        checkCanDownloadInSelectMode();
        onLineTableView_->reloadRowsAtIndexPaths({ui::IndexPath::indexPathForRow(row, 0)}, ui::TableViewRowAnimation::None);
        changeNavBarTextOfItems(onLineItems_);
        return;
    }
    if (record->fileType == 0) {
        addNodes(record->fileName);
        return;
    }
    switch (record->state) {
        case TAVOFileInfo::Idle: {
            auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"), TAVOLocalizedString("确定要下载该文件吗?"));
            alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, nullptr);
            auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
            alert->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault, [weak, record](const MAAlertViewPtr&) {
                auto self = weak.lock();
                if (!self) return;
                if (!self->checkCanDownload(record->totalLength)) self->showToast("手机存储空间不足");
                else if (record->isBigFile) self->showToast("文件太大，无法下载");
                else self->download({record->copy()});
            });
            alert->show();
            break;
        }
        case TAVOFileInfo::Paused: uploads_->doResumePauseFile(record); break;
        case TAVOFileInfo::Uploading: uploads_->doPauseFile(record); break;
        default: break;
    }
}

bool TAVOOnlineViewController::checkCanDownload(double bytes) const {
    return bytes < TAVOFileCommonUtility::getTotalDiskSpaceInBytes();
}

void TAVOOnlineViewController::download(const std::vector<TAVOFileInfoPtr>& records) {
    if (auto h = host()) h->addDownloads(records);
}

void TAVOOnlineViewController::uploadQueueProgress(const TAVOFileInfoPtr& record, double progress) {
    if (!isCurrentDir(record)) return;
    auto it = std::find(onLineItems_.begin(), onLineItems_.end(), record);
    if (it == onLineItems_.end()) return;
    const auto row = static_cast<long>(it - onLineItems_.begin());
    auto cell = std::dynamic_pointer_cast<TAVOFileInfoCell>(onLineTableView_->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(row, 0)));
    if (!cell) return;
    cell->progressView()->setProgress(static_cast<float>(progress));
    cell->rightProgressLB()->setText(ns::format("%.1f%%", progress * 100));
}

bool TAVOOnlineViewController::isCurrentDir(const TAVOFileInfoPtr& record) const {
    return currentDir_ && record && record->parentPath == currentDir_->filePath;
}

// ---- navigation ----

unsigned TAVOOnlineViewController::numberOfNodesInTreeView(TAVOHTreeView&) { return static_cast<unsigned>(treeNodes_.size()); }

TAVOTreeCellPtr TAVOOnlineViewController::cellForRowAtIndex(TAVOHTreeView&, unsigned index) {
    auto cell = TAVOFolderTreeCell::create();
    cell->bindModel(index == 0 ? kRootNodeText : treeNodes_[index]);
    return cell;
}

double TAVOOnlineViewController::widthForRowAtIndex(TAVOHTreeView&, unsigned index) {
    const std::string text = index == 0 ? kRootNodeText : treeNodes_[index];
    return ui::Font::systemFontOfSize(16).sizeOfString(text).width + 25;
}

std::string TAVOOnlineViewController::pathOfNodes() const {
    std::string joined;
    for (std::size_t i = 0; i < treeNodes_.size(); ++i) joined += (i ? "/" : "") + treeNodes_[i];
    joined += "/";
    return joined.substr(1);
}

void TAVOOnlineViewController::addNodes(const std::string& name) {
    if (folderTreeView_->alpha() == 0) {
        auto strip = folderTreeView_;
        auto table = onLineTableView_;
        const cg::Size size = view()->bounds().size;
        ui::ViewAnimation::animate(kNavigationSlide, 0, ui::ViewAnimationOptionCurveLinear, [strip, table, size] {
            strip->setAlpha(1);
            table->setFrame(cg::RectMake(0, kStripHeight, size.width, size.height - kStripHeight));
        });
    }
    treeNodes_.push_back(name);
    folderTreeView_->reloadData();
    getFiles(pathOfNodes());
    ++folderSelectedIndex_;
}

void TAVOOnlineViewController::removeNodesAtIndex(unsigned index) {
    if (index >= treeNodes_.size()) return;
    if (index == 0) {
        treeNodes_ = {"/"};
        folderTreeView_->reloadData();
        folderSelectedIndex_ = 0;
        if (folderTreeView_->alpha() == 1) {
            auto strip = folderTreeView_;
            auto table = onLineTableView_;
            const cg::Rect bounds = view()->bounds();
            auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
            ui::ViewAnimation::animate(
                kNavigationSlide, 0, ui::ViewAnimationOptionCurveLinear,
                [strip, table, bounds] {
                    strip->setAlpha(0);
                    table->setFrame(bounds);
                },
                [weak](bool) {
                    if (auto self = weak.lock()) self->getFiles("/");
                });
        }
        return;
    }
    if (index == folderSelectedIndex_) return;
    treeNodes_.resize(index + 1);
    folderTreeView_->reloadData();
    getFiles(pathOfNodes());
    folderSelectedIndex_ = index;
}

// ---- select mode ----

void TAVOOnlineViewController::selectMore() {
    if (inSelectMode_) return;
    inSelectMode_ = true;
    onLineTableView_->reloadData();
    if (operationView_) operationView_->removeFromSuperview();
    const double width = view()->bounds().size.width;
    // At the bottom of the visible page rather than at a fixed height.
    operationView_ = ui::View::create(cg::RectMake(width, listHeight(), width, kBottomArea));
    operationView_->setBackgroundColor(ui::Color::rgb255(42, 47, 47));
    const double buttonWidth = (width - 90) / 2;
    auto makeButton = [&](const char* title, double x, const char* normal, const char* pressed, ui::Color color) {
        auto button = ui::Button::create(cg::RectMake(x, 7.5, buttonWidth, 35));
        if (auto image = ui::Image::imageNamed(normal))
            button->setBackgroundImage(image->stretchableImageWithLeftCapWidth(8, 8), ui::ControlStateNormal);
        if (auto image = ui::Image::imageNamed(pressed))
            button->setBackgroundImage(image->stretchableImageWithLeftCapWidth(8, 8), ui::ControlStateHighlighted);
        button->setTitle(std::string(title), ui::ControlStateNormal);
        button->setTitleColor(color, ui::ControlStateNormal);
        button->titleLabel()->setFont(ui::Font::systemFontOfSize(16));
        operationView_->addSubview(button);
        return button;
    };
    downloadOperationBtn_ = makeButton("下载", 30, "public_btn02", "public_btn02_pre", ui::Color::blackColor());
    deleteOperatoinBtn_ = makeButton("删除", buttonWidth + 60, "public_btn03", "public_btn03_pre", ui::Color::whiteColor());
    downloadOperationBtn_->addTarget(self<TAVOOnlineViewController>(), &TAVOOnlineViewController::downloadBtnClick,
                                     "downloadBtnClick", ui::ControlEventTouchUpInside);
    deleteOperatoinBtn_->addTarget(self<TAVOOnlineViewController>(), &TAVOOnlineViewController::deleteBtnClick,
                                   "deleteBtnClick", ui::ControlEventTouchUpInside);
    view()->addSubview(operationView_);
    auto bar = operationView_;
    ui::ViewAnimation::animate(kNavigationSlide, [bar, width] {
        cg::Rect f = bar->frame();
        f.origin.x -= width;
        bar->setFrame(f);
    });
}

void TAVOOnlineViewController::cancelSelect() {
    if (!inSelectMode_) return;
    inSelectMode_ = false;
    const double width = view()->bounds().size.width;
    if (auto bar = operationView_) {
        ui::ViewAnimation::animate(kNavigationSlide, [bar, width] {
            cg::Rect f = bar->frame();
            f.origin.x = width;
            bar->setFrame(f);
        });
    }
    cg::Rect frame = onLineTableView_->frame();
    frame.size.height = view()->bounds().size.height - kBottomArea - frame.origin.y;
    onLineTableView_->setFrame(frame);
    deSelectAll();
}

void TAVOOnlineViewController::selectAll() {
    TAVOFileSelectViewController::selectAll();
    for (const auto& r : onLineItems_) r->isSelected = true;
    onLineTableView_->reloadData();
    checkCanDownloadInSelectMode();
    changeNavBarTextOfItems(onLineItems_);
}

void TAVOOnlineViewController::deSelectAll() {
    TAVOFileSelectViewController::deSelectAll();
    for (const auto& r : onLineItems_) r->isSelected = false;
    onLineTableView_->reloadData();
    changeNavBarTextOfItems(onLineItems_);
}

void TAVOOnlineViewController::checkCanDownloadInSelectMode() {
    const bool folderChosen = std::any_of(onLineItems_.begin(), onLineItems_.end(),
                                          [](const TAVOFileInfoPtr& r) { return r->isSelected && r->fileType == 0; });
    reDrawOperationUI(!folderChosen);
}

void TAVOOnlineViewController::reDrawOperationUI(bool enabled) {
    if (!downloadOperationBtn_) return;
    downloadOperationBtn_->setEnabled(enabled);
    downloadOperationBtn_->setAlpha(enabled ? 1.0 : 0.3);
}

void TAVOOnlineViewController::downloadBtnClick() {
    double total = 0;
    for (const auto& r : onLineItems_)
        if (r->isSelected) total += r->totalLength;
    if (!checkCanDownload(total)) {
        showToast("手机存储空间不足");
        return;
    }
    std::vector<TAVOFileInfoPtr> copies;
    bool tooBig = false;
    for (const auto& r : onLineItems_) {
        if (!r->isSelected || r->fileType != 1) continue;
        // As for one file: a file the router cannot size is left out.
        if (r->isBigFile) {
            tooBig = true;
            continue;
        }
        r->state = TAVOFileInfo::Idle;
        copies.push_back(r->copy());
    }
    if (copies.empty()) {
        showToast(tooBig ? "文件太大，无法下载" : TAVOLocalizedString("select file"));
        return;
    }
    download(copies);
    gotoMode(0);
    onLineTableView_->reloadData();
}

void TAVOOnlineViewController::deleteBtnClick() {
    std::vector<TAVOFileInfoPtr> chosen;
    for (const auto& r : onLineItems_)
        if (r->isSelected) chosen.push_back(r);
    if (chosen.empty()) {
        showToast(TAVOLocalizedString("select file"));
        return;
    }
    auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
    doDeleteFiles(chosen, [weak, chosen](bool deleted) {
        auto self = weak.lock();
        if (!self) return;
        if (deleted) {
            // Uploads among them are over: their queue and stored records go too.
            for (const auto& r : chosen) {
                if (r->state == TAVOFileInfo::Uploading || r->state == TAVOFileInfo::Waiting) self->uploads_->doDeleteWaitingFile(r);
                if (r->state == TAVOFileInfo::Paused)
                    TAVOFileManager::sharedInstance()->deleteFileInfo(r, TAVOFileManager::Stop, TAVOFileManager::Upload, r->parentPath);
                if (r->state == TAVOFileInfo::UploadFailed)
                    TAVOFileManager::sharedInstance()->deleteFileInfo(r, TAVOFileManager::Fail, TAVOFileManager::Upload, r->parentPath);
            }
        }
        self->gotoMode(0);
    });
}

// ---- deleting ----

void TAVOOnlineViewController::swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell,
                                                                                        std::size_t index) {
    cell.hideUtilityButtonsAnimated(true);
    auto fileCell = dynamic_cast<TAVOFileInfoCell*>(&cell);
    if (!fileCell) return;
    if (index == 0) gotoMode(1);
    else if (index == 1) doCharmDeleteFile(fileCell->fileInfo());
}

void TAVOOnlineViewController::cellDeleteFileInfo(TAVOFileInfoCell&, const TAVOFileInfoPtr& info) { doCharmDeleteFile(info); }

void TAVOOnlineViewController::removeRow(const TAVOFileInfoPtr& record) {
    onLineItems_.erase(std::remove(onLineItems_.begin(), onLineItems_.end(), record), onLineItems_.end());
    onLineTableView_->reloadData();
}

void TAVOOnlineViewController::doCharmDeleteFile(const TAVOFileInfoPtr& record) {
    if (!record) return;
    auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
    switch (record->state) {
        case TAVOFileInfo::Waiting:
            uploads_->doDeleteWaitingFile(record);
            removeRow(record);
            break;
        case TAVOFileInfo::Uploading:
            doDeleteFiles({record}, [weak, record](bool deleted) {
                auto self = weak.lock();
                if (self && deleted) self->removeRow(record);
            });
            break;
        case TAVOFileInfo::Paused:
        case TAVOFileInfo::UploadFailed:
            doDeleteFiles({record}, [weak, record](bool deleted) {
                auto self = weak.lock();
                if (!self || !deleted) return;
                const int kind = record->state == TAVOFileInfo::Paused ? TAVOFileManager::Stop : TAVOFileManager::Fail;
                TAVOFileManager::sharedInstance()->deleteFileInfo(record, kind, TAVOFileManager::Upload, record->parentPath);
                self->removeRow(record);
            });
            break;
        case TAVOFileInfo::Idle:
            doDeleteFiles({record}, [weak, record](bool deleted) {
                auto self = weak.lock();
                if (self && deleted) self->removeRow(record);
            });
            break;
        default:
            break;
    }
}

void TAVOOnlineViewController::doDeleteFiles(const std::vector<TAVOFileInfoPtr>& records, std::function<void(bool)> done) {
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"), TAVOLocalizedString("确定要删除这些文件吗?"));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, nullptr);
    auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault, [weak, records, done](const MAAlertViewPtr&) {
        auto self = weak.lock();
        if (!self) return;
        auto password = MAPasswordAlertView::create("请输入管理密码");
        password->psw()->setPlaceholder(TAVOLocalizedString("placeholder for login router"));
        password->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel,
                                     [](const MAPasswordAlertViewPtr& a) {
                                         a->dismissAnimated(true);
                                         return std::string();
                                     });
        password->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault,
                                     [weak, records, done](const MAPasswordAlertViewPtr& a) {
                                         auto router = TAVOAccountFacade::shared() ? TAVOAccountFacade::shared()->currentRouter() : nullptr;
                                         const std::string stored = router ? router->adminPsw() : std::string();
                                         if (stored.empty() || a->password() != stored) return std::string(kWrongPassword);
                                         if (auto self = weak.lock()) self->doDeleteOnlineFile(records, done);
                                         a->dismissAnimated(true);
                                         return std::string();
                                     });
        password->show();
    });
    alert->show();
}

void TAVOOnlineViewController::doDeleteOnlineFile(const std::vector<TAVOFileInfoPtr>& records, std::function<void(bool)> done) {
    auto command = TAVODeleteFileCommand::create();
    for (const auto& r : records) {
        const std::string path = r->parentPath + r->fileName;
        // ";" separates the names on the router: such a name would delete
        // other files, so the whole delete is refused.
        if (path.find(';') != std::string::npos) {
            if (done) done(false);
            showToast(kDeleteFailed);
            return;
        }
        command->fileNames.push_back(path);
    }
    // A running upload stops before its file goes, so no late chunk makes
    // the file again.
    for (const auto& r : records)
        if (r->state == TAVOFileInfo::Uploading) uploads_->stopRunning(r);
    auto weak = std::weak_ptr<TAVOOnlineViewController>(self<TAVOOnlineViewController>());
    TAVOCommonService::localService()->sendCommand(
        command, 0, TAVODeleteFileParser::create(),
        [weak, done](const ns::Value& result) {
            auto self = weak.lock();
            if (!self) return;
            if (result.isNumber() && result.intValue() == 0) {
                if (done) done(true);
                self->refreshData();
            } else {
                if (done) done(false);
                self->showToast(kDeleteFailed);
            }
        },
        [weak, done](const TAVOErrorPtr& error) {
            auto self = weak.lock();
            if (!self) return;
            if (done) done(false);
            self->showError(error);
        });
}

// ---- uploads ----

void TAVOOnlineViewController::doAddWaitingItems(const std::vector<TAVOFileInfoPtr>& records) {
    // Without an open folder there is no place to upload to.
    if (!currentDir_) {
        showToast(kNoFolderMessage);
        return;
    }
    std::vector<TAVOFileInfoPtr> shown = onLineItems_;
    uploads_->doAddWaitingItems(records, shown, currentDir_->filePath);
}

// ---- banners ----

void TAVOOnlineViewController::setShowUSBStatus(bool show) {
    showUSBStatus_ = show;
    TAVOFileSelectViewController::setNoData(false);
    if (!isViewLoaded()) return;
    onLineTableView_->setHidden(show);
    statusImageView_->setHidden(!show);
    statusLB_->setHidden(!show);
    if (show) {
        noFileImageView()->setHidden(true);
        noFileLB()->setHidden(true);
    }
}

void TAVOOnlineViewController::clearBannerAnimation() {
    if (bannerFill_) bannerFill_->removeFromSuperlayer();
    bannerFill_ = nullptr;
}

void TAVOOnlineViewController::showBanner(const char* image, const char* text) {
    statusImageView_->setImage(ui::Image::imageNamed(image));
    statusLB_->setText(text);
}

void TAVOOnlineViewController::usbNotInsert() {
    clearBannerAnimation();
    showBanner("sharefile_usbno", "未发现USB设备");
}

void TAVOOnlineViewController::remoteNotUseUSBTip() {
    clearBannerAnimation();
    showBanner("sharefile_nowifi", "当前为远程管理，无法使用USB功能");
}

void TAVOOnlineViewController::connectWiFi() {
    clearBannerAnimation();
    showBanner("sharefile_nowifi", "请连接WiFi");
}

void TAVOOnlineViewController::usbInsert() {
    clearBannerAnimation();
    showBanner("sharefile_usbno", "发现USB设备,正在读取...");
    // A green fill rises inside the disk's outline while it is read.
    const cg::Size size = statusImageView_->bounds().size;
    auto holder = ca::Layer::create();
    holder->setFrame(cg::RectMake(0, 0, size.width, size.height));
    auto mask = ca::Layer::create();
    mask->setFrame(cg::RectMake(0, 0, size.width, size.height));
    mask->setContents(ui::Image::imageNamed("sharefile_usbmask"));
    holder->setMask(mask);
    auto fill = ca::Layer::create();
    fill->setBackgroundColor(ui::Color::rgb255(26, 202, 69));
    fill->setAnchorPoint({0.5, 1.0});
    fill->setBounds(cg::RectMake(0, 0, size.width, 0));
    fill->setPosition({size.width / 2, size.height});
    holder->addSublayer(fill);
    auto rise = ca::BasicAnimation::animationWithKeyPath("bounds.size");
    rise->fromValue = cg::Size{size.width, 0};
    rise->toValue = cg::Size{size.width, size.height};
    rise->duration = 2.0;
    rise->fillMode = ca::FillMode::Forwards;
    rise->removedOnCompletion = false;
    rise->repeatCount = 2147483648.0;
    fill->addAnimation(rise, "animation_bounds");
    statusImageView_->layer()->addSublayer(holder);
    bannerFill_ = holder;
}
