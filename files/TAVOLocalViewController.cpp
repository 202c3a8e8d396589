#include "files/TAVOLocalViewController.h"

#include <algorithm>

#include "files/TAVOFileManager.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/URL.h"
#include "platform/ui/ViewAnimation.h"
#include "uikit/SlideUtilityButtons.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {
constexpr double kSlideDuration = 0.2;
constexpr const char* kCellIdentifier = "cell";
}  // namespace

void TAVOLocalViewController::viewDidLoad() {
    TAVOFileSelectViewController::viewDidLoad();
    downloads_ = TAVODownloadQueue::create();
    downloads_->setDelegate(std::static_pointer_cast<TAVODownloadQueueDelegate>(self<TAVOLocalViewController>()));
    const double width = view()->bounds().size.width;
    localTableView_ = ui::TableView::create(cg::RectMake(0, 0, width, listHeight()));
    localTableView_->setBackgroundColor(ui::Color::clearColor());
    localTableView_->separatorStyle = 0;
    localTableView_->setRowHeight(TAVOFileInfoCell::kRowHeight);
    localTableView_->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self<TAVOLocalViewController>()));
    localTableView_->setTableDelegate(std::static_pointer_cast<ui::TableViewDelegate>(self<TAVOLocalViewController>()));
    view()->addSubview(localTableView_);
    loadData();
}

void TAVOLocalViewController::doAddWatingItems(const std::vector<TAVOFileInfoPtr>& records) {
    if (!downloads_) return;
    downloads_->addItems(records, localItems_);
    loadData();
}

void TAVOLocalViewController::loadData() {
    auto store = TAVOFileManager::sharedInstance();
    auto files = store->getAllLocalFiles();
    const auto queue = downloads_ ? downloads_->queue() : std::vector<TAVOFileInfoPtr>();
    auto paused = store->getFileInfosOfType(TAVOFileManager::Stop, TAVOFileManager::Download, TAVOFileManager::kDownloadsPath);
    auto failed = store->getFileInfosOfType(TAVOFileManager::Fail, TAVOFileManager::Download, TAVOFileManager::kDownloadsPath);
    auto named = [](const std::vector<TAVOFileInfoPtr>& list, const std::string& name) {
        return std::any_of(list.begin(), list.end(), [&](const TAVOFileInfoPtr& r) { return r->fileName == name; });
    };
    std::vector<TAVOFileInfoPtr> rows;
    for (const auto& file : files) {
        bool shown = !named(queue, file->fileName) && !named(failed, file->fileName);
        for (const auto& p : paused) {
            if (p->fileName != file->fileName) continue;
            // The partial file is what a resume continues from.
            p->sizeLength = file->sizeLength;
            shown = false;
        }
        if (shown) rows.push_back(file);
    }
    // Keep the selection of rows that stay.
    for (const auto& p : paused) rows.insert(rows.begin(), p);
    for (const auto& x : failed) rows.insert(rows.begin(), x);
    for (auto it = queue.rbegin(); it != queue.rend(); ++it) rows.insert(rows.begin(), *it);
    localItems_ = std::move(rows);
    if (!localTableView_) return;
    if (!localItems_.empty()) {
        setNoData(false);
        localTableView_->reloadData();
    } else {
        setNoData(true);
    }
}

void TAVOLocalViewController::setNoData(bool noData) {
    TAVOFileSelectViewController::setNoData(noData);
    if (localTableView_) localTableView_->setHidden(noData);
}

long TAVOLocalViewController::numberOfRowsInSection(ui::TableView&, long) { return static_cast<long>(localItems_.size()); }

std::optional<double> TAVOLocalViewController::heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) {
    return TAVOFileInfoCell::kRowHeight;
}

