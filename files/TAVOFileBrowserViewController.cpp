#include "files/TAVOFileBrowserViewController.h"

#include <cstdlib>

#include "core/app/TAVOLocalizedString.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "files/MPImagePickerController.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVOFileCommonUtility.h"
#include "protocol/commands/TAVOQuitUsbCommand.h"
#include "protocol/commands/TAVOQuitUsbParser.h"
#include "protocol/commands/TAVOUsbStatusCommand.h"
#include "protocol/commands/TAVOUsbStatusParser.h"
#include "uikit/MAAlertView.h"
#include "uikit/TKTabBarController.h"
#include "widgets/CustomizedHUD.h"
#include "widgets/TAVOSlidingTabItem.h"
#include "widgets/UIViewControllerSlidingTabItem.h"

namespace {

constexpr const char* kNoDiskRoom = "磁盘存储空间不足";

std::int64_t kilobytes(const std::string& text) { return std::strtoll(text.c_str(), nullptr, 10); }

}  // namespace

void TAVOFileBrowserViewController::viewDidLoad() {
    TAVOSlidingTabsViewController::viewDidLoad();
    setCanPan(false);
    currentStatus_ = -1;
    canGetUSBStatus_ = true;
    setupNavUI();
    showNothingNavBar();
    setupFileBrowserUI();
    loadData();
}

void TAVOFileBrowserViewController::setupNavUI() {
    if (auto nav = navigationController()) nav->setNavigationBarHidden(true);
    navBar()->setBgImage(nullptr);
    navBar()->setBackgroundColor(ui::Color::rgb255(42, 47, 47));
    const double top = navBar()->itemTop();
    auto titleView = ui::View::create(cg::RectMake(0, 0, 200, navBar()->itemHeight()));
    titleView->setBackgroundColor(ui::Color::clearColor());
    titleLB_ = ui::Label::create(cg::RectMake(0, 3, 200, navBar()->itemHeight() / 2));
    titleLB_->setFont(ui::Font::boldSystemFontOfSize(18));
    titleLB_->setTextColor(ui::Color::whiteColor());
    titleLB_->setTextAlignment(ui::TextAlignment::Center);
    titleLB_->setBackgroundColor(ui::Color::clearColor());
    titleLB_->setText("文件共享");
    titleView->addSubview(titleLB_);
    usbStatusLB_ = ui::Label::create(cg::RectMake(0, 3 + navBar()->itemHeight() / 2, 200, navBar()->itemHeight() / 2 - 6));
    usbStatusLB_->setFont(ui::Font::systemFontOfSize(10));
    usbStatusLB_->setTextColor(ui::Color::whiteColor());
    usbStatusLB_->setTextAlignment(ui::TextAlignment::Center);
    usbStatusLB_->setBackgroundColor(ui::Color::clearColor());
    titleView->addSubview(usbStatusLB_);
    (void)top;
    navBar()->setTitleView(titleView);
    changeTitle(TAVOLocalizedString("my share"));
    changeUsbSizeText(0, 0);
}

void TAVOFileBrowserViewController::setupFileBrowserUI() {
    auto host = std::static_pointer_cast<TAVOFileListHost>(self<TAVOFileBrowserViewController>());
    onlineVC_ = ui::ViewController::make<TAVOOnlineViewController>();
    onlineVC_->setHost(host);
    UIViewControllerSlidingTabItem::setTabItem(onlineVC_, TAVOSlidingTabItem::create("共享文件"));
    localVC_ = ui::ViewController::make<TAVOLocalViewController>();
    localVC_->setHost(host);
    UIViewControllerSlidingTabItem::setTabItem(localVC_, TAVOSlidingTabItem::create("已下载"));
    setViewControllers({onlineVC_, localVC_});
}

bool TAVOFileBrowserViewController::isCurrentRouterLocal() const {
    auto facade = TAVOAccountFacade::shared();
    auto router = facade ? facade->currentRouter() : nullptr;
    return router && router->isLocalRouter;
}

