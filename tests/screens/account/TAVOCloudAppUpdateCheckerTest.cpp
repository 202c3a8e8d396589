// The application-version check: launch asks the cloud; a newer version
// raises the prompt, which a person may put off until the next version; an
// equal version stays quiet; every live checker hears every answer.
#include "screens/account/TAVOCloudAppUpdateChecker.h"

#include "core/app/TAVOAppDelegate.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "platform/ui/Application.h"
#include "protocol/TAVOAppInfoProvider.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {
namespace {

class RecordingDelegate : public TAVOAppUpdateCheckerDelegate {
public:
    void appCheckerResult(TAVOAppUpdateChecker&, const std::optional<TAVOAppVersionInfo>& info) override {
        results.push_back(info);
    }
    void appCheckerError(TAVOAppUpdateChecker&, const ns::Value& error) override { errors.push_back(error); }
    std::vector<std::optional<TAVOAppVersionInfo>> results;
    std::vector<ns::Value> errors;
};

std::size_t versionQueries(AppFixture& app) {
    std::size_t count = 0;
    for (const auto& entry : app.peers().cloud().server().log().entries())
        if (entry.path == "/system/getLatestApp") ++count;
    return count;
}

TEST(AppVersionCheck, ANewerVersionPromptsAtLaunchUntilPutOff) {
    AppFixture app;
    app.peers().cloud().setLatestAppVersion(EmulatedPeers::kCurrentAppVersionCode + 1, "1.1");
    ASSERT_TRUE(app.launch());
    ASSERT_TRUE(app.screen().waitUntil([&] { return app.screen().alert() != nullptr; })) << app.screen().describe();
    EXPECT_EQ(versionQueries(app), 1u);
    auto alert = app.screen().alert();
    EXPECT_NE(alert->title().find("1.1"), std::string::npos) << alert->title();
    ASSERT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("cancel")));  // not for this version
    EXPECT_TRUE(TAVORouterPreference::shareInstance()->shouldNotShowAppUpdate());

    // The next start's check finds the same version and stays quiet.
    auto delegate = std::dynamic_pointer_cast<TAVOAppDelegate>(ui::Application::sharedApplication()->delegate());
    ASSERT_TRUE(delegate);
    delegate->doInitAfter();
    ASSERT_TRUE(app.screen().waitUntil([&] { return versionQueries(app) == 2 && !delegate->appChecker(); }));
    app.screen().wait(0.5);
    EXPECT_FALSE(app.screen().alert());
}

TEST(AppVersionCheck, AnEqualVersionStaysQuietAndEveryCheckerHearsEveryAnswer) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    ASSERT_TRUE(app.screen().waitUntil([&] { return versionQueries(app) == 1; }));
    // The start-up's check has had its answer before the checkers below
    // listen (they would hear it too).
    auto delegate = std::dynamic_pointer_cast<TAVOAppDelegate>(ui::Application::existing()->delegate());
    ASSERT_TRUE(app.screen().waitUntil([&] { return !delegate->appChecker(); }));
    app.screen().wait(0.5);
    EXPECT_FALSE(app.screen().alert()) << "the running version is the newest";

    auto first = std::make_shared<RecordingDelegate>();
    auto second = std::make_shared<RecordingDelegate>();
    auto a = TAVOCloudAppUpdateChecker::create();
    auto b = TAVOCloudAppUpdateChecker::create();
    a->setDelegate(first);
    b->setDelegate(second);
    EXPECT_GT(a->checkAppUpdateInfo(), 0);
    EXPECT_GT(b->checkAppUpdateInfo(), 0);
    ASSERT_TRUE(app.screen().waitUntil([&] { return first->results.size() == 2 && second->results.size() == 2; }));
    EXPECT_FALSE(first->results[0]);
    EXPECT_FALSE(second->results[1]);

    // A newer version reaches both as a result; a failure as an error that
    // leaves the stored version in place.
    app.peers().cloud().setLatestAppVersion(EmulatedPeers::kCurrentAppVersionCode + 5, "1.5");
    EXPECT_GT(a->checkAppUpdateInfo(), 0);
    ASSERT_TRUE(app.screen().waitUntil([&] { return first->results.size() == 3 && second->results.size() == 3; }));
    ASSERT_TRUE(first->results[2]);
    EXPECT_EQ(first->results[2]->verName, "1.5");
    emulator::CallFault fault;
    fault.errcode = -1;
    fault.errdesc = "busy";
    app.peers().cloud().setCallFault("system.getLatestApp", fault);
    EXPECT_GT(b->checkAppUpdateInfo(), 0);
    ASSERT_TRUE(app.screen().waitUntil([&] { return first->errors.size() == 1 && second->errors.size() == 1; }));
    EXPECT_TRUE(first->errors[0].as<TAVOError>());
    EXPECT_TRUE(TAVOAppInfoProvider::shareInstance()->hasNewVersion());

    // A checker whose delegate is gone stays silent.
    first.reset();
    app.peers().cloud().clearCallFaults();
    EXPECT_GT(a->checkAppUpdateInfo(), 0);
    ASSERT_TRUE(app.screen().waitUntil([&] { return second->results.size() == 4; }));
}

}  // namespace
}  // namespace keelbox::test