ui::TableViewCellPtr TAVOLocalViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    auto cell = std::dynamic_pointer_cast<TAVOFileInfoCell>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) {
        cell = TAVOFileInfoCell::create(kCellIdentifier);
        cell->setFileInfoCellDelegate(std::static_pointer_cast<TAVOFileInfoCellDelegate>(self<TAVOLocalViewController>()));
        cell->setBackgroundColor(ui::Color::clearColor());
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        std::vector<ui::ButtonPtr> buttons;
        sl_addUtilityButtonWithColor(buttons, ui::Color::rgb255(199, 199, 204), std::string("多选"));
        sl_addUtilityButtonWithColor(buttons, ui::Color::rgb255(255, 59, 48), std::string("删除"));
        cell->setContainingTableView(std::static_pointer_cast<ui::TableView>(table.self<ui::View>()));
        cell->setRightUtilityButtons(buttons);
        cell->setDelegate(std::static_pointer_cast<SlideTableViewCellDelegate>(self<TAVOLocalViewController>()));
        cell->setCellHeight(TAVOFileInfoCell::kRowHeight);
    }
    if (ip.row < 0 || ip.row >= static_cast<long>(localItems_.size())) return cell;
    const auto& record = localItems_[static_cast<std::size_t>(ip.row)];
    cell->bindModel(record);
    const int state = record->state;
    if (state != TAVOFileInfo::Downloading && state != TAVOFileInfo::DownloadFailed && state != TAVOFileInfo::Paused)
        cell->setShowSelectView(inSelectMode_);
    if ((state == TAVOFileInfo::Paused || state == TAVOFileInfo::Waiting) && record->totalLength > 0)
        cell->progressView()->setProgress(static_cast<float>(record->sizeLength / record->totalLength));
    showSeparatorLine(cell, ip.row != 0, ip, table);
    // The first row has no top line, so the call above leaves its bottom
    // line as a reused cell had it: a line under it only when it is also
    // the last row.
    if (ip.row == 0) showBottomSeperatorLine(cell, table.numberOfRowsInSection(ip.section) == 1);
    cell->hideUtilityButtonsAnimated(false);
    return cell;
}

void TAVOLocalViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    table.deselectRowAtIndexPath(ip, true);
    tapRow(ip.row);
}

void TAVOLocalViewController::tapRow(long row) {
    if (row < 0 || row >= static_cast<long>(localItems_.size())) return;
    auto record = localItems_[static_cast<std::size_t>(row)];
    if (inSelectMode_) {
        record->isSelected = !record->isSelected;
        localTableView_->reloadRowsAtIndexPaths({ui::IndexPath::indexPathForRow(row, 0)}, ui::TableViewRowAnimation::None);
        changeNavBarTextOfItems(localItems_);
        return;
    }
    switch (record->state) {
        case TAVOFileInfo::Downloading: downloads_->pause(record); break;
        case TAVOFileInfo::Paused: downloads_->resume(record); break;
        case TAVOFileInfo::Completed: openFileAtIndex(row); break;
        default: break;
    }
}

void TAVOLocalViewController::openFileAtIndex(long row) {
    auto path = TAVOFileManager::localPathForName(localItems_[static_cast<std::size_t>(row)]->fileName);
    if (!path) return;
    documentInteractionVC_ = ui::DocumentInteractionController::interactionControllerWithURL(ns::URL::fileURLWithPath(*path)->absoluteString());
    documentInteractionVC_->setDelegate(
        std::static_pointer_cast<ui::DocumentInteractionControllerDelegate>(self<TAVOLocalViewController>()));
    const cg::Size size = view()->bounds().size;
    documentInteractionVC_->presentOptionsMenuFromRect(cg::RectMake(0, size.height - 10, size.width, 10), view(), true);
}

void TAVOLocalViewController::downloadQueueProgress(const TAVOFileInfoPtr& record, double done, double total) {
    auto it = std::find(localItems_.begin(), localItems_.end(), record);
    if (it == localItems_.end() || !localTableView_) return;
    const auto row = static_cast<long>(it - localItems_.begin());
    auto cell = std::dynamic_pointer_cast<TAVOFileInfoCell>(localTableView_->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(row, 0)));
    if (!cell) return;
    cell->progressView()->setProgress(static_cast<float>(done / total));
    cell->rightProgressLB()->setText(ns::format("%.1f%%", done / total * 100));
}

