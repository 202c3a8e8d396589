// The core's alerts on the running application: the presenter registered
// at start-up puts them up as the interface kit's queued alerts.
#include <gtest/gtest.h>

#include "core/services/TAVOAlertPresenter.h"
#include "tests/support/screen/AppFixture.h"
#include "uikit/MAAlertView.h"

namespace keelbox::test {
namespace {

TEST(QueuedAlertPresenter, TheCoresAlertsComeUpOneAtATimeThroughTheKitsQueue) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto& screen = app.screen();
    auto alerts = TAVOAlertPresenter::shared();
    ASSERT_TRUE(alerts);
    std::vector<std::string> tapped;
    EXPECT_FALSE(alerts->hasShown());
    alerts->showAlert("New version", "2.0 is out",
                      {{"Later", TAVOAlertButtonTypeCancel, [&] { tapped.push_back("later"); }},
                       {"Get it", TAVOAlertButtonTypeDefault, [&] { tapped.push_back("get"); }}});
    EXPECT_TRUE(alerts->hasShown());
    alerts->showAlert("Session ended", "", {{"OK", TAVOAlertButtonTypeDefault, [&] { tapped.push_back("ok"); }}});
    screen.wait(2.0);

    // The newest is up, alone, in its own window above the application's.
    ASSERT_EQ(screen.alerts().size(), 1u);
    EXPECT_EQ(screen.alert()->title(), "Session ended");
    auto shown = std::dynamic_pointer_cast<MAAlertView>(screen.alert()->view());
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->alertWindow()->windowLevel(), MAAlertView::kAlertWindowLevel);
    EXPECT_TRUE(shown->alertWindow()->isKeyWindow());
    EXPECT_TRUE(alerts->hasShown());
    EXPECT_TRUE(screen.pressAlertButton("OK"));
    screen.wait(2.0);

    // Then the one it pre-empted, its buttons in the order and types given.
    ASSERT_TRUE(screen.alert());
    EXPECT_EQ(screen.alert()->title(), "New version");
    EXPECT_EQ(screen.alert()->buttonTitles(), (std::vector<std::string>{"Later", "Get it"}));
    shown = std::dynamic_pointer_cast<MAAlertView>(screen.alert()->view());
    ASSERT_EQ(shown->items().size(), 2u);
    EXPECT_EQ(shown->items()[0]->type, MAAlertViewButtonTypeCancel);
    EXPECT_EQ(shown->items()[1]->type, MAAlertViewButtonTypeDefault);
    EXPECT_TRUE(screen.pressAlertButton("Get it"));
    screen.wait(2.0);

    EXPECT_EQ(tapped, (std::vector<std::string>{"ok", "get"}));
    EXPECT_FALSE(alerts->hasShown());
    EXPECT_FALSE(screen.alert());
    EXPECT_TRUE(app.window()->isKeyWindow()) << "the application's window is key again";
}

}  // namespace
}  // namespace keelbox::test
