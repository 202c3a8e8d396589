// The virus-library update popup against the emulated router: results
// shown no sooner than 3 s after the update request, the four-stage
// progress when the router did update, the result panel directly when it
// did not or when it failed, and the glow and arrows while shown.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "platform/foundation/Format.h"
#include "screens/safety/TAVOUpdateViewController.h"
#include "tests/screens/safety/SafetyScreenFixture.h"

namespace keelbox::test {
namespace {

using Update = TAVOUpdateViewController;

struct Heard : TAVOUpdateViewControllerDelegate {
    void updateViewControllerWillDismiss(Update&) override { ++dismissals; }
    void updateViewControllerDidGetVirusInfo(Update&, const ns::Value& info) override { this->info = info; }
    void updateViewControllerFailedToGetVirusInfo(Update&, const TAVOErrorPtr&) override { ++infoFailures; }
    void updateViewControllerDidUpdate(Update&, const ns::Value&) override { ++updated; }
    void updateViewControllerFailedToUpdate(Update&, const TAVOErrorPtr&) override { ++updateFailures; }
    int dismissals = 0, infoFailures = 0, updated = 0, updateFailures = 0;
    ns::Value info;
};

class VirusUpdate : public SafetyScreenFixture {
protected:
    std::shared_ptr<Update> open() {
        auto update = Update::create();
        update->setDelegate(heard);
        app.push(update);
        return update;
    }
    std::shared_ptr<Heard> heard = std::make_shared<Heard>();
};

TEST_F(VirusUpdate, AnUpdatedLibraryPlaysTheProgressThenShowsItsFigures) {
    auto update = open();
    EXPECT_EQ(update->updateVirusLibraryState(), Update::StateQuery);
    EXPECT_EQ(update->updateProgressLabel()->text(), ns::format(TAVOLocalizedString("updating %.0f"), 0.0));
    ASSERT_TRUE(app.screen().waitUntil([&] { return heard->updated == 1; }));
    EXPECT_TRUE(update->showUpdateProgress());
    ASSERT_TRUE(app.screen().waitUntil([&] { return !callsOf("security.getVirusLibraryInfo").empty(); }));
    app.screen().waitUntil([] { return false; }, 0.5);
    EXPECT_EQ(update->updateVirusLibraryState(), Update::StateQuery) << "shown 3 s after the request";
    app.screen().wait(3.0);
    EXPECT_EQ(update->updateVirusLibraryState(), Update::StateDownload);
    EXPECT_TRUE(heard->info.isDictionary());

    app.screen().wait(2.0);
    EXPECT_GT(update->updateProgress(), 0.25);
    EXPECT_LT(update->updateProgress(), 0.45);
    EXPECT_EQ(update->updateVirusLibraryStep(), 2);
    EXPECT_EQ(update->updateSubProgressLabel()[0]->text(), TAVOLocalizedString("initilized"));
    EXPECT_EQ(update->updateSubProgressLabel()[1]->text(), TAVOLocalizedString("updating dns"));
    EXPECT_EQ(update->updateSubProgressLabel()[3]->text(), TAVOLocalizedString("wait for firewall"));
    EXPECT_FLOAT_EQ(update->updateSubProgressView()[0]->progress(), 1.0f);
    app.screen().wait(5.5);
    EXPECT_DOUBLE_EQ(std::min(update->updateProgress(), 1.0), 1.0);
    EXPECT_EQ(update->updateProgressLabel()->text(), ns::format(TAVOLocalizedString("updating %.0f"), 100.0));
    EXPECT_EQ(update->updateVirusLibraryState(), Update::StateDone);
    EXPECT_EQ(update->labelVirusLibraryVersion()->text(), ns::format(TAVOLocalizedString("virus library version: %@"), "2026.12.01"));
    EXPECT_EQ(update->labelVirusLibraryTrojan()->text(), ns::format(TAVOLocalizedString("virus library trojan count: %@"), "1200"));
    EXPECT_FALSE(update->doneSuccessView()->isHidden());
}

TEST_F(VirusUpdate, WithoutAnUpdateOrOnFailureTheResultPanelFollowsDirectly) {
    changeRouter([](emulator::EmulatedRouter& r) { r.model.set("virus_update_available", 0); });
    auto update = open();
    ASSERT_TRUE(app.screen().waitUntil([&] { return heard->updated == 1 && !callsOf("security.getVirusLibraryInfo").empty(); }));
    app.screen().waitUntil([] { return false; }, 0.5);
    app.screen().wait(3.0);
    EXPECT_FALSE(update->showUpdateProgress());
    EXPECT_EQ(update->updateVirusLibraryState(), Update::StateDone);

    app.peers().router().setCallFault("security.updateVirusLibrary", emulator::CallFault::error(-3, "busy"));
    auto failing = open();
    ASSERT_TRUE(app.screen().waitUntil([&] { return !callsOf("security.updateVirusLibrary").empty(); }));
    app.screen().waitUntil([] { return false; }, 1.0);
    EXPECT_EQ(failing->updateVirusLibraryState(), Update::StateQuery);
    app.screen().wait(3.0);
    EXPECT_EQ(heard->updateFailures, 1);
    EXPECT_EQ(failing->updateVirusLibraryState(), Update::StateDone);
    EXPECT_TRUE(failing->doneSuccessView()->isHidden());
    EXPECT_FALSE(failing->doneFailureView()->isHidden());
}

TEST_F(VirusUpdate, TheLightsGlowAndTheArrowsRunWhileShown) {
    auto update = open();
    for (const auto& glow : update->logoBreathImageViews())
        EXPECT_TRUE(glow->layer()->animationForKey(Update::kGlowAnimationKey));
    app.screen().wait(0.25);
    EXPECT_EQ(update->arrowTiming(), 1);
    EXPECT_EQ(update->arrowLabelsTop()[0]->text(), ">");
    EXPECT_EQ(update->arrowLabelsBottom()[0]->text(), "<<");
    app.screen().wait(0.5);
    EXPECT_EQ(update->arrowTiming(), 3);
    EXPECT_EQ(update->arrowLabelsTop()[0]->text(), ">>");
    EXPECT_TRUE(app.screen().waitUntil([&] { return heard->updated == 1; })) << "let the answers land";
}

TEST(VirusUpdateSteps, ProgressGivesStepsAndCircles) {
    EXPECT_EQ(Update::stepForProgress(0), 0);
    EXPECT_EQ(Update::stepForProgress(0.001), 1);
    EXPECT_EQ(Update::stepForProgress(0.26), 2);
    EXPECT_EQ(Update::stepForProgress(0.76), 4);
    EXPECT_EQ(Update::stepForProgress(1.0), 5);
    EXPECT_DOUBLE_EQ(Update::circleProgress(0.375, 1), 0.5);
    EXPECT_DOUBLE_EQ(Update::circleProgress(0.1, 2), 0.0);
    EXPECT_DOUBLE_EQ(Update::circleProgress(0.9, 2), 1.0);
}

}  // namespace
}  // namespace keelbox::test
