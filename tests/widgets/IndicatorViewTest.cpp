// The count badge's text and visibility, and the header strips and the
// join announcement built on it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/StringUtils.h"
#include "tests/support/Harness.h"
#include "widgets/IndicatorView.h"
#include "widgets/TAVODevicesCountIndicator.h"
#include "widgets/TAVONewDeviceJoinIndicator.h"

namespace keelbox::test {
namespace {

const std::string kPlus = "\u207A";

TEST(IndicatorViewTest, CountsSetTheTextAndVisibilityAsTheFlagsAllow) {
    struct Case {
        std::string name;
        std::function<void(IndicatorView&)> before;
        int count;
        std::string text;
        bool hidden;
    };
    const std::vector<Case> cases = {
        {"one", nullptr, 1, "1", false},
        {"the maximum", nullptr, 99, "99", false},
        {"above the maximum", nullptr, 100, "99" + kPlus, false},
        {"far above", nullptr, 150, "99" + kPlus, false},
        {"new", nullptr, -1, "new", false},
        {"zero hides and keeps the text", nullptr, 0, "7", true},
        {"zero with force-show", [](IndicatorView& v) { v.setForceShow(true); }, 0, "7", false},
        {"force-hidden changes the text only", [](IndicatorView& v) { v.setForceHidden(true); }, 5, "5", true},
        {"other negatives change nothing", [](IndicatorView& v) { v.setHidden(true); }, -7, "7", true},
        {"a lower maximum", [](IndicatorView& v) { v.setMaxCount(9); }, 12, "9" + kPlus, false},
    };
    for (const auto& c : cases) {
        auto badge = IndicatorView::create(cg::RectMake(0, 0, 24, 16));
        badge->setCount(7);
        if (c.before) c.before(*badge);
        badge->setCount(c.count);
        EXPECT_EQ(badge->count(), c.count) << c.name;
        EXPECT_EQ(badge->textLabel()->text(), c.text) << c.name;
        EXPECT_EQ(badge->isHidden(), c.hidden) << c.name;
    }
}

TEST(IndicatorViewTest, MaximumAndForceFlagsApplyAsTheyChange) {
    auto badge = IndicatorView::create(cg::RectMake(0, 0, 24, 16));
    EXPECT_EQ(badge->maxCount(), 99);
    EXPECT_FALSE(badge->isHidden());
    badge->setCount(12);
    badge->setMaxCount(9);
    EXPECT_EQ(badge->textLabel()->text(), "9" + kPlus);

    badge->setForceHidden(true);
    EXPECT_TRUE(badge->isHidden());
    badge->setForceHidden(false);
    EXPECT_TRUE(badge->isHidden());  // clearing the flag reveals nothing
    badge->setContent("hot");
    EXPECT_FALSE(badge->isHidden());
    EXPECT_EQ(badge->textLabel()->text(), "hot");

    badge->setCount(0);
    EXPECT_TRUE(badge->isHidden());
    badge->setForceShow(true);
    EXPECT_FALSE(badge->isHidden());
    badge->setForceShow(false);
    EXPECT_FALSE(badge->isHidden());
}

TEST(IndicatorViewTest, HeaderStripsLayTheirPartsOutFromTheirSize) {
    auto strip = TAVOCellIndicator::create(cg::RectMake(0, 0, 320, 40));
    EXPECT_EQ(strip->bgButton()->frame(), cg::RectMake(25, 0, 270, 40));
    EXPECT_EQ(strip->appender()->frame(), cg::RectMake(269, 0, 7, 40));
    EXPECT_EQ(strip->content()->frame(), cg::RectMake(34, 0, 251, 40));

    auto devices = TAVODevicesCountIndicator::create(cg::RectMake(0, 0, 320, 40));
    EXPECT_EQ(devices->content()->frame(), cg::RectMake(82, 0, 178, 40));
    EXPECT_EQ(devices->content()->text(), ns::str::replacingOccurrences(TAVOLocalizedString("currently has %d devices in router network"), "%d", "0"));
    devices->setDevicesCount(12);
    EXPECT_NE(devices->content()->text().find("12"), std::string::npos);
}

TEST(IndicatorViewTest, JoinAnnouncementsCountUpAndZeroResetsWithoutRedrawing) {
    auto join = TAVONewDeviceJoinIndicator::create(cg::RectMake(0, 0, 180, 180));
    const std::string one = TAVOLocalizedString("one device requests to join");
    const std::string many = TAVOLocalizedString("multi-device requests to join");
    EXPECT_EQ(join->titleLabel()->frame(), cg::RectMake(0, 144, 210, 20));

    join->setDeviceJoin(1, 0);
    EXPECT_EQ(join->titleLabel()->text(), one);
    EXPECT_EQ(join->iconErrorIndicator()->image(), TAVOImageGetter::getDeviceIconByType(0));
    join->setDeviceJoin(2, 0);
    EXPECT_EQ(join->count(), 3);
    EXPECT_EQ(join->titleLabel()->text(), "3" + many);
    EXPECT_EQ(join->iconErrorIndicator()->image(), ui::Image::imageNamed("icon_multi_join_reminder_mywifi"));

    join->setDeviceJoin(0, 0);
    EXPECT_EQ(join->count(), 0);
    EXPECT_EQ(join->titleLabel()->text(), "3" + many);

    join->setCount(1);
    join->setDeviceJoin(-1, 2);
    EXPECT_EQ(join->count(), 1);
    EXPECT_EQ(join->titleLabel()->text(), one);
    EXPECT_EQ(join->iconErrorIndicator()->image(), TAVOImageGetter::getDeviceIconByType(2));
}

}  // namespace
}  // namespace keelbox::test