void TAVOFileBrowserViewController::loadData() {
    if (isCurrentRouterLocal()) {
        if (!pollTimer_.isRunning()) {
            auto weak = std::weak_ptr<TAVOFileBrowserViewController>(self<TAVOFileBrowserViewController>());
            pollTimer_.start(kPollInterval, true, [weak] {
                if (auto self = weak.lock()) self->getUSBStatus();
            });
        }
        getUSBStatus();
    } else {
        setupUSBStatusUI();
        onlineVC_->remoteNotUseUSBTip();
    }
}

void TAVOFileBrowserViewController::getUSBStatus() {
    if (!canGetUSBStatus_) return;
    auto weak = std::weak_ptr<TAVOFileBrowserViewController>(self<TAVOFileBrowserViewController>());
    TAVOCommonService::localService()->sendCommand(
        TAVOUsbStatusCommand::create(), 0, TAVOUsbStatusParser::create(),
        [weak](const ns::Value& result) {
            auto self = weak.lock();
            if (!self) return;
            auto status = result.as<TAVOUSBStatus>();
            if (!status) return;
            self->currentUSBStatus_ = status;
            if (status->status == self->currentStatus_) return;
            self->setupUSBStatusUI();
            switch (status->status) {
                case 2:
                    self->changeUsbSizeText(static_cast<double>(kilobytes(status->usb_total)),
                                            static_cast<double>(kilobytes(status->usb_free)));
                    self->onlineVC_->usbInsert();
                    break;
                case 1:
                    self->changeUsbSizeText(static_cast<double>(kilobytes(status->usb_total)),
                                            static_cast<double>(kilobytes(status->usb_free)));
                    self->showNormalNavBar();
                    self->onlineVC_->setShowUSBStatus(false);
                    self->onlineVC_->loadData();
                    break;
                case 0:
                    self->onlineVC_->usbNotInsert();
                    break;
                default:
                    break;
            }
            self->currentStatus_ = status->status;
        },
        [weak](const TAVOErrorPtr& error) {
            auto self = weak.lock();
            if (!self) return;
            self->showError(error);
            if (error && error->errorHasProcess()) self->canGetUSBStatus_ = false;
        });
}

void TAVOFileBrowserViewController::setupUSBStatusUI() {
    showNothingNavBar();
    changeUsbSizeText(0, 0);
    onlineVC_->setShowUSBStatus(true);
}

void TAVOFileBrowserViewController::changeUsbSizeText(double totalKB, double freeKB) {
    usbStatusLB_->setText(ns::format("共%.1fGB,可用%.1fGB", totalKB / 1048576, freeKB / 1048576));
}

void TAVOFileBrowserViewController::changeTitle(const std::string& title) { titleLB_->setText(title); }

void TAVOFileBrowserViewController::setRightBarItemText(const std::string& text) {
    navBar()->setRightBarItemText(text);
    if (auto button = navBar()->rightBarButtonItem()) {
        button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
        button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateHighlighted);
    }
}

void TAVOFileBrowserViewController::showNothingNavBar() {
    navBar()->setLeftBarButtonItem(nullptr);
    navBar()->setRightBarButtonItem(nullptr);
}

void TAVOFileBrowserViewController::showNormalNavBar() {
    navBar()->setLeftBarItemText(TAVOLocalizedString("safe pull out"));
    setRightBarItemText(TAVOLocalizedString("upload"));
    if (auto button = navBar()->leftBarButtonItem()) {
        button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
        button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateHighlighted);
    }
}

void TAVOFileBrowserViewController::showSelectNavBar() {
    navBar()->setLeftBarItemText(TAVOLocalizedString("cancel"));
    setRightBarItemText(TAVOLocalizedString("select all"));
    if (auto button = navBar()->leftBarButtonItem()) {
        button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
        button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateHighlighted);
    }
}

