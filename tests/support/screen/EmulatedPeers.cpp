#include "tests/support/screen/EmulatedPeers.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "emulator/AccountDirectory.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/RequestLog.h"

namespace keelbox::test {

EmulatedPeers::EmulatedPeers() {
    auto directory = std::make_shared<emulator::AccountDirectory>();
    auto qid = directory->addAccount(kDemoUser, kDemoPassword, "demo@keelbox.example");
    state_ = emulator::EmulatorState::create();
    state_->attachAccountDirectory(directory);
    // The first router added is the one on the home network.
    state_->addRouter(emulator::EmulatedRouterModel::makeRouter(kHomeRouter, "AA:BB:CC:00:00:01", 6));
    state_->addRouter(emulator::EmulatedRouterModel::makeRouter(kCloudRouter, "AA:BB:CC:00:00:02", 3));
    if (qid) {
        state_->bindRouter(*qid, kHomeRouter);
        state_->bindRouter(*qid, kCloudRouter);
    }
    accounts_ = std::make_unique<emulator::AccountService>(directory);
    router_ = std::make_unique<emulator::RouterLocalService>(state_);
    cloud_ = std::make_unique<emulator::CloudRouterService>(state_);
    // The application is up to date unless a test offers a newer version:
    // launching then stays free of the new-version prompt.
    cloud_->setLatestAppVersion(kCurrentAppVersionCode, "1.0");
}

EmulatedPeers::~EmulatedPeers() { stop(); }

bool EmulatedPeers::start() {
    if (started_) return true;
    if (!accounts_->start() || !router_->start() || !cloud_->start()) return false;
    started_ = true;
    setDeploymentValue(emulator::AccountService::kURLVariable, accounts_->endpointURL());
    // The service speaks HTTPS under the emulator's own CA, which the
    // account client trusts only when the deployment names it.
    setDeploymentValue(emulator::AccountService::kCAFileVariable, emulator::AccountService::caFilePath());
    setDeploymentValue("KEELBOX_ROUTER_LOCAL_HOST", router_->host());
    setDeploymentValue("KEELBOX_CLOUD_ROUTER_BASE_URL", cloud_->baseURL());
    return true;
}

bool EmulatedPeers::waitUntilAnswered(double seconds) {
    const auto noneHeld = [](const std::vector<emulator::LoggedRequest>& entries) {
        return std::none_of(entries.begin(), entries.end(), [](const emulator::LoggedRequest& e) {
            return e.outcome == emulator::LoggedRequest::Outcome::Pending;
        });
    };
    bool answered = true;
    for (emulator::HttpServer* server : {&accounts_->server(), &router_->server(), &cloud_->server()})
        answered = server->log().waitUntil(noneHeld, seconds) && answered;
    return answered;
}

void EmulatedPeers::stop() {
    for (const auto& [variable, value] : replaced_) {
        if (value) ::setenv(variable.c_str(), value->c_str(), 1);
        else ::unsetenv(variable.c_str());
    }
    replaced_.clear();
    if (!started_) return;
    started_ = false;
    cloud_->stop();
    router_->stop();
    accounts_->stop();
}

std::optional<emulator::Account> EmulatedPeers::signIn(const std::string& userName) {
    auto account = accounts_->accounts().find(userName);
    if (!account) return std::nullopt;
    return accounts_->accounts().signIn(account->qid);
}

void EmulatedPeers::setDeploymentValue(const std::string& variable, const std::string& value) {
    if (!replaced_.count(variable)) {
        const char* earlier = std::getenv(variable.c_str());
        replaced_[variable] = earlier ? std::optional<std::string>(earlier) : std::nullopt;
    }
    ::setenv(variable.c_str(), value.c_str(), 1);
}

}  // namespace keelbox::test
