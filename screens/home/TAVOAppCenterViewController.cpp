#include "screens/home/TAVOAppCenterViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/Font.h"
#include "platform/ui/NavigationController.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterRadioPower.h"
#include "protocol/records/TAVORouterStatus.h"
#include "protocol/requests/catalogue/TAVORouterQueryRadioPower.h"
#include "widgets/TAVORadioPowerTaking.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/TAVOWiFiStateTaking.h"

namespace {

constexpr const char* kSizingImageName = "icon_wifi_open_indicator";
constexpr double kTileExtraHeight = 14;
constexpr double kRowGap = 35;
constexpr double kTitleTop = 10;
constexpr double kTitleHeight = 24;
constexpr double kTitleFontSize = 14;
constexpr int kTitleGrey = 51;

TAVORouterStatusPtr lastStatus() {
    const auto& lisener = TAVOAccountManager::shareInstance()->statusLisener();
    return lisener ? lisener->status() : nullptr;
}

bool truthy(const ns::Value& v) {
    if (v.isString()) return v.stringValue() == "1" || v.stringValue() == "true";
    return v.isNumber() && v.integerValue() != 0;
}

}  // namespace

const std::vector<TAVOAppCenterViewController::Item>& TAVOAppCenterViewController::itemTable() {
    static const std::vector<Item> table{
        {"pane light door", "icon_led_close_indicator", "icon_led_close_indicator", "TAVOPaneLEDDoorViewController"},
        {"WIFI door", "icon_wifi_open_indicator", "icon_wifi_open_indicator", "TAVOWIFIDoorViewController"},
        {"Radio power adjust", "icon_radio_indicator_3", "icon_radio_indicator_4", "TAVORadioPowerAdjustViewController"},
    };
    return table;
}

ui::ImagePtr TAVOAppCenterViewController::tabImage() const { return ui::Image::imageNamed("appcenter_tabbar"); }
ui::ImagePtr TAVOAppCenterViewController::tabSelectedImage() const { return ui::Image::imageNamed("appcenter_press_tabbar"); }
std::string TAVOAppCenterViewController::tabTitle() const { return TAVOLocalizedString("app center"); }

void TAVOAppCenterViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    if (auto nav = navigationController()) nav->setNavigationBarHidden(true);
    navBar()->setTitle(TAVOLocalizedString("app center"));
    dataSource_ = itemTable();
    loadItems();
    auto self = this->self<TAVOAppCenterViewController>();
    TAVORequestAnswers::listen<TAVORouterQueryRadioPower>(
        self, [this](const ns::Value& records, const ns::Dictionary&) { getRadioOK(records); }, nullptr);
}

void TAVOAppCenterViewController::loadItems() {
    const cg::Size size = view()->bounds().size;
    const double barHeight = navBar()->frame().size.height;
    internalView_ = ui::ScrollView::create(cg::RectMake(0, barHeight + kTilesTopGap, size.width, size.height - barHeight));
    view()->addSubview(internalView_);

    auto sizing = ui::Image::imageNamed(kSizingImageName);
    const double w = sizing ? sizing->size().width : 0;
    const double h = sizing ? sizing->size().height : 0;
    items_.clear();
    for (std::size_t i = 0; i < dataSource_.size(); ++i) {
        const Item& item = dataSource_[i];
        const double x = i % 2 == 0 ? kFirstColumnX : size.width - kSecondColumnRightGap - w;
        const double y = static_cast<double>(i / 2) * (h + kRowGap);
        auto tile = ui::Button::buttonWithType(ui::ButtonType::Custom);
        tile->setFrame(cg::RectMake(x, y, w, h + kTileExtraHeight));
        tile->setImage(ui::Image::imageNamed(item.icon), ui::ControlStateNormal);
        tile->setImage(ui::Image::imageNamed(item.iconPress), ui::ControlStateHighlighted);
        tile->adjustsImageWhenHighlighted = false;
        tile->setTag(static_cast<long>(i));
        tile->addTarget(self<TAVOAppCenterViewController>(), &TAVOAppCenterViewController::tap, "tap:",
                        ui::ControlEventTouchUpInside);
        auto title = ui::Label::create(cg::RectMake(0, h + kTitleTop, w, kTitleHeight));
        title->setText(TAVOLocalizedString(item.title));
        title->setTextAlignment(ui::TextAlignment::Center);
        title->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
        title->setTextColor(ui::Color::rgb255(kTitleGrey, kTitleGrey, kTitleGrey));
        title->setBackgroundColor(ui::Color::clearColor());
        tile->addSubview(title);
        internalView_->addSubview(tile);
        items_.push_back(tile);
    }
}

void TAVOAppCenterViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    updateView();
    getRadio();
}

void TAVOAppCenterViewController::getRadio() { (void)TAVOAccountManager::shareInstance()->getRadio(); }

bool TAVOAppCenterViewController::wifiLedState() const {
    auto status = lastStatus();
    return status && status->lanStatus && truthy(ns::Value(status->lanStatus->led_status));
}

std::string TAVOAppCenterViewController::bandInUse() const {
    auto status = lastStatus();
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    const bool twoG = status && status->twoGConfig && router && status->twoGConfig->wifi_ssid.stringValue() == router->ssid;
    return twoG ? "2.4G" : "5G";
}

bool TAVOAppCenterViewController::wifiDoorState() const {
    auto status = lastStatus();
    if (!status) return false;
    const auto& band = bandInUse() == "2.4G" ? status->twoGConfig : status->fiveGConfig;
    return band && truthy(band->wifi_status);
}

bool TAVOAppCenterViewController::getCurrentRadio(const ns::Value& record) {
    auto radio = record.as<TAVORouterRadioPower>();
    if (!radio || radio->frequency != bandInUse()) return false;
    radioPower_ = static_cast<int>(radio->powerPercent);
    return true;
}

void TAVOAppCenterViewController::getRadioOK(const ns::Value& records) {
    dismissToast();
    if (records.isArray()) {
        bool found = false;
        for (const auto& record : records.asArray())
            if ((found = getCurrentRadio(record))) break;
        if (!found && records.count() > 0)
            if (auto first = records[0].as<TAVORouterRadioPower>()) radioPower_ = static_cast<int>(first->powerPercent);
    }
    updateView();
}

void TAVOAppCenterViewController::updateView() {
    if (items_.size() < 3) return;
    const auto show = [](const ui::ButtonPtr& tile, const char* name) {
        auto image = ui::Image::imageNamed(name);
        tile->setImage(image, ui::ControlStateNormal);
        tile->setImage(image, ui::ControlStateHighlighted);
        tile->setBackgroundColor(ui::Color::clearColor());
    };
    show(items_[0], wifiLedState() ? "icon_led_open_indicator" : "icon_led_close_indicator");
    show(items_[1], wifiDoorState() ? "icon_wifi_open_indicator" : "icon_wifi_close_indicator");
    switch (TAVOCommonUtility::getPostionNum(radioPower_)) {
        case 0: show(items_[2], "icon_radio_indicator_1"); break;
        case 3: show(items_[2], "icon_radio_indicator_4"); break;
        case 4: show(items_[2], "icon_radio_indicator_5"); break;
        default: show(items_[2], "icon_radio_indicator_3"); break;
    }
}

void TAVOAppCenterViewController::tap(ui::Control& sender) {
    if (!isRouterAvailable()) return;
    const long tag = sender.tag();
    if (tag < 0 || static_cast<std::size_t>(tag) >= dataSource_.size()) return;
    auto screen = TAVOScreenClassRegistry::create(dataSource_[static_cast<std::size_t>(tag)].detailClassName);
    if (!screen) return;
    if (auto door = std::dynamic_pointer_cast<TAVOWiFiStateTaking>(screen)) door->setWifiOpen(wifiDoorState());
    if (auto radio = std::dynamic_pointer_cast<TAVORadioPowerTaking>(screen)) radio->setRadioPower(radioPower_);
    auto tabs = tabBarController_.lock();
    auto nav = tabs && tabs->navigationController() ? tabs->navigationController() : navigationController();
    if (nav) nav->pushViewController(screen, true);
}
