// Feedback: the 240 and 50 character limits (insertions refused at the
// limit, replacements and deletions allowed), the text and contact rules,
// the request with its versions, and success and failure.
#include "screens/account/TAVOFeedbackViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/NavigationController.h"
#include "tests/screens/account/SettingsScreensFixture.h"

namespace keelbox::test {
namespace {

using Feedback = SettingsScreens;

std::size_t feedbacksSent(AppFixture& app) {
    std::size_t count = 0;
    for (const auto& entry : app.peers().cloud().server().log().entries())
        if (entry.path == "/system/addFeedback") ++count;
    return count;
}

TEST_F(Feedback, TheTextAndTheContactKeepToTheirLimits) {
    auto screen = show(TAVOFeedbackViewController::create());
    auto text = screen->inputView()->textView();
    ASSERT_TRUE(app.screen().tap(text));
    EXPECT_EQ(screen->inputView()->placeholderLabel()->alpha(), 0);
    EXPECT_EQ(screen->inputView()->countLabel()->text(), "240");
    ASSERT_TRUE(app.screen().type(std::string(239, 'a')));
    EXPECT_EQ(screen->inputView()->countLabel()->text(), "1");
    EXPECT_TRUE(app.screen().type("b"));
    EXPECT_FALSE(app.screen().type("c")) << "at the limit an insertion is refused";
    EXPECT_EQ(text->text().size(), 240u);
    EXPECT_EQ(screen->inputView()->countLabel()->text(), "0");
    EXPECT_TRUE(text->replaceRange(ns::Range{0, 3}, "xy")) << "a replacement is allowed";
    EXPECT_EQ(screen->inputView()->countLabel()->text(), "1");
    EXPECT_TRUE(text->deleteBackward());
    EXPECT_EQ(screen->inputView()->countLabel()->text(), "2");

    ASSERT_TRUE(app.screen().tap(screen->contactField()));
    for (int i = 0; i < 52; ++i) app.screen().type("1");
    EXPECT_EQ(screen->contactField()->text().size(), 50u);
}

TEST_F(Feedback, ATextAndARealContactAreNeededBeforeSending) {
    auto screen = show(TAVOFeedbackViewController::create());
    struct Case {
        const char* text;
        std::string contact;
        const char* toast;
    };
    const std::vector<Case> cases{
        {"", "13800000000", "feedback content tip"},
        {"Works well", "", "feedback telephone tip"},
        {"Works well", TAVOLocalizedString("contact ways"), "feedback telephone tip"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toast);
        screen->inputView()->textView()->setText(c.text);
        screen->contactField()->setText(c.contact);
        ASSERT_TRUE(app.screen().tap(screen->navBar()->rightBarButtonItem()));
        auto toast = app.screen().toast();
        ASSERT_TRUE(toast);
        EXPECT_EQ(toast->text, TAVOLocalizedString(c.toast));
        EXPECT_EQ(toast->type, CustomizedHUDTypeWarning);
        app.screen().wait(1.5);
    }
    EXPECT_EQ(feedbacksSent(app), 0u);
}

TEST_F(Feedback, ItGoesWithTheVersionsAndTheScreenLeavesOnSuccess) {
    auto screen = show(TAVOFeedbackViewController::create());
    screen->inputView()->textView()->setText("The speed test is great");
    screen->contactField()->setText("13800000000");
    ASSERT_TRUE(app.screen().tap(screen->navBar()->rightBarButtonItem()));
    EXPECT_EQ(app.screen().toast()->text, TAVOLocalizedString("send feedback in progress"));
    ASSERT_TRUE(until([&] { return app.screen().navigationStack().back() != screen; }));
    EXPECT_EQ(app.screen().toast()->text, TAVOLocalizedString("ok to send feedback"));
    EXPECT_EQ(app.screen().toast()->view->superview(), app.window());

    std::optional<emulator::LoggedRequest> sent;
    for (const auto& entry : app.peers().cloud().server().log().entries())
        if (entry.path == "/system/addFeedback") sent = entry;
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->path, "/system/addFeedback");
    EXPECT_EQ(sent->field("feedback"), "The speed test is great");
    EXPECT_EQ(sent->field("app_id"), "2");
    EXPECT_EQ(sent->field("rom_version"), emulated().romVersion);
    EXPECT_EQ(sent->field("app_version"), "1.0");
    EXPECT_EQ(sent->field("os_version"), "7.100000");
    EXPECT_EQ(sent->field("contact_type"), "1");
    EXPECT_EQ(sent->field("contact_content"), "13800000000");
}

TEST_F(Feedback, AFailedSendKeepsTheTextsAndWithoutAStatusTheRomVersionIsLeftOut) {
    TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
    const ns::Dictionary param = TAVOFeedbackViewController::feedbackParameters("text", "mail@example.org");
    EXPECT_TRUE(param["rom_version"].isNil());
    EXPECT_EQ(param["app_id"].stringValue(), "2");
    EXPECT_TRUE(TAVOFeedbackViewController::feedbackParameters("text", "")["contact_type"].isNil());

    emulator::CallFault failing;
    failing.errcode = -1;
    failing.errdesc = "";
    app.peers().cloud().setCallFault("system.addFeedback", failing);
    auto screen = show(TAVOFeedbackViewController::create());
    screen->inputView()->textView()->setText("Try again");
    screen->contactField()->setText("mail@example.org");
    ASSERT_TRUE(app.screen().tap(screen->navBar()->rightBarButtonItem()));
    ASSERT_TRUE(until([&] {
        auto toast = app.screen().toast();
        return toast && toast->type == CustomizedHUDTypeWarning;
    }));
    EXPECT_EQ(app.screen().navigationStack().back(), screen);
    EXPECT_EQ(screen->inputView()->textView()->text(), "Try again");
    EXPECT_EQ(screen->contactField()->text(), "mail@example.org");
}

}  // namespace
}  // namespace keelbox::test