void TAVOFileBrowserViewController::setCurrentMode(int mode) {
    if (mode == currentMode_) return;
    currentMode_ = mode;
    auto page = std::dynamic_pointer_cast<TAVOFileSelectViewController>(selectedViewController());
    auto tabs = tabBarController();
    if (mode == kModeSelect) {
        if (page) page->selectMore();
        changeTitle("已选择0个文件");
        showSelectNavBar();
        if (tabs) tabs->hideTabBar(1, true);
    } else {
        if (page) page->cancelSelect();
        changeTitle(TAVOLocalizedString("my share"));
        showNormalNavBar();
        if (tabs) tabs->showTabBar(0, true);
    }
}

void TAVOFileBrowserViewController::selectTabChanged(unsigned) { setCurrentMode(kModeNormal); }

void TAVOFileBrowserViewController::leftNavItemPressed() {
    if (currentMode_ == kModeSelect) setCurrentMode(kModeNormal);
    else quitUsb();
}

void TAVOFileBrowserViewController::rightNavItemPressed() {
    if (currentMode_ != kModeSelect) {
        sheet_ = ui::ActionSheet::create("", std::static_pointer_cast<ui::ActionSheetDelegate>(self<TAVOFileBrowserViewController>()),
                                         TAVOLocalizedString("cancel"), std::nullopt,
                                         {TAVOLocalizedString("photo"), TAVOLocalizedString("video")});
        auto window = ui::Application::sharedApplication()->keyWindow();
        sheet_->showInView(window ? std::static_pointer_cast<ui::View>(window) : view());
        return;
    }
    auto page = std::dynamic_pointer_cast<TAVOFileSelectViewController>(selectedViewController());
    auto button = navBar()->rightBarButtonItem();
    const std::string title = button && button->titleForState(ui::ControlStateNormal) ? *button->titleForState(ui::ControlStateNormal) : "";
    if (title == TAVOLocalizedString("select all")) {
        if (page) page->selectAll();
        setRightBarItemText(TAVOLocalizedString("select none"));
    } else if (title == TAVOLocalizedString("select none")) {
        if (page) page->deSelectAll();
        setRightBarItemText(TAVOLocalizedString("select all"));
    }
}

void TAVOFileBrowserViewController::clickedButtonAtIndex(ui::ActionSheet& sheet, long index) {
    const long first = sheet.firstOtherButtonIndex();
    if (index == first) chooseImages();
    else if (index == first + 1) chooseVideos();
}

void TAVOFileBrowserViewController::chooseImages() { presentPicker(false); }
void TAVOFileBrowserViewController::chooseVideos() { presentPicker(true); }

void TAVOFileBrowserViewController::presentPicker(bool videos) {
    auto picker = videos ? MPImagePickerController::initVideoPicker() : MPImagePickerController::initImagePicker();
    picker->maximumImagesCount = 2147483647;
    picker->returnsOriginalImage = false;
    picker->setImagePickerDelegate(std::static_pointer_cast<MPImagePickerControllerDelegate>(self<TAVOFileBrowserViewController>()));
    mpPicker_ = picker;
    presentViewController(picker, true);
}

void TAVOFileBrowserViewController::mpImagePickerControllerDidCancel(MPImagePickerController&) {
    dismissViewControllerAnimated(true);
    mpPicker_ = nullptr;
}

