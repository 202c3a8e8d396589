// The block history (five kinds of safety log, shown once all answered)
// and the star-ranked safety report from the shared status.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Format.h"
#include "screens/safety/TAVOBlockHistoryTableViewCell.h"
#include "screens/safety/TAVOBlockHistoryViewController.h"
#include "screens/safety/TAVOSafeReportViewController.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "tests/screens/safety/SafetyScreenFixture.h"
#include "uikit/LXCommodityConstructors.h"

namespace keelbox::test {
namespace {

using History = TAVOBlockHistoryViewController;
using Report = TAVOSafeReportViewController;

class BlockHistory : public SafetyScreenFixture {
protected:
    std::shared_ptr<History> openAndWait() {
        auto history = History::create();
        app.push(history);
        EXPECT_TRUE(app.screen().waitUntil([&] {
            for (const auto& kind : history->logKindInfos())
                if (kind.isReady == TAVOLogKindInfo::Waiting) return false;
            return true;
        })) << "not every kind answered";
        app.screen().wait(0.6);  // the loading panel's least time
        EXPECT_FALSE(history->loadingIndicator());
        return history;
    }
    void setLogs(const char* kind, ns::Value logs) {
        changeRouter([&](emulator::EmulatedRouter& r) {
            ns::Value all = r.model["safety_logs"];
            all.mutableDictionary().set(kind, std::move(logs));
            r.model.set("safety_logs", all);
        });
    }
};

TEST_F(BlockHistory, FiveKindsAreAskedAndShownInTheirSections) {
    auto history = openAndWait();
    std::vector<int> kinds;
    for (const auto& call : callsOf("router.getSafetyLog")) kinds.push_back(call.params["type"].intValue());
    std::sort(kinds.begin(), kinds.end());  // sent in order, they may arrive in any
    EXPECT_EQ(kinds, (std::vector<int>{0, 2, 3, 5, 6}));
    EXPECT_FALSE(history->showBlackIndicator());
    auto& table = *history->tableView();
    EXPECT_EQ(history->numberOfRowsInSection(table, 1), 2);
    EXPECT_EQ(history->logKindInfos()[2].name, TAVOLocalizedString("DNS safe protection"));

    auto dns = std::dynamic_pointer_cast<TAVOBlockHistoryTableViewCell>(history->cellForRowAtIndexPath(table, {2, 0}));
    ASSERT_TRUE(dns);
    EXPECT_EQ(dns->title(), "198.51.100.66");
    EXPECT_EQ(dns->subTitle(), "被防御域名：bank.example");
    auto site = std::dynamic_pointer_cast<TAVOBlockHistoryTableViewCell>(history->cellForRowAtIndexPath(table, {1, 0}));
    EXPECT_EQ(site->title(), "http://bad.example/");
    EXPECT_EQ(site->subTitle(), "phishing page blocked");
    auto account = std::dynamic_pointer_cast<TAVOBlockHistoryTableViewCell>(history->cellForRowAtIndexPath(table, {3, 0}));
    EXPECT_EQ(account->title(), "203.0.113.77");
    EXPECT_TRUE(account->subTitle().empty());
    account->setFrame(cg::RectMake(0, 0, 320, 44));
    account->layoutSubviews();
    EXPECT_TRUE(account->subTitleLabel()->isHidden());
    EXPECT_EQ(account->titleLabel()->frame().size.height, account->contentView()->bounds().size.height);
    EXPECT_EQ(account->timeLabel()->frame().origin.x, account->contentView()->bounds().size.width - 95);
}

TEST_F(BlockHistory, TimesAreMonthDayAndTwelveHourClock) {
    auto log = TAVOSafetyLog::create();
    log->ip = "192.168.1.9";
    log->time = "1400000000000";
    auto formatter = ns::DateFormatter::create();
    formatter->setDateFormat("MM-dd hh:mm");
    const auto texts = History::textsFor(6, *log);
    EXPECT_EQ(texts.time, formatter->stringFromDate(ns::Date::withTimeIntervalSince1970(1400000000)));
    EXPECT_EQ(texts.time.size(), 11u);
    EXPECT_EQ(texts.title, "192.168.1.9");
    EXPECT_LE(std::stoi(texts.time.substr(6, 2)), 12) << "a 12-hour hour";
}

TEST_F(BlockHistory, AFailedKindHasNoSectionAndAllEmptyShowsNoRecord) {
    app.peers().router().setCallFault("router.getSafetyLog", emulator::CallFault::error(-3, "log busy"));
    auto failed = openAndWait();
    EXPECT_TRUE(failed->showBlackIndicator());
    EXPECT_FALSE(failed->blankIndicator()->isHidden());
    ASSERT_TRUE(app.screen().toast()) << "the last answer was a failure";
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
    app.peers().router().clearCallFaults();

    for (const char* kind : {"5", "0", "3", "2", "6"}) setLogs(kind, ns::Value(ns::Array{}));
    app.screen().wait(2.0);
    auto empty = openAndWait();
    EXPECT_TRUE(empty->showBlackIndicator());
    EXPECT_FALSE(app.screen().toast()) << "empty answers are no error";
    auto& table = *empty->tableView();
    EXPECT_EQ(*empty->heightForHeaderInSection(table, 0), 0);
}

TEST(SafetyReport, StarsFromOpenPoints) {
    const int stars[] = {5, 4, 4, 3, 3, 2, 2, 1, 1, 0};
    for (int n = 0; n <= 9; ++n) EXPECT_EQ(Report::transferToStarLevel(n), stars[n]) << n;
    EXPECT_EQ(Report::transferToStarLevel(10), 0);
    EXPECT_EQ(Report::getLevelText(5), TAVOLocalizedString("5 star General"));
    EXPECT_EQ(Report::getLevelText(0), TAVOLocalizedString("0 star Major Colonel"));
    EXPECT_EQ(Report::getLevelText(6), "");
    EXPECT_EQ(Report::openSafetyPoints(nullptr, 0, 0), 1) << "nothing known: one weak point";
}

TEST(SafetyReport, NameLineAndCountText) {
    const std::string name31(31, 'a');
    auto line = Report::nameLine(name31);
    EXPECT_EQ(line->string(), std::string(30, 'a') + " " + TAVOLocalizedString("of router"));
    EXPECT_TRUE(LXCommodityConstructors::textIsBoldAtIndex(*line, 29));
    EXPECT_FALSE(LXCommodityConstructors::textIsBoldAtIndex(*line, 31));
    EXPECT_EQ(Report::nameLine("")->string(), "您" + TAVOLocalizedString("of router"));

    auto zero = Report::countText(0);
    EXPECT_EQ(zero->string(), "0 次");
    EXPECT_EQ(LXCommodityConstructors::textColorAtIndex(*zero, 1), TAVOSafetyStyle::safeGreen()) << "the space is green too";
    EXPECT_NE(LXCommodityConstructors::textColorAtIndex(*zero, 2), TAVOSafetyStyle::safeGreen());
    EXPECT_EQ(LXCommodityConstructors::fontAtIndex(*zero, 0)->size(), 30);
}

TEST_F(BlockHistory, TheReportRanksTheRouterFromTheSharedStatus) {
    pollStatus();
    auto report = Report::create();
    app.push(report);
    // The emulated router: admission off, intruder guard off, Wi-Fi
    // password middle, admin password safe: three open points.
    EXPECT_EQ(report->calcSafetyLevel(), 3);
    EXPECT_EQ(report->levelLabel()->text(), TAVOLocalizedString("3 star Major General"));
    EXPECT_EQ(report->countLabels()[0]->attributedText()->string(), "5 次");
    EXPECT_EQ(report->countLabels()[3]->attributedText()->string(), "12 次");
    EXPECT_EQ(report->nameLabel()->attributedText()->string(), "您" + TAVOLocalizedString("of router"));
}

}  // namespace
}  // namespace keelbox::test
