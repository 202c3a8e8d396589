#include "emulator/CloudRouterService.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EnvelopeWriter.h"
#include "emulator/RouterChannelCrypto.h"

namespace emulator {

namespace {

// The calls the cloud answers itself, and the ones that need no account.
const char* const kAccountCalls[] = {"router.getRouterList", "system.unbind", "system.getLatestApp", "system.addFeedback"};

bool needsAccount(const std::string& cmd) { return cmd != "system.getLatestApp" && cmd != "system.addFeedback"; }

}  // namespace

CloudRouterService::CloudRouterService(EmulatorStatePtr state, Identity identity)
    : state_(std::move(state)), server_(HttpServer::Options{.https = true, .identity = identity}) {
    std::vector<std::string> cmds = EmulatedRouterAPI::calls();
    for (const char* cmd : kAccountCalls) cmds.emplace_back(cmd);
    for (const auto& cmd : cmds) {
        std::string path = "/" + cmd;
        std::replace(path.begin(), path.end(), '.', '/');
        // The pairs come in the form body, or in the query of a GET.
        server_.route("POST", path, [this, cmd](const LoggedRequest& request, Reply& reply) { handle(cmd, request, reply); });
        server_.route("GET", path, [this, cmd](const LoggedRequest& request, Reply& reply) { handle(cmd, request, reply); });
    }
}

void CloudRouterService::setCallFault(const std::string& cmd, CallFault fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_[cmd] = std::move(fault);
}

void CloudRouterService::clearCallFaults() {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.clear();
}

void CloudRouterService::setLatestAppVersion(int versionCode, std::string versionName) {
    std::lock_guard<std::mutex> lock(mutex_);
    latestVersionCode_ = versionCode;
    latestVersionName_ = std::move(versionName);
}

void CloudRouterService::handle(const std::string& cmd, const LoggedRequest& request, Reply& reply) {
    reply.contentType = "application/json; charset=utf-8";
    ns::Dictionary params;
    for (const auto& [name, value] : RouterChannelCrypto::decodeForm(request.method == "GET" ? request.query : request.body))
        params.set(name, value);
    std::optional<CallFault> fault;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (auto it = faults_.find(cmd); it != faults_.end()) fault = it->second;
    }
    if (fault && fault->delaySeconds > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(fault->delaySeconds));
    const APIResult result = answer(cmd, params);
    switch (fault ? fault->body : CallFault::Body::Normal) {
        case CallFault::Body::BlockPage: reply.body = EnvelopeWriter::blockPage(); return;
        case CallFault::Body::NotBase64: reply.body = "<<not json>>"; return;
        case CallFault::Body::JsonArray: reply.body = "[\"errcode\",0]"; return;
        case CallFault::Body::Empty: reply.body.clear(); return;
        case CallFault::Body::Oversized: reply.body = EnvelopeWriter::oversized(result); return;
        case CallFault::Body::PlainJSON:
        case CallFault::Body::Normal: break;
    }
    reply.body = EnvelopeWriter::envelope(result, fault ? &*fault : nullptr);
}

APIResult CloudRouterService::answer(const std::string& cmd, const ns::Dictionary& params) {
    if (cmd == "system.getLatestApp") {
        std::lock_guard<std::mutex> lock(mutex_);
        return APIResult{0, "", ns::Value::dictionary({{"version_code", latestVersionCode_}, {"version_name", latestVersionName_},
                                                       {"url", "https://apps.keelbox.org/latest"}, {"notice", "Improvements."}})};
    }
    if (cmd == "system.addFeedback") return APIResult{0, "", ns::Value(ns::Dictionary{})};
    // The phone registers its push token for router ids by itself: these
    // calls carry neither an account ticket nor a current router.
    if (cmd == "device.registerApnsToken" || cmd == "device.clearApnsToken") {
        return APIResult{0, "", ns::Value(ns::Dictionary{})};
    }
    auto account = state_->accountForTicket(params["qt"].stringValue());
    if (needsAccount(cmd) && !account) return APIResult{-1007, "ticket expired", {}};
    if (cmd == "router.getRouterList") {
        ns::Array routers;
        for (const auto& id : state_->routerIdsOfAccount(*account))
            if (auto router = state_->router(id)) routers.push_back(EmulatedRouterModel::routerObject(*router));
        return APIResult{0, "", ns::Value::dictionary({{"list", ns::Value(std::move(routers))}})};
    }
    const std::string routerId = params["router_id"].stringValue();
    auto router = state_->router(routerId);
    if (routerId.empty() || !router) return APIResult{-1100, "router does not exist", {}};
    const auto bound = state_->routerIdsOfAccount(*account);
    if (std::find(bound.begin(), bound.end(), routerId) == bound.end()) return APIResult{-1102, "router is not bound", {}};
    if (cmd == "system.unbind") {
        state_->unbindRouter(*account, routerId);
        return APIResult{0, "", ns::Value(ns::Dictionary{})};
    }
    if (!router->online) return APIResult{-1101, "router is offline", {}};
    return EmulatedRouterAPI::call(*state_, routerId, cmd, params);
}

}  // namespace emulator
