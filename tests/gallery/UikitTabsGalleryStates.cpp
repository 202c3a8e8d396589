// The states of the tab bar, swipeable-cell and pull-to-refresh kits, each
// on a screen pushed onto the launched application's stack: the tab bar
// with three tabs and a badge, a swipeable row open on its buttons, the
// pull-down header while pulled and while refreshing, and the pull-up
// footer.
#include <gtest/gtest.h>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TableView.h"
#include "tests/gallery/GalleryRegistry.h"
#include "uikit/SlideTableViewCell.h"
#include "uikit/SlideUtilityButtons.h"
#include "uikit/TKTab.h"
#include "uikit/TKTabBar.h"
#include "uikit/TKTabBarController.h"
#include "uikit/TKTabHooks.h"
#include "uikit/UIScrollViewPull.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

// A tab's screen: a title in the middle and its icon pair (or, drawn, the
// artwork the tab draws itself).
class TabScreen : public ui::ViewController, public TKTabHooks {
public:
    using ui::ViewController::ViewController;
    static std::shared_ptr<TabScreen> create(const std::string& title, const std::string& icon, bool drawn = false) {
        auto screen = ui::ViewController::make<TabScreen>();
        screen->name_ = title;
        screen->icon_ = icon;
        screen->drawn_ = drawn;
        return screen;
    }
    void viewDidLoad() override {
        view()->setBackgroundColor(ui::Color::whiteColor());
        auto label = ui::Label::create(cg::RectMake(0, 200, view()->bounds().size.width, 40));
        label->setText(name_);
        label->setTextAlignment(ui::TextAlignment::Center);
        label->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth);
        view()->addSubview(label);
    }
    ui::ImagePtr tabImage() const override { return drawn_ ? nullptr : ui::Image::imageNamed(icon_); }
    ui::ImagePtr tabSelectedImage() const override { return drawn_ ? nullptr : ui::Image::imageNamed(icon_ + "_pre"); }
    std::string tabImageName() const override { return drawn_ ? icon_ : std::string(); }
    std::string tabTitle() const override { return name_; }

private:
    std::string name_, icon_;
    bool drawn_ = false;
};

// The tab bar as the application's root screen builds it.
void tabBarWithBadge(AppFixture& app) {
    ASSERT_TRUE(app.launch());
    auto tabs = TKTabBarController::create(50);
    const auto bar = ui::Color::rgb255(42, 47, 47);
    tabs->backgroundImage =
        TAVOCommonUtility::createImageFromColor(bar, {4, 4})->stretchableImageWithLeftCapWidth(1, 1);
    tabs->textColor = ui::Color::rgb255(128, 128, 128);
    tabs->selectedTextColor = ui::Color::rgb255(26, 202, 69);
    tabs->tabEdgeColor = bar;
    tabs->selectedTabEdgeColor = bar;
    std::vector<ui::ViewControllerPtr> children;
    for (const auto& [title, icon] : {std::pair{"My Wi-Fi", "home_bbar_ic01"}, {"Protection", "home_bbar_ic02"},
                                      {"Files", "home_bbar_ic03"}})
        children.push_back(ui::NavigationController::create(TabScreen::create(title, icon)));
    tabs->setViewControllers(children);
    app.push(tabs);
    tabs->tabBar()->tabs().at(0)->setIndicatorImage(ui::Image::imageNamed("bg_indicator"));
}

// Tabs without icon images draw themselves from their artwork, on the
// strip's own noise and gradient.
void tabBarDrawn(AppFixture& app) {
    ASSERT_TRUE(app.launch());
    auto tabs = TKTabBarController::create(50);
    std::vector<ui::ViewControllerPtr> children;
    for (const auto& [title, icon] : {std::pair{"My Wi-Fi", "home_bbar_ic01"}, {"Protection", "home_bbar_ic02"},
                                      {"Files", "home_bbar_ic03"}})
        children.push_back(ui::NavigationController::create(TabScreen::create(title, icon, true)));
    tabs->setViewControllers(children);
    app.push(tabs);
}

// A screen holding one view over its whole area, rows of text below it.
class ListScreen : public ui::ViewController, public ui::TableViewDataSource {
public:
    using ui::ViewController::ViewController;
    std::function<ui::TableViewCellPtr(ui::TableView&, const ui::IndexPath&)> makeCell;
    long rows = 12;

