#include "emulator/RouterLocalService.h"

#include <chrono>
#include <thread>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EnvelopeWriter.h"
#include "emulator/RouterChannelCrypto.h"
#include "platform/foundation/JSONSerialization.h"

namespace emulator {

RouterLocalService::RouterLocalService(EmulatorStatePtr state) : state_(state), commands_(state) {
    // The pairs come in the form body, or in the query when the phone sends with GET.
    server_.route("POST", "/home1/", [this](const LoggedRequest& request, Reply& reply) { handle(request, reply); });
    server_.route("GET", "/home1/", [this](const LoggedRequest& request, Reply& reply) { handle(request, reply); });
}

void RouterLocalService::setCallFault(const std::string& cmd, CallFault fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_[cmd] = std::move(fault);
}

void RouterLocalService::clearCallFaults() {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.clear();
}

std::vector<RouterLocalService::DecodedCall> RouterLocalService::calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

void RouterLocalService::handle(const LoggedRequest& request, Reply& reply) {
    reply.contentType = "text/html; charset=utf-8";
    std::string data, key;
    std::optional<FormPart> file;
    if (!request.parts.empty()) {
        // An upload: the file piece and the call's fields as form parts.
        for (const auto& part : request.parts) {
            if (part.name == "file") file = part;
            else if (part.name == "data") data = part.body;
            else if (part.name == "key") key = part.body;
        }
    } else {
        for (const auto& [name, value] : RouterChannelCrypto::decodeForm(request.method == "GET" ? request.query : request.body)) {
            if (name == "data") data = value;
            if (name == "key") key = value;
        }
    }
    auto wrapped = RouterChannelCrypto::base64Decode(key);
    auto sessionKey = wrapped ? RouterChannelCrypto::unwrapSessionKey(*wrapped) : std::nullopt;
    auto cipher = RouterChannelCrypto::base64Decode(data);
    auto plain = (sessionKey && cipher) ? RouterChannelCrypto::aesDecrypt(*cipher, *sessionKey) : std::nullopt;
    ns::Value json = plain ? ns::JSONSerialization::JSONObjectWithData(ns::Data::fromString(*plain)) : ns::Value();
    if (!json.isDictionary()) {
        // What the router does with a body it cannot read: a plain error.
        reply.body = EnvelopeWriter::envelope(APIResult{-1, "cannot read the request", {}}, nullptr);
        return;
    }
    const ns::Dictionary params = json.asDictionary();
    const std::string cmd = params["cmd"].stringValue();
    std::optional<CallFault> fault;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(DecodedCall{cmd, params, *sessionKey});
        if (auto it = faults_.find(cmd); it != faults_.end()) fault = it->second;
    }
    if (fault && fault->delaySeconds > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(fault->delaySeconds));
    if (cmd == "usb.downloadFile" && !fault && hasValidTicket(params)) {
        // The body is the file piece itself, not an envelope.
        commands_.download(params, request.header("Range"), reply);
        return;
    }
    const APIResult result = answer(cmd, params, file, request.header("Content-Range"));
    const CallFault::Body body = fault ? fault->body : CallFault::Body::Normal;
    switch (body) {
        case CallFault::Body::PlainJSON: reply.body = EnvelopeWriter::envelope(result, fault ? &*fault : nullptr); return;
        case CallFault::Body::BlockPage: reply.body = EnvelopeWriter::blockPage(); return;
        case CallFault::Body::NotBase64: reply.body = "<<not base64>>"; return;
        case CallFault::Body::JsonArray: reply.body = "[\"errcode\",0]"; return;
        case CallFault::Body::Empty: reply.body.clear(); return;
        case CallFault::Body::Oversized: {
            auto sealed = RouterChannelCrypto::aesEncrypt(EnvelopeWriter::oversized(result), *sessionKey);
            reply.body = sealed ? RouterChannelCrypto::base64Encode(*sealed) : std::string();
            return;
        }
        case CallFault::Body::Normal: break;
    }
    auto sealed = RouterChannelCrypto::aesEncrypt(EnvelopeWriter::envelope(result, fault ? &*fault : nullptr), *sessionKey);
    reply.body = sealed ? RouterChannelCrypto::base64Encode(*sealed) : std::string();
}

bool RouterLocalService::hasValidTicket(const ns::Dictionary& params) const {
    auto router = state_->router(state_->localRouterId());
    const std::string ticket = params["ticket"].stringValue();
    return router && !ticket.empty() && router->tickets.count(ticket) != 0;
}

APIResult RouterLocalService::answer(const std::string& cmd, const ns::Dictionary& params,
                                     const std::optional<FormPart>& file,
                                     const std::optional<std::string>& contentRange) {
    const std::string routerId = state_->localRouterId();
    auto router = state_->router(routerId);
    if (!router) return APIResult{-1100, "no router", {}};
    const std::string ticket = params["ticket"].stringValue();
    const bool ticketValid = !ticket.empty() && router->tickets.count(ticket) != 0;

    if (cmd == "login.login") {
        APIResult out;
        state_->withRouter(routerId, [&](EmulatedRouter& r) {
            if (r.failedLogins >= 5) {
                out = APIResult{-1018, "", {}};
                return;
            }
            if (params["admpwd"].stringValue() != r.adminPassword) {
                ++r.failedLogins;
                out = r.failedLogins >= 5 ? APIResult{-1018, "", {}}
                                          : APIResult{-1010, "", ns::Value::dictionary({{"count", r.failedLogins}})};
                return;
            }
            r.failedLogins = 0;
            std::string issued;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                issued = "ticket-" + r.routerId + "-" + std::to_string(++ticketSerial_);
            }
            r.tickets.insert(issued);
            ns::Value object = EmulatedRouterModel::routerObject(r);
            object.mutableDictionary().set("ticket", issued);
            out.vdata = object;
        });
        return out;
    }
    if (cmd == "init.check") return EmulatedRouterAPI::call(*state_, routerId, cmd, params);
    if (cmd == "device.bind") {
        if (!ticketValid && params["admpwd"].stringValue() != router->adminPassword) return APIResult{-1021, "", {}};
        auto account = state_->accountForTicket(params["qt"].stringValue());
        if (!account) return APIResult{-1007, "", {}};
        state_->bindRouter(*account, routerId);
        ns::Value object = EmulatedRouterModel::routerObject(*router);
        if (!ticket.empty()) object.mutableDictionary().set("ticket", ticket);
        return APIResult{0, "", object};
    }
    if (!ticketValid) return APIResult{-1021, "", {}};
    if (auto own = commands_.answer(routerId, cmd, params, file, contentRange)) return *own;
    return EmulatedRouterAPI::call(*state_, routerId, cmd, params);
}

}  // namespace emulator
