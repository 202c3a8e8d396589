#include "screens/home/TAVORoutersListViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/NavigationController.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterUnbindRequest.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"
#include "uikit/MAAlertView.h"
#include "uikit/SlideUtilityButtons.h"
#include "widgets/TAVOCellIndicator.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr const char* kCellIdentifier = "Cell";
constexpr const char* kBindScreenName = "TAVOBindRouterPswViewController";
constexpr const char* kAddImageName = "router_list_icon_add";
constexpr double kFooterIndicatorY = 22;
constexpr double kFooterIndicatorHeight = 43;
constexpr double kAddImageX = 15;
constexpr double kAddTextGap = 10;
constexpr long kSeparatorLeftCap = 2;

const ui::Color kGreen = ui::Color::rgb255(10, 167, 75);
const ui::Color kUnbindRed = ui::Color::rgb255(247, 93, 73);
const ui::Color kFooterGrey = ui::Color::rgb255(51, 51, 51);

ui::ImageViewPtr separatorLine(double y, double width) {
    auto image = ui::Image::imageNamed("seperator_line");
    auto line = ui::ImageView::create(cg::RectMake(0, y, width, 1));
    line->setImage(image ? image->stretchableImageWithLeftCapWidth(kSeparatorLeftCap, 0) : nullptr);
    return line;
}

}  // namespace

void TAVORoutersListViewController::viewDidLoad() {
    TAVORefreshTableViewController::viewDidLoad();
    navBar()->setLeftBarItemText(TAVOLocalizedString("cancel"), AppNavigationBar::LeftStyleText);
    if (const auto& left = navBar()->leftBarButtonItem()) left->setTitleColor(kGreen, ui::ControlStateNormal);
    navBar()->setTitle(TAVOLocalizedString("manage the routers list"));

    buildFooter();
    tableView()->setContentInset(cg::EdgeInsets{kTopInset, 0, tableView()->contentInset().bottom, 0});
    tableView()->setRowHeight(kRowHeight);

    auto self = this->self<TAVORoutersListViewController>();
    TAVORequestAnswers::listen<TAVORoutersListRequest>(
        self, [this](const ns::Value& routers, const ns::Dictionary&) { routersListed(routers); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
            dismissLoading();
            showRoutersListError(getErrMsgFromObject(error));
        });
    TAVORequestAnswers::listen<TAVORouterUnbindRequest>(
        self, [this](const ns::Value&, const ns::Dictionary&) { routerUnbound(); },
        [this](const TAVOErrorPtr&, const ns::Dictionary&) { showUnbindRouterError(""); });
}

void TAVORoutersListViewController::buildFooter() {
    const double width = tableView()->bounds().size.width;
    auto footer = ui::View::create(cg::RectMake(0, 0, width, kFooterHeight));
    auto indicator = TAVOCellIndicator::create(cg::RectMake(0, kFooterIndicatorY, width, kFooterIndicatorHeight));
    const auto& button = indicator->bgButton();
    button->setBackgroundImage(nullptr, ui::ControlStateNormal);
    button->setBackgroundImage(nullptr, ui::ControlStateHighlighted);
    button->setBackgroundColor(ui::Color::whiteColor());
    button->setFrame(indicator->bounds());
    button->addTarget(self<TAVORoutersListViewController>(), &TAVORoutersListViewController::addRouter, "addRouter:",
                      ui::ControlEventTouchUpInside);
    auto add = ui::Image::imageNamed(kAddImageName);
    indicator->appender()->setImage(add);
    cg::Rect addFrame = indicator->appender()->frame();
    addFrame.origin.x = kAddImageX;
    addFrame.size.width = add ? add->size().width : 0;
    indicator->appender()->setFrame(addFrame);
    // The text runs from the picture that now leads the strip to its end
    // (the strip shows no arrow here).
    cg::Rect textFrame = indicator->content()->frame();
    const double textX = addFrame.origin.x + addFrame.size.width + kAddTextGap;
    textFrame.origin.x = textX;
    textFrame.size.width = width - textX - kAddImageX;
    indicator->content()->setFrame(textFrame);
    indicator->content()->setText(TAVOLocalizedString("add current router"));
    indicator->content()->setTextColor(kFooterGrey);
    indicator->addSubview(separatorLine(0, width));
    indicator->addSubview(separatorLine(kFooterIndicatorHeight - 1, width));
    footer->addSubview(indicator);
    tableView()->setTableFooterView(footer);
}

void TAVORoutersListViewController::viewWillAppear(bool animated) {
    TAVORefreshTableViewController::viewWillAppear(animated);
    requestRoutersList();
}

std::vector<TAVORouterModelPtr> TAVORoutersListViewController::sortTheRoutersList(const std::vector<TAVORouterModelPtr>& routers) {
    std::vector<TAVORouterModelPtr> online, offline;
    for (const auto& router : routers) {
        if (!router) continue;
        (router->is_online != 0 ? online : offline).push_back(router);
    }
    online.insert(online.end(), offline.begin(), offline.end());
    return online;
}

void TAVORoutersListViewController::requestRoutersList() {
    if (TAVOAccountManager::shareInstance()->requestRoutersList() < 0) {
        showRoutersListError("");
        return;
    }
    showLoading();
}

void TAVORoutersListViewController::routersListed(const ns::Value& routers) {
    std::vector<TAVORouterModelPtr> models;
    if (routers.isArray())
        for (const auto& element : routers.asArray())
            if (auto router = element.as<TAVORouterModel>()) models.push_back(router);
    routersList_ = sortTheRoutersList(models);
    dismissLoading();
}