void TAVOLocalViewController::swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell,
                                                                                       std::size_t index) {
    cell.hideUtilityButtonsAnimated(true);
    auto fileCell = dynamic_cast<TAVOFileInfoCell*>(&cell);
    if (!fileCell) return;
    if (index == 0) gotoMode(1);
    else if (index == 1) doCharmDeleteFile(fileCell->fileInfo());
}

void TAVOLocalViewController::cellDeleteFileInfo(TAVOFileInfoCell&, const TAVOFileInfoPtr& info) { doCharmDeleteFile(info); }

void TAVOLocalViewController::removeRow(const TAVOFileInfoPtr& record) {
    localItems_.erase(std::remove(localItems_.begin(), localItems_.end(), record), localItems_.end());
}

void TAVOLocalViewController::doCharmDeleteFile(const TAVOFileInfoPtr& record) {
    if (!record) return;
    switch (record->state) {
        case TAVOFileInfo::Waiting:
        case TAVOFileInfo::Downloading:
        case TAVOFileInfo::Paused:
        case TAVOFileInfo::DownloadFailed:
        case TAVOFileInfo::Completed:
            downloads_->remove(record);
            removeRow(record);
            break;
        default:
            return;
    }
    if (!localItems_.empty()) localTableView_->reloadData();
    else loadData();
}

void TAVOLocalViewController::selectMore() {
    if (inSelectMode_) return;
    inSelectMode_ = true;
    localTableView_->reloadData();
    const double width = view()->bounds().size.width;
    if (!operationView_) {
        operationView_ = ui::View::create(cg::RectMake(width, localTableView_->frame().size.height, width, kBottomArea));
        operationView_->setBackgroundColor(ui::Color::rgb255(42, 47, 47));
        auto button = ui::Button::create(cg::RectMake(30, (kBottomArea - 35) / 2, width - 60, 35));
        if (auto image = ui::Image::imageNamed("public_btn03"))
            button->setBackgroundImage(image->stretchableImageWithLeftCapWidth(8, 8), ui::ControlStateNormal);
        if (auto image = ui::Image::imageNamed("public_btn03_pre"))
            button->setBackgroundImage(image->stretchableImageWithLeftCapWidth(8, 8), ui::ControlStateHighlighted);
        button->setTitle(std::string("删除"), ui::ControlStateNormal);
        button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
        button->titleLabel()->setFont(ui::Font::systemFontOfSize(16));
        button->addTarget(self<TAVOLocalViewController>(), &TAVOLocalViewController::deleteSelected, "deleteSelected",
                          ui::ControlEventTouchUpInside);
        operationView_->addSubview(button);
        view()->addSubview(operationView_);
    }
    auto bar = operationView_;
    cg::Rect frame = bar->frame();
    frame.origin = {width, listHeight()};
    bar->setFrame(frame);
    ui::ViewAnimation::animate(kSlideDuration, [bar, width] {
        cg::Rect f = bar->frame();
        f.origin.x -= width;
        bar->setFrame(f);
    });
}

void TAVOLocalViewController::cancelSelect() {
    if (!inSelectMode_) return;
    inSelectMode_ = false;
    const double width = view()->bounds().size.width;
    if (auto bar = operationView_) {
        ui::ViewAnimation::animate(kSlideDuration, [bar, width] {
            cg::Rect f = bar->frame();
            f.origin.x = width;
            bar->setFrame(f);
        });
    }
    cg::Rect frame = localTableView_->frame();
    frame.size.height = view()->bounds().size.height - kBottomArea - frame.origin.y;
    localTableView_->setFrame(frame);
    deSelectAll();
}

void TAVOLocalViewController::selectAll() {
    for (const auto& r : localItems_) r->isSelected = true;
    localTableView_->reloadData();
    changeNavBarTextOfItems(localItems_);
}

void TAVOLocalViewController::deSelectAll() {
    for (const auto& r : localItems_) r->isSelected = false;
    localTableView_->reloadData();
    changeNavBarTextOfItems(localItems_);
}

void TAVOLocalViewController::deleteSelected() {
    std::vector<TAVOFileInfoPtr> chosen;
    for (const auto& r : localItems_)
        if (r->isSelected) chosen.push_back(r);
    for (const auto& r : chosen) doCharmDeleteFile(r);
    gotoMode(0);
}
