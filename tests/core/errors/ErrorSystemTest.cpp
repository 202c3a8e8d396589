#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/FakeAccountFacade.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVOAlertErrorHandler.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "core/services/TAVOAlertPresenter.h"

namespace {

// Records every handler run and answers as configured.
class RecordingHandler : public TAVOErrorHandlerProtocol {
public:
    RecordingHandler(std::string name, bool answer, std::vector<std::string>* log)
        : name_(std::move(name)), answer_(answer), log_(log) {}
    bool run() override {
        log_->push_back(name_ + ":" + std::to_string(error()->errorCode()));
        return answer_;
    }

private:
    std::string name_;
    bool answer_;
    std::vector<std::string>* log_;
};

TAVOErrorHandlerPtr handler(const std::string& name, bool answer, std::vector<std::string>* log) {
    return std::make_shared<RecordingHandler>(name, answer, log);
}

class FakeAlerts : public TAVOAlertPresenter {
public:
    bool hasShown() override { return shown > 0; }
    void showAlert(const std::string& title, const std::string& message, std::vector<TAVOAlertButton> b) override {
        ++shown;
        lastTitle = title;
        lastMessage = message;
        buttons = std::move(b);
    }
    int shown = 0;
    std::string lastTitle, lastMessage;
    std::vector<TAVOAlertButton> buttons;
};

using FakeFacade = keelbox::test::FakeAccountFacade;

std::shared_ptr<TAVORouterModel> someRouter() { return TAVORouterModel::create(); }

}  // namespace

TEST(ErrorSystem, RouterErrcodesMapToApplicationCodes) {
    auto mgr = TAVOErrorSystemManager::sharedManager();
    const std::pair<int, int> table[] = {{-1100, 100001}, {-1101, 100002}, {-1102, 100003}, {-1002, 100004},
                                         {-1009, 100005}, {-1004, 100005}, {-516, 100005},  {-502, 100005},
                                         {-3001, 100006}, {-1018, 100008}, {-1010, 100009}, {11008, 100010},
                                         {-1021, 130001}, {-1007, 160001}, {-1, 100000},    {0, 100000}};
    for (auto [errcode, code] : table) {
        auto source = ns::Error::create("wrong password, 3 tries left", errcode);
        auto e = mgr->transferRouterError(source);
        EXPECT_EQ(e->errorCode(), code) << errcode;
        EXPECT_EQ(e->type(), 1);
        EXPECT_EQ(e->sourceError(), source);
    }
    // The wrong-password text travels in the domain, unchanged.
    EXPECT_EQ(mgr->transferRouterError(ns::Error::create("wrong password, 3 tries left", -1010))->errorMsg(),
              "wrong password, 3 tries left");

    const std::pair<int, int> system[] = {{-1001, 200004}, {-1009, 200001}, {-1004, 200002}, {-1005, 200000}};
    for (auto [platform, code] : system) {
        auto e = mgr->transferSystemError(ns::Error::create(ns::kURLErrorDomain, platform));
        EXPECT_EQ(e->errorCode(), code) << platform;
        EXPECT_EQ(e->type(), 2);
    }
    EXPECT_EQ(mgr->transferSystemError(ns::Error::create(ns::kURLErrorDomain, -1005))->errorMsg(), TAVOLocalizedString("network exception"));
}

TEST(ErrorSystem, HandlersRunByPriorityUntilOneTakesTheError) {
    auto mgr = TAVOErrorSystemManager::sharedManager();
    std::vector<std::string> log;
    auto err = TAVOError::errorWithType(1, 7, "");
    EXPECT_FALSE(mgr->handleError(err));  // no handlers

    auto a = handler("A", true, &log), b = handler("B", true, &log);
    mgr->registeHandlers({a, nullptr, b});        // priority 1: B runs before A
    mgr->registeHandler(handler("P2", true, &log), 2);
    mgr->registeHandler(handler("P0", true, &log), 0);
    mgr->registeHandler(handler("P9", false, &log), 9);  // never asked
    EXPECT_FALSE(mgr->handleError(err));
    EXPECT_EQ(log, (std::vector<std::string>{"P0:7", "B:7", "A:7", "P2:7"}));

    log.clear();
    mgr->registeHandler(handler("Taker", false, &log), 1);
    EXPECT_TRUE(mgr->handleError(err));
    EXPECT_EQ(log, (std::vector<std::string>{"P0:7", "Taker:7"}));

    // Removing one handler keeps the others of its priority.
    log.clear();
    mgr->unRegisteHandler(mgr->getHandlersByPriority(1)->front());
    EXPECT_FALSE(mgr->handleError(err));
    EXPECT_EQ(log, (std::vector<std::string>{"P0:7", "B:7", "A:7", "P2:7"}));

    log.clear();
    mgr->setShouldIgnorePreErrorHandler(true);
    EXPECT_FALSE(mgr->handleError(err));
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(mgr->handleError(nullptr));
    EXPECT_EQ(a->error(), nullptr);  // cleared after run
}

TEST(ErrorSystem, AlertHandlerShowsOneDialogPerRecoverableError) {
    auto mgr = TAVOErrorSystemManager::sharedManager();
    auto alerts = std::make_shared<FakeAlerts>();
    auto facade = std::make_shared<FakeFacade>();
    TAVOAlertPresenter::setShared(alerts);
    TAVOAccountFacade::setShared(facade);
    mgr->registeHandlers({TAVOAlertErrorHandler::create()});

    auto unsupported = TAVOError::errorWithType(1, 100005, "");
    // No current router: the handler stands aside.
    EXPECT_FALSE(mgr->handleError(unsupported));
    EXPECT_EQ(alerts->shown, 0);

    facade->current = someRouter();
    EXPECT_TRUE(mgr->handleError(unsupported));
    EXPECT_TRUE(mgr->handleError(unsupported));  // handled, but no second dialog
    EXPECT_EQ(alerts->shown, 1);
    EXPECT_EQ(alerts->lastTitle, TAVOLocalizedString("dialog reminder"));
    EXPECT_EQ(alerts->lastMessage, TAVOLocalizedString("router don't support the feature"));
    ASSERT_EQ(alerts->buttons.size(), 2u);
    EXPECT_EQ(alerts->buttons[0].title, TAVOLocalizedString("cancel"));
    EXPECT_EQ(alerts->buttons[0].type, TAVOAlertButtonTypeCancel);
    EXPECT_EQ(alerts->buttons[1].title, TAVOLocalizedString("sure"));
    EXPECT_EQ(alerts->buttons[1].type, TAVOAlertButtonTypeDefault);

    // The local account error passes through without a local router.
    alerts->shown = 0;
    EXPECT_FALSE(mgr->handleError(TAVOError::errorWithType(1, 130001, "")));
    facade->local = someRouter();
    EXPECT_TRUE(mgr->handleError(TAVOError::errorWithType(1, 130001, "")));
    EXPECT_EQ(alerts->lastMessage, TAVOLocalizedString("account local failed"));
    EXPECT_FALSE(mgr->handleError(TAVOError::errorWithType(1, 100004, "")));
}
