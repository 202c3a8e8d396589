#include "screens/wifi/TAVOChannelSelectViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVOSetChannelRequest.h"
#include "protocol/requests/catalogue/TAVOSetWifiBandWidthRequest.h"
#include "screens/wifi/TAVORouterInfoStringConverter.h"
#include "uikit/MAAlertView.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr double kInset = 22;
constexpr double kTitleFontSize = 15;
constexpr const char* kChannelChanged = "信道切换成功";
constexpr const char* kBandWidthChanged = "频宽切换成功";

}  // namespace

void TAVOChannelSelectViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    view()->setBackgroundColor(backgroundColor());
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(titleStr);
    initData();
    setupTableView();
    loadData();
}

void TAVOChannelSelectViewController::initData() {
    auto self = this->self<TAVOChannelSelectViewController>();
    TAVORequestAnswers::listen<TAVOSetChannelRequest>(
        self, [this](const ns::Value&, const ns::Dictionary&) { setChannelOK(); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) { setFailed(error); });
    TAVORequestAnswers::listen<TAVOSetWifiBandWidthRequest>(
        self, [this](const ns::Value&, const ns::Dictionary&) { setBandWidthOK(); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) { setFailed(error); });
}

void TAVOChannelSelectViewController::setupTableView() {
    tableView_ = ui::TableView::create(contentViewFrame(), ui::TableViewStyle::Plain);
    tableView_->setBackgroundColor(backgroundColor());
    tableView_->separatorStyle = 0;
    tableView_->showsVerticalScrollIndicator = false;
    tableView_->setContentInset(cg::EdgeInsets{kInset, 0, kInset, 0});
    auto self = this->self<TAVOChannelSelectViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);
    view()->addSubview(tableView_);
}

void TAVOChannelSelectViewController::loadData() {
    switch (type) {
        case TwoGChannel: items_ = TAVORouterInfoStringConverter::twogChannelArray(); break;
        case FiveGChannel: items_ = TAVORouterInfoStringConverter::fivegChannelArray(); break;
        default: items_ = TAVORouterInfoStringConverter::bandWidthArry(); break;
    }
    tableView_->reloadData();
}

ui::TableViewCellPtr TAVOChannelSelectViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    auto cell = table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, kCellIdentifier);
    showSeparatorLine(cell, true, ip, table);
    cell->textLabel()->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    cell->textLabel()->setText(static_cast<std::size_t>(ip.row) < items_.size() ? items_[static_cast<std::size_t>(ip.row)] : "");
    cell->setAccessoryView(ip.row == selectIndex ? ui::ImageView::createWithImage(ui::Image::imageNamed(kCheckImageName))
                                                 : nullptr);
    return cell;
}

void TAVOChannelSelectViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    table.deselectRowAtIndexPath(ip, false);
    changeChannel(static_cast<int>(ip.row));
    currentSelectedIndex_ = static_cast<int>(ip.row);
}

void TAVOChannelSelectViewController::changeChannel(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= items_.size()) return;
    std::weak_ptr<TAVOChannelSelectViewController> weak = self<TAVOChannelSelectViewController>();
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"),
                                     "是否切换为" + items_[static_cast<std::size_t>(row)] + "?");
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, [](const MAAlertViewPtr&) {});
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault, [weak, row](const MAAlertViewPtr&) {
        if (auto screen = weak.lock()) screen->sendChoice(row);
    });
    alert->show();
}

void TAVOChannelSelectViewController::sendChoice(int row) {
    auto facade = TAVOAccountManager::shareInstance();
    // Every refusal arrives as the request's failure notification.
    switch (type) {
        case TwoGChannel: (void)facade->setWifiChannel(1, row); break;
        case FiveGChannel:
            (void)facade->setWifiChannel(2, TAVORouterInfoStringConverter::getServerFivegIndexByViewIndex(row));
            break;
        default: (void)facade->setWifiBandWidth(row, true); break;
    }
}

void TAVOChannelSelectViewController::setChannelOK() {
    showToast(CustomizedHUDTypeInfo, kChannelChanged);
    selectIndex = currentSelectedIndex_;
    tableView_->reloadData();
    auto status = listener() ? listener()->status() : nullptr;
    if (!status) return;
    const bool fiveG = type == FiveGChannel;
    const int channel = fiveG ? TAVORouterInfoStringConverter::getServerFivegIndexByViewIndex(selectIndex) : selectIndex;
    if (auto config = fiveG ? status->fiveGConfig : status->twoGConfig) config->wifi_channel_set = std::to_string(channel);
}

void TAVOChannelSelectViewController::setBandWidthOK() {
    showToast(CustomizedHUDTypeInfo, kBandWidthChanged);
    selectIndex = currentSelectedIndex_;
    tableView_->reloadData();
    auto status = listener() ? listener()->status() : nullptr;
    if (status && status->twoGConfig) status->twoGConfig->wifi_bandwidth_set = std::to_string(selectIndex);
    dismissToast();
    showRestartRouterIndicator();
}

void TAVOChannelSelectViewController::setFailed(const TAVOErrorPtr& error) {
    const std::string message = getErrMsgFromObject(error);
    if (!message.empty()) showToast(CustomizedHUDTypeWarning, message);
}

void TAVOChannelSelectViewController::showRestartRouterIndicator() {
    if (countDownView_) return;
    countDownView_ = TAVORestartCountDownView::create(view()->bounds());
    countDownView_->startCountDown(kRestartSeconds);
    countDownView_->setIntroduceContent(TAVOLocalizedString("restart wifi progress"));
    countDownView_->setDelegate(self<TAVOChannelSelectViewController>());
    view()->addSubview(countDownView_);
}

void TAVOChannelSelectViewController::timeout(TAVOCountDownView&) {
    if (countDownView_) countDownView_->removeFromSuperview();
    countDownView_ = nullptr;
}
