// The five protection screens on the switch template, against the emulated
// router: what each shows from the shared status, a switch sent as request
// 28 and confirmed item by item one second apart, failures and refusals
// (the router's, and the facade's at once) that return the screen to
// where it was, and answers of other types.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterSetCommonSWRequest.h"
#include "screens/safety/TAVOARPProtectViewController.h"
#include "screens/safety/TAVOAntiAccountStealerViewController.h"
#include "screens/safety/TAVOBlockDangerousWebsitesViewController.h"
#include "screens/safety/TAVODNSProtectViewController.h"
#include "screens/safety/TAVOHeartBloodProtectionViewController.h"
#include "tests/screens/safety/SafetyScreenFixture.h"
#include "widgets/TAVOSettingSelectCell.h"

namespace keelbox::test {
namespace {

using Screen = TAVOProtectionSwitchViewController;

class ProtectionSwitch : public SafetyScreenFixture {
protected:
    template <class T>
    std::shared_ptr<T> open() {
        auto screen = ui::ViewController::make<T>();
        app.push(screen);
        return screen;
    }
    static std::vector<std::string> itemStates(const Screen& screen) {
        std::vector<std::string> states;
        for (long row = 0; row < static_cast<long>(screen.securityItems.size()); ++row) {
            auto cell = std::dynamic_pointer_cast<TAVOSettingSelectCell>(screen.tableView()->cellForRowAtIndexPath({0, row}));
            states.push_back(cell ? cell->statusLabel()->attributedText()->string() : "(none)");
        }
        return states;
    }
    static std::string headline(const Screen& screen) { return screen.titleLabel()->attributedText()->string(); }
    static std::vector<std::string> all(std::size_t n, const char* key) { return std::vector<std::string>(n, TAVOLocalizedString(key)); }
};

TEST_F(ProtectionSwitch, EachScreenShowsItsProtectionFromTheSharedStatus) {
    setSwitch("stat_anti_heart_bleed", 0);
    changeRouter([](emulator::EmulatedRouter& r) {
        ns::Value counters = r.model["counters"];
        counters.mutableDictionary().set("stat_anti_arp_attack", "0");
        r.model.set("counters", counters);
    });
    pollStatus();
    struct Case {
        std::shared_ptr<Screen> screen;
        const char* title;
        std::size_t items;
        long helpTag;
        int state;
        std::string headline;
    };
    const std::vector<Case> cases{
        {open<TAVOAntiAccountStealerViewController>(), "protect to theal account", 3, 1003, 0,
         TAVOLocalizedString("your account is protected") + "\r\n" + ns::format(TAVOLocalizedString("protect you from %d attacks"), 1)},
        {open<TAVODNSProtectViewController>(), "DNS safe protection", 3, 1004, 0,
         TAVOLocalizedString("your DNS is protected") + "\r\n" + ns::format(TAVOLocalizedString("block %d cheats"), 3)},
        // The web-site counter is the number in a text.
        {open<TAVOBlockDangerousWebsitesViewController>(), "block dangerous websites", 5, 1006, 0,
         TAVOLocalizedString("cloud engine on") + "\r\n" + ns::format(TAVOLocalizedString("blocked %d threats"), 12)},
        {open<TAVOHeartBloodProtectionViewController>(), "heart blood protection", 2, 1008, 1,
         TAVOLocalizedString("heart blood protection off") + "\r\n" + TAVOLocalizedString("please turn heart blood protection on ")},
        // A counter of 0 shows the quiet line.
        {open<TAVOARPProtectViewController>(), "local domain network protection", 1, 1007, 0,
         TAVOLocalizedString("your local domain network is protected") + "\r\n" + TAVOLocalizedString("NO ARP attackment")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(c.screen->titleForViewController, TAVOLocalizedString(c.title));
        EXPECT_EQ(c.screen->securityItems.size(), c.items);
        EXPECT_EQ(c.screen->tagForHelpView(), c.helpTag);
        EXPECT_EQ(c.screen->switcherStatus(), c.state);
        EXPECT_EQ(headline(*c.screen), c.headline);
        EXPECT_EQ(itemStates(*c.screen), all(c.items, c.state == 0 ? "protection ON" : "protection OFF"));
        EXPECT_EQ(c.screen->buttonEnable()->currentTitle(),
                  c.state == 0 ? c.screen->buttonTitleTurnOff : c.screen->buttonTitleTurnOn);
    }
}

TEST_F(ProtectionSwitch, ASwitchIsSentAndItsItemsTurnOneSecondApart) {
    pollStatus();
    auto screen = open<TAVODNSProtectViewController>();
    ASSERT_EQ(screen->switcherStatus(), Screen::StatusOn);
    ASSERT_TRUE(app.screen().tap(screen->buttonEnable()));
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusTurningOff);
    EXPECT_EQ(headline(*screen), TAVOLocalizedString("turning anti DNS cheat off..."));
    EXPECT_FALSE(screen->buttonEnable()->isUserInteractionEnabled());
    screen->clickEnableButton();
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusTurningOff) << "a blocked button does nothing";

