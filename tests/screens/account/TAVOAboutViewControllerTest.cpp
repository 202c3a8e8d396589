// About and licence: the logo row's height by screen, the three links in
// the browser, the two texts from our bundle, and a missing one left empty.
#include "screens/account/TAVOAboutViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationController.h"
#include "screens/account/TAVOLicenseAgreementsViewController.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {
namespace {

TEST(About, LinksOpenInTheBrowserAndTheFooterOpensOurTexts) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    ui::Application::sharedApplication()->setOpenableSchemes({"https"});
    auto screen = TAVOAboutViewController::create();
    app.push(screen);
    app.screen().wait(0.5);
    auto table = screen->tableView();
    EXPECT_EQ(screen->heightForRowAtIndexPath(*table, ui::IndexPath::indexPathForRow(0, 0)), 222) << "the tall screen";
    EXPECT_TRUE(app.screen().viewWithText(TAVOLocalizedString("visit official website")));

    const auto& opened = ui::Application::sharedApplication()->openedURLs();
    ASSERT_TRUE(app.screen().selectRow(table, ui::IndexPath::indexPathForRow(0, 0)));
    EXPECT_TRUE(opened.empty()) << "the logo opens nothing";
    for (long row = 1; row <= 3; ++row) ASSERT_TRUE(app.screen().selectRow(table, ui::IndexPath::indexPathForRow(row, 0)));
    EXPECT_EQ(opened, (std::vector<std::string>{TAVOAboutViewController::kOfficialSite,
                                                TAVOAboutViewController::kMicroblogPage,
                                                TAVOAboutViewController::kForumBoard}));

    struct Case {
        const char* key;
        const char* resource;
    };
    // Each footer text lies under a clear button of its frame.
    std::vector<ui::ViewPtr> buttons;
    for (const auto& view : screen->footerView()->subviews())
        if (std::dynamic_pointer_cast<ui::Button>(view)) buttons.push_back(view);
    ASSERT_EQ(buttons.size(), 2u);
    const std::vector<Case> cases{{"Rudududeze privacy statments", "PrivacyStatements"},
                                  {"ordane copyright protocal", "LicenseAgreements"}};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.key);
        EXPECT_TRUE(app.screen().viewWithText(TAVOLocalizedString(c.key)));
        ASSERT_TRUE(app.screen().tap(buttons[i]));
        app.screen().wait(1.0);
        auto licence = std::dynamic_pointer_cast<TAVOLicenseAgreementsViewController>(app.screen().navigationStack().back());
        ASSERT_TRUE(licence);
        EXPECT_EQ(licence->title(), TAVOLocalizedString(c.key));
        EXPECT_FALSE(licence->statements.empty());
        EXPECT_EQ(licence->statementsTextView()->text(), TAVOLicenseAgreementsViewController::bundleText(c.resource));
        licence->leftNavItemPressed();
        app.screen().wait(1.0);
    }
    EXPECT_EQ(TAVOLicenseAgreementsViewController::bundleText("NoSuchStatements"), "");
}

}  // namespace
}  // namespace keelbox::test