    void viewDidLoad() override {
        view()->setBackgroundColor(ui::Color::white(0.94));
        table = ui::TableView::create(view()->bounds());
        table->setRowHeight(62);
        table->setBackgroundColor(ui::Color::white(0.94));
        table->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self<ListScreen>()));
        view()->addSubview(table);
    }
    long numberOfRowsInSection(ui::TableView&, long) override { return rows; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& t, const ui::IndexPath& ip) override {
        if (makeCell) return makeCell(t, ip);
        auto cell = ui::TableViewCell::create(ui::TableViewCellStyle::Subtitle, "file");
        cell->textLabel()->setText("Holiday photo " + std::to_string(ip.row + 1) + ".jpg");
        cell->detailTextLabel()->setText(std::to_string(2 + ip.row % 5) + ".4 MB");
        return cell;
    }

    ui::TableViewPtr table;
};

std::shared_ptr<ListScreen> pushList(AppFixture& app) {
    auto screen = ui::ViewController::make<ListScreen>();
    app.push(screen);
    screen->view()->layoutIfNeeded();
    return screen;
}

void swipeCellOpen(AppFixture& app) {
    ASSERT_TRUE(app.launch());
    auto screen = ui::ViewController::make<ListScreen>();
    screen->rows = 5;
    std::vector<SlideTableViewCellPtr> cells;
    screen->makeCell = [&cells](ui::TableView& table, const ui::IndexPath& ip) -> ui::TableViewCellPtr {
        auto cell = ui::TableViewCell::makeCell<SlideTableViewCell>(ui::TableViewCellStyle::Subtitle, "device");
        std::vector<ui::ButtonPtr> buttons;
        sl_addUtilityButtonWithColor(buttons, ui::Color::rgb255(200, 199, 204), std::string("Limit"));
        sl_addUtilityButtonWithColor(buttons, ui::Color::rgb255(255, 59, 48), std::string("Block"));
        cell->setContainingTableView(std::static_pointer_cast<ui::TableView>(table.self<ui::View>()));
        cell->setRightUtilityButtons(buttons);
        cell->setCellHeight(62);
        cell->textLabel()->setText("Living-room tablet " + std::to_string(ip.row + 1));
        cell->detailTextLabel()->setText("192.168.1." + std::to_string(100 + ip.row) + " · 5 GHz");
        cells.push_back(cell);
        return cell;
    };
    app.push(screen);
    screen->view()->layoutIfNeeded();
    ASSERT_GE(cells.size(), 2u);
    cells[1]->setSWCellState(SlideCellState::Right, false);
}

// A finger's drag in steps, so that the ring follows it.
void dragInSteps(const ui::ScrollViewPtr& scrollView, double distance) {
    scrollView->beginDragging();
    for (int step = 1; step <= 10; ++step) scrollView->dragBy({0, distance * step / 10});
}

// The header of a list pulled down by `distance`; released when asked.
void pullDown(AppFixture& app, double distance, bool release) {
    ASSERT_TRUE(app.launch());
    ns::UserDefaults::standardUserDefaults()->setObject(ns::Value(ns::Date::withTimeIntervalSinceNow(-3600)),
                                                       PullDownView::kTimeKey);
    auto screen = pushList(app);
    auto owner = std::make_shared<ns::Object>();
    UIScrollViewPull::addHeaderWithTarget(screen->table, owner, [](PullDownView&) {});
    dragInSteps(screen->table, distance);
    if (release) screen->table->endDragging({0, 0});
}

void pullUp(AppFixture& app) {
    ASSERT_TRUE(app.launch());
    auto screen = pushList(app);
    auto owner = std::make_shared<ns::Object>();
    UIScrollViewPull::addFooterWithTarget(screen->table, owner, [](PullUpView&) {});
    const auto table = screen->table;
    table->setContentOffset(table->maximumContentOffset());
    dragInSteps(table, -90);
}

}  // namespace

void registerUikitTabsGalleryStates() {
    GalleryRegistry::add("uikit_tab_bar_badge", tabBarWithBadge);
    GalleryRegistry::add("uikit_tab_bar_drawn", tabBarDrawn);
    GalleryRegistry::add("uikit_swipe_cell_open", swipeCellOpen);
    GalleryRegistry::add("uikit_pull_down_pulling", [](AppFixture& app) { pullDown(app, 56, false); });
    GalleryRegistry::add("uikit_pull_down_ready", [](AppFixture& app) { pullDown(app, 90, false); });
    GalleryRegistry::add("uikit_pull_down_refreshing", [](AppFixture& app) { pullDown(app, 90, true); });
    GalleryRegistry::add("uikit_pull_up_footer", pullUp);
}

}  // namespace keelbox::gallery
