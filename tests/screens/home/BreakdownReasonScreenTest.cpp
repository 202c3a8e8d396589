// The breakdown-reason screen: the operator's refusal explained, any other
// code with the phone line moved up, and the number dialled from the
// button's own title.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "screens/home/TAVOBreakdownSeasonViewController.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {
namespace {

std::shared_ptr<TAVOBreakdownSeasonViewController> shown(AppFixture& app, int code) {
    auto screen = TAVOBreakdownSeasonViewController::create();
    screen->setErrorId(code);
    app.push(screen);
    app.screen().wait(0.3);
    return screen;
}

TEST(BreakdownReasonScreen, TheOperatorsRefusalIsExplainedAndOtherCodesMoveThePhoneLineUp) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    const std::string phoneLine = TAVOLocalizedString("please contact local operator");
    for (int code : {691, 1, 4, 5, 646, 649}) {
        SCOPED_TRACE(code);
        auto screen = shown(app, code);
        const auto& body = screen->operatorView();
        ASSERT_TRUE(body);
        EXPECT_EQ(body->telIntroduceLabel()->text(), phoneLine);
        EXPECT_EQ(body->frame().origin.y, screen->navBar()->frame().size.height + 25);
        const cg::Rect number = body->operatortelLabel()->frame();
        EXPECT_EQ(body->frame().size.height, number.origin.y + number.size.height);
        if (code == 691) {
            EXPECT_EQ(body->NameLabel()->text(), TAVOLocalizedString("operator error") + "（691）");
            EXPECT_EQ(body->introduceLabel()->text(), TAVOLocalizedString("operator error introduce"));
        } else {
            EXPECT_EQ(body->NameLabel()->text(), TAVOLocalizedString("operator unknow error"));
            EXPECT_EQ(body->introduceLabel()->frame(), cg::Rect{});
            const cg::Rect tel = body->telIntroduceLabel()->frame();
            EXPECT_EQ(number.origin.y, tel.origin.y + tel.size.height + 25);
        }
        screen->navigationController()->popViewControllerAnimated(false);
    }
}

TEST(BreakdownReasonScreen, ThePhoneButtonDialsTheNumberItShows) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto screen = shown(app, 691);
    const auto& button = screen->operatorView()->telButton();
    button->setTitle("0123 456", ui::ControlStateNormal);
    ASSERT_TRUE(app.screen().tap(button));
    const auto& opened = ui::Application::sharedApplication()->openedURLs();
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(opened.back(), "tel://0123 456");
}

}  // namespace
}  // namespace keelbox::test