    ASSERT_TRUE(app.screen().waitUntil([&] { return modelSwitch("stat_anti_dns_cheat") == "0"; }));
    const auto sent = callsOf("router.setCommonSW");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].params["type"].intValue(), 4);
    EXPECT_EQ(sent[0].params["sw"].intValue(), 0);

    app.screen().waitUntil([] { return false; }, 1.0);  // the answer lands
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusTurningOff) << "the items turn first, one second apart";
    app.screen().wait(1.0);
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusTurningOff);
    app.screen().wait(1.0);
    const auto off = TAVOLocalizedString("protection OFF");
    EXPECT_EQ(itemStates(*screen), (std::vector<std::string>{off, off, off}));
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusOff) << "the headline turns with the last item";
    EXPECT_TRUE(screen->buttonEnable()->isUserInteractionEnabled());

    // The next poll reads the router's new value.
    pollStatus();
    EXPECT_EQ(facade->statusLisener()->status()->safeSwitch->stat_anti_dns_cheat, 0);
}

TEST_F(ProtectionSwitch, ARefusedSwitchReturnsWithTheRoutersMessage) {
    pollStatus();
    auto screen = open<TAVOAntiAccountStealerViewController>();
    app.peers().router().setCallFault("router.setCommonSW", emulator::CallFault::error(-7, "switch is busy"));
    ASSERT_TRUE(app.screen().tap(screen->buttonEnable()));
    ASSERT_TRUE(app.screen().waitUntil([&] { return screen->switcherStatus() != Screen::StatusTurningOff; }));
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusOn);
    EXPECT_TRUE(screen->buttonEnable()->isUserInteractionEnabled());
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
}

TEST_F(ProtectionSwitch, ASwitchTheFacadeRefusesAtOnceReturnsToWhereItWas) {
    pollStatus();
    auto screen = open<TAVOHeartBloodProtectionViewController>();
    for (const auto refusal : {Refusal::ProviderPostsFailure, Refusal::NothingPosted}) {
        SCOPED_TRACE(refusal == Refusal::ProviderPostsFailure ? "the provider refuses" : "no provider");
        ASSERT_EQ(screen->switcherStatus(), Screen::StatusOn);
        refuseAtOnce(refusal);
        ASSERT_TRUE(app.screen().tap(screen->buttonEnable()));
        EXPECT_TRUE(app.screen().waitUntil([&] { return screen->switcherStatus() != Screen::StatusTurningOff; }))
            << "never left turning off";
        EXPECT_EQ(screen->switcherStatus(), Screen::StatusOn);
        EXPECT_TRUE(screen->buttonEnable()->isUserInteractionEnabled());
        EXPECT_EQ(headline(*screen).rfind(TAVOLocalizedString("heart blood protection on"), 0), 0u) << headline(*screen);
        ASSERT_TRUE(app.screen().toast());
        EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
        sendAgain();
        app.screen().wait(2.0);
    }
    EXPECT_TRUE(callsOf("router.setCommonSW").empty());
    EXPECT_EQ(modelSwitch("stat_anti_heart_bleed"), "1");
}

TEST_F(ProtectionSwitch, AnswersOfOtherProtectionsAndWithoutParamsAreIgnored) {
    pollStatus();
    auto screen = open<TAVOARPProtectViewController>();
    auto center = ns::NotificationCenter::defaultCenter();
    const auto ok = TAVORequestAnswers::succeededName<TAVORouterSetCommonSWRequest>();
    const auto ng = TAVORequestAnswers::failedName<TAVORouterSetCommonSWRequest>();
    center->postNotificationName(ok, {}, {{"param", ns::Value::dictionary({{"type", 7}, {"sw", 0}})}});
    center->postNotificationName(ng, {}, {{"param", ns::Value::dictionary({{"type", 2}, {"sw", 0}})}});
    app.screen().wait(3.0);
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusOn);
    EXPECT_EQ(facade->statusLisener()->status()->safeSwitch->stat_arp_attack_switch, 1);
}

TEST_F(ProtectionSwitch, WithoutAStatusTheScreenOpensOffAndAConfirmedSwitchCannotBeKept) {
    auto screen = open<TAVOAntiAccountStealerViewController>();
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusOff);
    EXPECT_EQ(screen->blockCount, 0);
    ASSERT_TRUE(app.screen().tap(screen->buttonEnable()));
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusTurningOn);
    ASSERT_TRUE(app.screen().waitUntil([&] { return !callsOf("router.setCommonSW").empty(); }));
    app.screen().waitUntil([] { return false; }, 1.0);  // the answer lands
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusTurningOn) << "the items turn first";
    app.screen().wait(2.5);
    EXPECT_EQ(screen->switcherStatus(), Screen::StatusOff) << "the confirmed value could not be kept";
}

}  // namespace
}  // namespace keelbox::test
