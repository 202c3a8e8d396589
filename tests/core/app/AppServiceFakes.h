// Recording fakes of the higher layers the core's start-up and event hub
// call: the account facade, the push inbox, the version checker, the
// application-information provider and the alert kit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "core/services/TAVOAlertPresenter.h"
#include "core/services/TAVOAppInfoSource.h"
#include "core/services/TAVOAppUpdateChecker.h"
#include "core/services/TAVOPushInbox.h"
#include "tests/support/FakeAccountFacade.h"

namespace keelbox::test {

using FakeFacade = FakeAccountFacade;

class FakeInbox : public TAVOPushInbox {
public:
    std::vector<ns::Dictionary> payloads;
    std::vector<int> types;  // waiting record types, first first
    void addPushInfo(const ns::Dictionary& payload) override {
        payloads.push_back(payload);
        types.clear();
        if (const ns::Value* rudi = payload.find("rudi"); rudi && rudi->isDictionary())
            types.push_back((*rudi)["type"].intValue());
    }
    std::optional<int> firstPushInfoType() override {
        return types.empty() ? std::nullopt : std::optional<int>(types.front());
    }
    void removeFirstPushInfo() override {
        if (!types.empty()) types.erase(types.begin());
    }
};

class FakeChecker : public TAVOAppUpdateChecker {
public:
    std::weak_ptr<TAVOAppUpdateCheckerDelegate> delegate;
    int checks = 0;
    void setDelegate(std::weak_ptr<TAVOAppUpdateCheckerDelegate> d) override { delegate = std::move(d); }
    int checkAppUpdateInfo() override { return ++checks; }
    void answer(const std::optional<TAVOAppVersionInfo>& info) {
        if (auto d = delegate.lock()) d->appCheckerResult(*this, info);
    }
};

class FakeCheckerMaker : public TAVOAppUpdateCheckerMaker {
public:
    std::vector<std::shared_ptr<FakeChecker>> made;
    std::shared_ptr<TAVOAppUpdateChecker> makeChecker() override {
        made.push_back(std::make_shared<FakeChecker>());
        return made.back();
    }
};

class FakeAppInfo : public TAVOAppInfoSource {
public:
    bool newVersion = true;
    TAVOAppVersionInfo info{"2.0", "Faster and safer.", "https://example.invalid/keelbox"};
    bool hasNewVersion() override { return newVersion; }
    std::optional<TAVOAppVersionInfo> nextAppVersionInfo() override { return info; }
};

class FakeAlerts : public TAVOAlertPresenter {
public:
    struct Shown {
        std::string title, message;
        std::vector<TAVOAlertButton> buttons;
    };
    std::vector<Shown> shown;
    bool hasShown() override { return false; }
    void showAlert(const std::string& title, const std::string& message, std::vector<TAVOAlertButton> buttons) override {
        shown.push_back({title, message, std::move(buttons)});
    }
};

}  // namespace keelbox::test