void TAVORoutersListViewController::showRoutersListError(const std::string& text) {
    showToast(1, text.empty() ? TAVOLocalizedString("request binding routers error") : text);
}

void TAVORoutersListViewController::showUnbindRouterError(const std::string& text) {
    showToast(1, text.empty() ? TAVOLocalizedString("unbind router failed") : text);
}

std::vector<ui::ButtonPtr> TAVORoutersListViewController::rightButtons(long /*section*/) const {
    std::vector<ui::ButtonPtr> buttons;
    sl_addUtilityButtonWithColor(buttons, kUnbindRed, TAVOLocalizedString("unbind router"));
    return buttons;
}

ui::TableViewCellPtr TAVORoutersListViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    auto cell = std::dynamic_pointer_cast<TAVORoutersListItemCell>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) cell = TAVORoutersListItemCell::create(ui::TableViewCellStyle::Default, kCellIdentifier);
    cell->setAccessoryType(ui::TableViewCellAccessoryType::None);
    cell->selectionStyle = ui::TableViewCellSelectionStyle::Gray;
    const auto& router = routersList_.at(static_cast<std::size_t>(ip.row));
    cell->setRouter(router);
    cell->setEventDelegate(self<TAVORoutersListViewController>());
    auto current = TAVOAccountManager::shareInstance()->currentRouter();
    cell->setRouterState(current && current->isEqualToRouter(router) ? 1 : 0);

    std::weak_ptr<TAVORoutersListViewController> weak = self<TAVORoutersListViewController>();
    std::weak_ptr<TAVORoutersListItemCell> weakCell = cell;
    const long section = ip.section;
    cell->setAppearanceWithBlock(
        [weak, weakCell, section] {
            auto screen = weak.lock();
            auto c = weakCell.lock();
            if (!screen || !c) return;
            c->setLeftUtilityButtons({});
            c->setRightUtilityButtons(screen->rightButtons(section));
            c->setDelegate(screen);
            c->setContainingTableView(screen->tableView());
        },
        false);
    showSeparatorLine(cell, true, ip, table);
    cell->setCellHeight(kRowHeight);
    return cell;
}

void TAVORoutersListViewController::willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell, const ui::IndexPath&) {
    cell->setBackgroundColor(ui::Color::whiteColor());
}

void TAVORoutersListViewController::didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath& ip) {
    if (ip.row < 0 || static_cast<std::size_t>(ip.row) >= routersList_.size()) return;
    const auto& router = routersList_[static_cast<std::size_t>(ip.row)];
    if (router->is_online != 0) gotoSpecificRouter(router);
}

void TAVORoutersListViewController::gotoSpecificRouter(const TAVORouterModelPtr& router) {
    router->isManagedByArdoAccount = true;
    TAVOAccountManager::shareInstance()->setCurrentRouter(router);
    if (auto nav = navigationController()) nav->dismissViewControllerAnimated(true);
}

void TAVORoutersListViewController::addRouter() {
    auto screen = TAVOScreenClassRegistry::create(kBindScreenName);
    auto nav = navigationController();
    if (screen && nav) nav->pushViewController(screen, true);
}

void TAVORoutersListViewController::swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell,
                                                                                                std::size_t index) {
    if (index != 0) return;
    cell.hideUtilityButtonsAnimated(true);
    auto* row = dynamic_cast<TAVORoutersListItemCell*>(&cell);
    if (!row || !row->router()) return;
    TAVORouterModelPtr router = row->router();
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"), TAVOLocalizedString("make sure to unbind the router"));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, nullptr);
    std::weak_ptr<TAVORoutersListViewController> weak = self<TAVORoutersListViewController>();
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault, [weak, router](const MAAlertViewPtr&) {
        if (auto screen = weak.lock()) screen->requestUnbindRouter(router);
    });
    alert->show();
}

void TAVORoutersListViewController::requestUnbindRouter(const TAVORouterModelPtr& router) {
    if (TAVOAccountManager::shareInstance()->unbindRouter(router) < 0) return;
    willDeleteRouter_ = router;
    showToastAutoDismiss(2, TAVOLocalizedString("unbind in progress"), false);
}

void TAVORoutersListViewController::routerUnbound() {
    dismissToast();
    std::vector<TAVORouterModelPtr> remaining;
    for (const auto& router : routersList_)
        if (router != willDeleteRouter_) remaining.push_back(router);
    routersList_ = std::move(remaining);
    willDeleteRouter_ = nullptr;
    auto facade = TAVOAccountManager::shareInstance();
    if (!routersList_.empty()) facade->selectPreviousRouter(routersList_);
    else facade->setCurrentRouter(nullptr);
    updateView();
}

void TAVORoutersListViewController::swipeableTableViewCellScrollingToState(SlideTableViewCell& cell, SlideCellState state) {
    if (auto* row = dynamic_cast<TAVORoutersListItemCell*>(&cell)) row->changeIndicatorState(state == SlideCellState::Center);
}

void TAVORoutersListViewController::cellEvent(TAVORoutersListItemCell& cell, int event) {
    if (event == TAVORoutersListItemCell::kEventClose) cell.setSWCellState(SlideCellState::Center, true);
    else if (event == TAVORoutersListItemCell::kEventOpen) cell.setSWCellState(SlideCellState::Right, true);
}
