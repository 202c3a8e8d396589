// The safety screens' texts in the fonts they are drawn with, at their
// longest (four-digit counters): each fits its place on one line, clear
// of the arrow, switch or text beside it, so nothing is cut, wrapped
// inside a word or drawn over something else.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "platform/graphics/StringDrawing.h"
#include "screens/safety/TAVOARPProtectViewController.h"
#include "screens/safety/TAVOAntiAccountStealerViewController.h"
#include "screens/safety/TAVOBlockDangerousWebsitesViewController.h"
#include "screens/safety/TAVODNSProtectViewController.h"
#include "screens/safety/TAVOHeartBloodProtectionViewController.h"
#include "screens/safety/TAVONetProtectViewController.h"
#include "screens/safety/TAVOSafeProtectionViewController.h"
#include "screens/safety/TAVOSafeReportViewController.h"
#include "tests/screens/safety/SafetyScreenFixture.h"
#include "uikit/ToggleSwitch.h"
#include "widgets/TAVOSettingSelectCell.h"
#include "widgets/TAVOSettingSwitchCell.h"

namespace keelbox::test {
namespace {

constexpr double kUnbounded = 1e6;

std::string textOf(ui::Label& label) {
    if (auto* attributed = dynamic_cast<LXAttributedLabel*>(&label); attributed && attributed->attributedText())
        return attributed->attributedText()->string();
    return label.text();
}

// How wide the label's text is on one line.
double oneLineWidth(ui::Label& label) {
    if (auto* attributed = dynamic_cast<LXAttributedLabel*>(&label); attributed && attributed->attributedText())
        return attributed->sizeThatFits({kUnbounded, kUnbounded}).width;
    return ct::sizeWithFont(label.text(), label.font().ctFont()).width;
}

void expectFitsOneLine(ui::Label& label) {
    EXPECT_LE(oneLineWidth(label), label.bounds().size.width) << '"' << textOf(label) << '"';
}

void expectButtonTitleFits(ui::Button& button) {
    button.layoutIfNeeded();
    expectFitsOneLine(*button.titleLabel());
}

// A text of several lines: none of them wraps within the label's width,
// and together they fit its height.
void expectNoLineWraps(LXAttributedLabel& label) {
    const cg::Size free = label.sizeThatFits({kUnbounded, kUnbounded});
    const cg::Size wrapped = label.sizeThatFits({label.bounds().size.width, kUnbounded});
    EXPECT_LE(wrapped.height, free.height) << '"' << textOf(label) << "\" wraps";
    EXPECT_LE(wrapped.height, label.bounds().size.height) << '"' << textOf(label) << "\" is cut";
}

// A row's title ends before its right-aligned status text begins, which
// fits its label (and so stays clear of the arrow after it).
void expectClearRow(TAVOSettingSelectCell& cell) {
    cell.layoutIfNeeded();
    auto& status = *cell.statusLabel();
    const double statusWidth = oneLineWidth(status);
    EXPECT_LE(statusWidth, status.bounds().size.width) << '"' << textOf(status) << '"';
    const double titleEnd = cell.settingTitle()->frame().origin.x + oneLineWidth(*cell.settingTitle());
    EXPECT_LT(titleEnd, cg::RectGetMaxX(status.frame()) - statusWidth)
        << '"' << textOf(*cell.settingTitle()) << "\" runs into \"" << textOf(status) << '"';
}

class TextsFit : public SafetyScreenFixture {
protected:
    // Every protection on, both passwords safe and every counter at 9999:
    // the rows and headlines show their longest counts.
    void everythingOnWithLargeCounters() {
        changeRouter([](emulator::EmulatedRouter& r) {
            r.model.set("need_permit", "1");
            r.model.set("wifi_pwd_strength", 4);
            ns::Value counters = r.model["counters"];
            for (const char* key : {"stat_anti_freeloader", "stat_anti_hacking", "stat_anti_dnshacking", "stat_intercept",
                                    "stat_anti_heart_bleed", "stat_anti_arp_attack"})
                counters.mutableDictionary().set(key, "9999");
            r.model.set("counters", counters);
        });
        setSwitch("stat_brute_attack_switch", 1);
        pollStatus();
    }
    // The navigation bar's title shows whole.
    void expectNavTitleFits(const std::string& title) {
        auto label = std::dynamic_pointer_cast<ui::Label>(app.screen().viewWithText(title));
        ASSERT_TRUE(label) << title;
        expectFitsOneLine(*label);
    }
};

TEST_F(TextsFit, TheProtectionTabsRowsScanPageAndTheReportsCounters) {
    everythingOnWithLargeCounters();
    TAVORouterPreference::shareInstance()->setInitializedVirusLibrary(true);
    router->anvirusLibInfo = ns::Value::dictionary({{"download_time", 1780000000000LL}});
    auto tab = TAVOSafeProtectionViewController::create();
    app.push(tab);
    for (long row = 0; row < TAVOSafeProtectionViewController::kRowCount; ++row) {
        SCOPED_TRACE(row);
        auto cell = std::dynamic_pointer_cast<TAVOSettingSelectCell>(tab->tableView()->cellForRowAtIndexPath({0, row}));
        ASSERT_TRUE(cell);
        ASSERT_NE(textOf(*cell->statusLabel()).find("9999"), std::string::npos);
        expectClearRow(*cell);
    }
    // The scan page names every item and its group on one line each.
    auto scan = tab->checkRouterViewController();
    for (long item = 0; item < scan->securityItemsCount(); ++item) {
        SCOPED_TRACE(item);
        scan->setSecurityItemBeingScanned(item);
        expectFitsOneLine(*scan->parseLabel());
        expectFitsOneLine(*scan->parseSublabel());
    }
    expectButtonTitleFits(*scan->virusLibraryUpdateButton());
    expectButtonTitleFits(*tab->headerView()->virusLibraryUpdateButton());

    auto report = TAVOSafeReportViewController::create();
    app.push(report);
    for (const auto& label : report->textLabels()) expectFitsOneLine(*label);
}

TEST_F(TextsFit, EachProtectionScreensTitleHeadlineAndButtonInEveryState) {
    everythingOnWithLargeCounters();
    using Make = std::function<std::shared_ptr<TAVOProtectionSwitchViewController>()>;
    for (const Make& make : std::vector<Make>{
             [] { return ui::ViewController::make<TAVOAntiAccountStealerViewController>(); },
             [] { return ui::ViewController::make<TAVODNSProtectViewController>(); },
             [] { return ui::ViewController::make<TAVOBlockDangerousWebsitesViewController>(); },
             [] { return ui::ViewController::make<TAVOHeartBloodProtectionViewController>(); },
             [] { return ui::ViewController::make<TAVOARPProtectViewController>(); }}) {
        auto screen = make();
        app.push(screen);
        SCOPED_TRACE(screen->titleForViewController);
        expectNavTitleFits(screen->titleForViewController);
        ASSERT_NE(textOf(*screen->titleLabel()).find("9999"), std::string::npos);
        for (const int state : {TAVOSafeSubViewController::StatusOn, TAVOSafeSubViewController::StatusOff,
                                TAVOSafeSubViewController::StatusTurningOn, TAVOSafeSubViewController::StatusTurningOff}) {
            SCOPED_TRACE(state);
            screen->setSwitcherStatus(state, false);
            expectNoLineWraps(*screen->titleLabel());
            expectButtonTitleFits(*screen->buttonEnable());
        }
        for (long row = 0; row < static_cast<long>(screen->securityItems.size()); ++row) {
            SCOPED_TRACE(row);
            auto cell = std::dynamic_pointer_cast<TAVOSettingSelectCell>(screen->tableView()->cellForRowAtIndexPath({0, row}));
            ASSERT_TRUE(cell);
            expectClearRow(*cell);
        }
        // Without a count the on headline has its quiet line.
        screen->blockCount = 0;
        screen->setSwitcherStatus(TAVOSafeSubViewController::StatusOn, false);
        expectNoLineWraps(*screen->titleLabel());
    }
}

TEST_F(TextsFit, AdmissionControlsRowsAndRadarText) {
    struct Case {
        const char* what;
        int strength, adminSafety;
        const char* blocked;
    };
    for (const auto& c : std::vector<Case>{{"very weak Wi-Fi password, intruders blocked", 1, 0, "9999"},
                                           {"medium Wi-Fi password, unsafe admin password, none blocked", 3, 1, "0"}}) {
        SCOPED_TRACE(c.what);
        everythingOnWithLargeCounters();
        changeRouter([&](emulator::EmulatedRouter& r) {
            r.model.set("wifi_pwd_strength", c.strength);
            r.model.set("admin_pwd_safety", c.adminSafety);
            r.model.set("nearby_devices", ns::Value::dictionary({{"2.4G", 90}, {"5G", 9}}));
            ns::Value counters = r.model["counters"];
            counters.mutableDictionary().set("stat_anti_freeloader", c.blocked);
            r.model.set("counters", counters);
        });
        pollStatus();
        auto screen = TAVONetProtectViewController::create();
        app.push(screen);
        expectNavTitleFits(TAVOLocalizedString("set net control"));
        const auto table = screen->tableView();
        ASSERT_EQ(table->numberOfRowsInSection(0), 6) << "with the advanced row";
        auto heading = table->cellForRowAtIndexPath({0, 0});
        heading->layoutIfNeeded();
        expectFitsOneLine(*heading->textLabel());
        for (long row = 1; row < 6; ++row) {
            SCOPED_TRACE(row);
            auto cell = table->cellForRowAtIndexPath({0, row});
            cell->layoutIfNeeded();
            if (auto select = std::dynamic_pointer_cast<TAVOSettingSelectCell>(cell)) {
                expectClearRow(*select);
            } else if (auto toggle = std::dynamic_pointer_cast<TAVOSettingSwitchCell>(cell)) {
                const double titleEnd = toggle->settingTitle()->frame().origin.x + oneLineWidth(*toggle->settingTitle());
                EXPECT_LT(titleEnd, toggle->switchControl()->frame().origin.x)
                    << '"' << textOf(*toggle->settingTitle()) << "\" runs under the switch";
            }
        }
        ASSERT_TRUE(app.screen().waitUntil([&] { return textOf(*screen->scanningLabel()).find("99") != std::string::npos; }));
        expectNoLineWraps(*screen->scanningLabel());
        app.push(ui::ViewController::make<TAVOWIFIViewControler>());
        app.screen().wait(4.0);  // the radar's last blips fade
    }
}

}  // namespace
}  // namespace keelbox::test
