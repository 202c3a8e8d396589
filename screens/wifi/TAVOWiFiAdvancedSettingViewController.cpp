#include "screens/wifi/TAVOWiFiAdvancedSettingViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "screens/wifi/TAVOChannelSelectViewController.h"
#include "screens/wifi/TAVORouterInfoStringConverter.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr double kInset = 22;
constexpr double kHeaderHeight = 22;
constexpr double kTitleFontSize = 15;
constexpr double kValueFontSize = 12;

// The number a status value holds, or -1 when the router did not send it.
int presentNumber(const ns::Value& value) { return value.isNilOrNull() ? -1 : value.intValue(); }

}  // namespace

void TAVOWiFiAdvancedSettingViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    view()->setBackgroundColor(backgroundColor());
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("advanced options"));
    setupTableView();
}

void TAVOWiFiAdvancedSettingViewController::setupTableView() {
    advanceSettingTB_ = ui::TableView::create(contentViewFrame(), ui::TableViewStyle::Plain);
    advanceSettingTB_->setBackgroundColor(backgroundColor());
    advanceSettingTB_->separatorStyle = 0;
    advanceSettingTB_->showsVerticalScrollIndicator = false;
    advanceSettingTB_->setContentInset(cg::EdgeInsets{kInset, 0, kInset, 0});
    auto self = this->self<TAVOWiFiAdvancedSettingViewController>();
    advanceSettingTB_->setDataSource(self);
    advanceSettingTB_->setTableDelegate(self);
    view()->addSubview(advanceSettingTB_);
}

void TAVOWiFiAdvancedSettingViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    initData();
    loadData();
    advanceSettingTB_->reloadData();
}

void TAVOWiFiAdvancedSettingViewController::initData() {
    twoChannelIndex_ = -1;
    fiveChannelIndex_ = -1;
    twoBandWidthIndex_ = -1;
}

void TAVOWiFiAdvancedSettingViewController::loadData() {
    settingLBData_ = {"2.4G信道选择", "5G 信道选择", "2.4G频宽选择"};
    auto status = listener() ? listener()->status() : nullptr;
    auto channelOf = [](const std::shared_ptr<TAVORouterNgConfig>& config) {
        if (!config) return -1;
        return config->wifi_channel_set.isNilOrNull() ? presentNumber(config->wifi_channel) : config->wifi_channel_set.intValue();
    };
    twoChannelIndex_ = channelOf(status ? status->twoGConfig : nullptr);
    fiveChannelIndex_ = channelOf(status ? status->fiveGConfig : nullptr);
    showBandWidth_ = status && status->twoGConfig && !status->twoGConfig->wifi_bandwidth_set.isNilOrNull();
    if (showBandWidth_) twoBandWidthIndex_ = status->twoGConfig->wifi_bandwidth_set.intValue();
    settingData_ = {TAVORouterInfoStringConverter::getTwogChannelStringByIndex(twoChannelIndex_),
                    TAVORouterInfoStringConverter::getFivegChannelStringByIndex(fiveChannelIndex_),
                    TAVORouterInfoStringConverter::getBandWidthStringByIndex(twoBandWidthIndex_)};
}

ui::TableViewCellPtr TAVOWiFiAdvancedSettingViewController::cellForRowAtIndexPath(ui::TableView& table,
                                                                                  const ui::IndexPath& ip) {
    auto cell = table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) cell = ui::TableViewCell::create(ui::TableViewCellStyle::Value1, kCellIdentifier);
    showSeparatorLine(cell, true, ip, table);
    const std::size_t item = itemIndex(ip);
    cell->textLabel()->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    cell->textLabel()->setText(item < settingLBData_.size() ? settingLBData_[item] : "");
    cell->detailTextLabel()->setFont(ui::Font::systemFontOfSize(kValueFontSize));
    cell->detailTextLabel()->setText(item < settingData_.size() ? settingData_[item] : "");
    cell->setAccessoryType(ui::TableViewCellAccessoryType::DisclosureIndicator);
    return cell;
}

std::optional<double> TAVOWiFiAdvancedSettingViewController::heightForHeaderInSection(ui::TableView&, long section) {
    return section == 1 ? kHeaderHeight : 0.0;
}

ui::ViewPtr TAVOWiFiAdvancedSettingViewController::viewForHeaderInSection(ui::TableView& table, long section) {
    if (section != 1) return nullptr;
    auto header = ui::View::create(cg::RectMake(0, 0, table.bounds().size.width, kHeaderHeight));
    header->setBackgroundColor(ui::Color::clearColor());
    return header;
}

void TAVOWiFiAdvancedSettingViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    table.deselectRowAtIndexPath(ip, false);
    const std::size_t item = itemIndex(ip);
    auto choice = TAVOChannelSelectViewController::create();
    choice->titleStr = item < settingLBData_.size() ? settingLBData_[item] : "";
    switch (item) {
        case 0:
            choice->type = TAVOChannelSelectViewController::TwoGChannel;
            choice->selectIndex = twoChannelIndex_;
            break;
        case 1:
            choice->type = TAVOChannelSelectViewController::FiveGChannel;
            choice->selectIndex = TAVORouterInfoStringConverter::getViewFivegIndexByServerIndex(fiveChannelIndex_);
            break;
        default:
            choice->type = TAVOChannelSelectViewController::BandWidth;
            choice->selectIndex = twoBandWidthIndex_;
            break;
    }
    if (auto navigation = navigationController()) navigation->pushViewController(choice, true);
}