void TAVOFileBrowserViewController::mpImagePickerControllerDidFinishPickingMediaWithInfo(
    MPImagePickerController&, const std::vector<ns::Dictionary>& info) {
    dismissViewControllerAnimated(true);
    mpPicker_ = nullptr;
    if (info.empty()) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("select file"));
        return;
    }
    const auto dir = onlineVC_->currentDir();
    const std::string folder = dir ? dir->filePath : std::string();
    std::vector<TAVOFileInfoPtr> records;
    std::int64_t total = 0;
    for (const auto& item : info) {
        auto r = TAVOFileInfo::create();
        r->fileName = item[kMPPickerDataNameKey].stringValue();
        r->fileType = 1;
        r->parentPath = folder;
        r->filePath = folder + r->fileName;
        r->fileLogoUrl = TAVOFileCommonUtility::getLogoByName(r->fileName, 1);
        r->time = TAVOFileCommonUtility::getFileDateStringByDate(ns::Date::now());
        r->sizeLength = 0;
        const std::int64_t bytes = item[kMPPickerFileSizeKey].longLongValue();
        r->size = TAVOFileCommonUtility::getFileSizeString(static_cast<float>(bytes));
        r->totalLength = static_cast<double>(bytes);
        r->assetURL = item[kMPPickerFileURLKey].stringValue();
        r->state = TAVOFileInfo::Waiting;
        total += bytes;
        records.push_back(r);
    }
    const std::int64_t freeBytes = currentUSBStatus_ ? kilobytes(currentUSBStatus_->usb_free) * 1024 : 0;
    if (freeBytes > total) onlineVC_->doAddWaitingItems(records);
    else showToast(CustomizedHUDTypeWarning, kNoDiskRoom);
}

void TAVOFileBrowserViewController::quitUsb() {
    auto alert = MAAlertView::create("", TAVOLocalizedString("confirm safe quit usb"));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, nullptr);
    auto weak = std::weak_ptr<TAVOFileBrowserViewController>(self<TAVOFileBrowserViewController>());
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault, [weak](const MAAlertViewPtr&) {
        TAVOCommonService::localService()->sendCommand(
            TAVOQuitUsbCommand::create(), 0, TAVOQuitUsbParser::create(),
            [weak](const ns::Value& result) {
                auto self = weak.lock();
                if (!self || !result.isNumber() || result.intValue() != 1) return;
                self->showNothingNavBar();
                self->setupUSBStatusUI();
                self->onlineVC_->usbNotInsert();
            },
            nullptr);
    });
    alert->show();
}

void TAVOFileBrowserViewController::handleGlobalRouterEvent(int event) {
    if (event != 2 && event != 4) return;
    if (isRouterAvailable(false)) {
        if (isCurrentRouterLocal()) {
            canGetUSBStatus_ = true;
            loadData();
        } else {
            setupUSBStatusUI();
            onlineVC_->remoteNotUseUSBTip();
            currentStatus_ = -1;
            canGetUSBStatus_ = false;
        }
    } else {
        setupUSBStatusUI();
        onlineVC_->connectWiFi();
        currentStatus_ = -1;
        canGetUSBStatus_ = false;
    }
}

void TAVOFileBrowserViewController::showError(const TAVOErrorPtr& error) {
    if (!error || error->errorHasProcess() || error->routerErrorSource() == 3) return;
    showToast(CustomizedHUDTypeDarkWarning, error->errorMsg());
}

void TAVOFileBrowserViewController::showFileToast(int type, const std::string& message) { showToast(type, message); }

void TAVOFileBrowserViewController::showLoading() { showToastAutoDismiss(CustomizedHUDTypePlainIndicator, "加载中...", false); }

void TAVOFileBrowserViewController::dismisLoading() { dismissToast(); }

void TAVOFileBrowserViewController::addDownloads(const std::vector<TAVOFileInfoPtr>& records) {
    if (!localVC_) return;
    (void)localVC_->view();
    localVC_->doAddWatingItems(records);
}

std::string TAVOFileBrowserViewController::tabTitle() const { return TAVOLocalizedString("my share"); }
ui::ImagePtr TAVOFileBrowserViewController::tabImage() const { return ui::Image::imageNamed("home_bbar_ic03"); }
ui::ImagePtr TAVOFileBrowserViewController::tabSelectedImage() const { return ui::Image::imageNamed("home_bbar_ic03_pre"); }
