// Router information: the fifteen rows from the polled hardware record
// (sizes in whole megabytes, never rounded up), the placeholder without a
// status, and the breathing light.
#include "screens/account/TAVORouterInfoViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/NavigationController.h"
#include "screens/account/TAVORouterInfoCell.h"
#include "tests/screens/account/SettingsScreensFixture.h"

namespace keelbox::test {
namespace {

std::string valueOf(const std::vector<std::pair<std::string, std::string>>& rows, const char* key) {
    for (const auto& [label, value] : rows)
        if (label == TAVOLocalizedString(key)) return value;
    return "<missing>";
}

TEST(RouterInfoRows, ValuesAreShownAsTheRouterGaveThem) {
    auto info = TAVORouterHardwareInfo::create();
    info->ram = "131072";
    info->flash = "16383";
    info->antenna = "0";
    auto rows = TAVORouterInfoViewController::rowsFor(*info);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows.front().first, TAVOLocalizedString("router name"));
    EXPECT_EQ(rows.back().first, TAVOLocalizedString("encrypt standard"));
    EXPECT_EQ(valueOf(rows, "router name"), TAVOLocalizedString("name-Ardo Keelbox"));
    EXPECT_EQ(valueOf(rows, "Ram"), "128 MB");
    EXPECT_EQ(valueOf(rows, "FLASH"), "15 MB");
    EXPECT_EQ(valueOf(rows, "antenna"), TAVOLocalizedString("has not installed"));

    info->router_name = "Study";
    info->ram = "";
    info->flash = "abc";
    info->antenna = "2";
    rows = TAVORouterInfoViewController::rowsFor(*info);
    EXPECT_EQ(valueOf(rows, "router name"), "Study");
    EXPECT_EQ(valueOf(rows, "Ram"), "0 MB");
    EXPECT_EQ(valueOf(rows, "FLASH"), "0 MB");
    EXPECT_EQ(valueOf(rows, "antenna"), TAVOLocalizedString("has installed"));
}

using RouterInfo = SettingsScreens;

TEST_F(RouterInfo, ThePolledRouterFillsTheListOrThePlaceholderShows) {
    auto screen = show(TAVORouterInfoViewController::create());
    ASSERT_EQ(screen->infos().size(), 15u);
    EXPECT_FALSE(screen->tableView()->isHidden());
    EXPECT_TRUE(screen->blankIndicator()->isHidden());
    EXPECT_EQ(valueOf(screen->infos(), "router version"), emulated().romVersion);
    EXPECT_EQ(valueOf(screen->infos(), "Ram"), "128 MB");
    auto cell = std::dynamic_pointer_cast<TAVORouterInfoCell>(
        screen->tableView()->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(2, 0)));
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->leftLabel()->text(), TAVOLocalizedString("router version"));
    EXPECT_EQ(cell->rightLabel()->text(), emulated().romVersion);

    TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);  // no poller, no status
    auto empty = show(TAVORouterInfoViewController::create());
    EXPECT_TRUE(empty->infos().empty());
    EXPECT_TRUE(empty->tableView()->isHidden());
    EXPECT_FALSE(empty->blankIndicator()->isHidden());
    EXPECT_TRUE(app.screen().viewWithText(TAVOLocalizedString("can't get router info")));
}

TEST_F(RouterInfo, OneLightBreathesInAndOutEveryTwoSeconds) {
    auto screen = show(TAVORouterInfoViewController::create());
    auto breath = screen->iconView();
    ASSERT_EQ(breath->lightViews().size(), 1u);
    auto light = breath->lightViews().front();
    EXPECT_TRUE(breath->isAnimating());
    // The model takes each fade's end at once: lit for the first second of
    // every two, dim for the second.
    for (int cycle = 0; cycle < 2; ++cycle) {
        SCOPED_TRACE(cycle);
        EXPECT_FALSE(light->isHidden());
        EXPECT_NEAR(light->alpha(), 1.0, 1e-9);
        app.screen().wait(1.0);
        EXPECT_NEAR(light->alpha(), TAVOLogoBreathView::kDimAlpha, 1e-9);
        app.screen().wait(1.0);
    }
    // Away from the window the steps stop.
    app.screen().navigationStack().back()->navigationController()->popViewControllerAnimated(false);
    app.screen().wait(0.5);
    EXPECT_FALSE(breath->isAnimating());
}

TEST(RouterInfoLights, SeveralLightsTakeTurns) {
    auto breath = TAVOLogoBreathView::create(cg::RectMake(0, 0, 100, 100));
    breath->usingDefault = false;
    auto image = ui::Image::imageNamed("public_router_light");
    breath->setLightsImage({image, image, image});
    ASSERT_EQ(breath->lightViews().size(), 3u);
    EXPECT_NEAR(breath->lightViews()[0]->center().y, 50 + 100 * TAVOLogoBreathView::kLightDrop, 1e-9);
    for (int step = 0; step < 4; ++step) {
        breath->doAnimation();
        for (int i = 0; i < 3; ++i) EXPECT_EQ(breath->lightViews()[i]->isHidden(), i != step % 3) << step;
    }
}

}  // namespace
}  // namespace keelbox::test
