// The health-check result list: a section only for a list that has items,
// the items to optimise first, the optimised ones grouped.
#include "screens/account/TAVOOptDetailViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {
namespace {

TEST(OptDetail, SectionsFollowTheTwoLists) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto screen = TAVOOptDetailViewController::create();
    app.push(screen);
    app.screen().wait(0.5);
    auto& table = *screen->tableView();
    const auto ids = TAVORouterOptConfig::defaultCheckSetting();
    ASSERT_GE(ids.size(), 3u);

    screen->setOptItem({}, {});
    EXPECT_EQ(table.numberOfSections(), 0);

    screen->setOptItem({ids[0], ids[1]}, {});
    ASSERT_EQ(table.numberOfSections(), 1);
    EXPECT_EQ(screen->headerText(0), ns::format(TAVOLocalizedString("has opted %d items"), 2));
    EXPECT_EQ(table.numberOfRowsInSection(0),
              static_cast<long>(TAVORouterOptConfig::optedArrayItemArray({ids[0], ids[1]}).size()));

    screen->setOptItem({ids[0]}, {ids[2], ids[1]});
    ASSERT_EQ(table.numberOfSections(), 2);
    EXPECT_EQ(screen->headerText(0), TAVOLocalizedString("need to opt items"));
    EXPECT_EQ(table.numberOfRowsInSection(0), 2);
    auto first = table.cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(0, 0));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->textLabel()->text(), TAVORouterOptConfig::nameById(std::stoi(ids[2])).value_or("?"));
    EXPECT_EQ(screen->headerText(1), ns::format(TAVOLocalizedString("has opted %d items"), 1));
}

}  // namespace
}  // namespace keelbox::test
