// Failures end to end: router and cloud error envelopes, refusals by the
// providers, the trust policy against a foreign CA, and the reply faults the
// emulator injects.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "protocol/TAVODataProviderFactory.h"
#include "protocol/TAVODeviceDataProvider.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "tests/protocol/ProtocolEmulatorFixture.h"

namespace keelbox::test {
namespace {

using emulator::CallFault;

class ProtocolFailureTest : public ProtocolEmulatorTest {
protected:
    TAVODataProviderPtr device() {
        return TAVODataProviderFactory::shareInstance()->getDataProviderById(1);
    }
    ns::Value cloudParam(const char* routerId, const char* qt = kQt) {
        return ns::Value::dictionary({{"qt", qt}, {"router_id", routerId}});
    }
    void expectFailure(const Delivery& d, int type, int code) {
        ASSERT_TRUE(d.arrived);
        EXPECT_FALSE(d.ok);
        auto error = d.error();
        ASSERT_NE(error, nullptr) << d.object.description();
        EXPECT_EQ(error->type(), type);
        EXPECT_EQ(error->errorCode(), code);
    }
};

TEST_F(ProtocolFailureTest, ErrorEnvelopesReachTheErrorSystemThenTheScreen) {
    // The local router refuses a ticket it did not issue.
    facade->current = localRouter;
    localRouter->ticket = "forged";
    Delivery refused = send(device(), 21, ns::Value::dictionary({}), "TAVORouterQueryDeviceListRequest");
    expectFailure(refused, TAVOErrorTypeRouter, 130001);
    ASSERT_FALSE(errors->seen.empty());
    EXPECT_EQ(errors->seen.back(), refused.error());

    // The cloud: expired account ticket, unknown, offline and foreign routers.
    auto r3 = emulator::EmulatedRouterModel::makeRouter("R3", "AA:BB:CC:00:00:03");
    state->addRouter(r3);
    state->withRouter("R2", [](emulator::EmulatedRouter& r) { r.online = false; });
    facade->current = cloudRouter;
    struct Row {
        ns::Value param;
        int code;
    };
    const Row rows[] = {
        {cloudParam("R1", "QT-stale"), 160001},
        {cloudParam("R9"), 100001},
        {cloudParam("R2"), 100002},
        {cloudParam("R3"), 100003},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.param.description());
        Delivery d = send(device(), 3, row.param, "TAVORouterQueryStatusRequest");
        expectFailure(d, TAVOErrorTypeRouter, row.code);
        EXPECT_EQ(errors->seen.back(), d.error());
        EXPECT_EQ(d.userInfo["param"], row.param);
        EXPECT_EQ(d.userInfo["local"], ns::Value(false));
    }
}

class RefusingProvider : public TAVODataProvider {
public:
    static std::shared_ptr<RefusingProvider> create() { return std::shared_ptr<RefusingProvider>(new RefusingProvider()); }
    bool checkRequestStatus(int, const ns::Value&) override { return false; }
};

TEST_F(ProtocolFailureTest, RefusalsAnswerZeroAndPostTheirCodeWithoutUserInfo) {
    facade->current = localRouter;
    struct Row {
        TAVODataProviderPtr provider;
        int number;
        ns::Value param;
        const char* className;
        int code;
    };
    const Row rows[] = {
        {device(), 14, ns::Value::dictionary({{"qt", kQt}}), "TAVORouterPermitDeviceRequest", -99999},
        {device(), 14, ns::Value::dictionary({{"mac", ""}}), "TAVORouterPermitDeviceRequest", -99999},
        {RefusingProvider::create(), 3, ns::Value::dictionary({{"a", 1}}), "TAVORouterQueryStatusRequest", -100000},
        {TAVODataProvider::create(), 3, ns::Value(), "TAVORouterQueryStatusRequest", -99998},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        std::int32_t token = -1;
        Delivery d = send(row.provider, row.number, row.param, row.className, &token);
        EXPECT_EQ(token, 0);
        expectFailure(d, TAVOErrorTypeParse, row.code);
        EXPECT_EQ(d.error()->errorMsg(), TAVOLocalizedString("architecture error param invalid"));
        EXPECT_TRUE(d.userInfo.empty());
    }
    EXPECT_TRUE(errors->seen.empty());  // refusals never reach the handlers
    EXPECT_EQ(local->server().log().count(), 0u);
    // Numbers without a class make nothing and say nothing.
    EXPECT_EQ(device()->reqData(2, ns::Value()), 0);
    EXPECT_EQ(device()->reqData(60, ns::Value()), 0);
    EXPECT_EQ(TAVODataProviderFactory::shareInstance()->getDataProviderById(3), nullptr);
}

TEST_F(ProtocolFailureTest, ACloudWithAForeignCertificateIsRefused) {
    emulator::CloudRouterService impostor(state, emulator::Identity::ForeignServer);
    ASSERT_TRUE(impostor.start());
    ::setenv("KEELBOX_CLOUD_ROUTER_BASE_URL", impostor.baseURL().c_str(), 1);
    facade->current = cloudRouter;
    Delivery d = send(device(), 3, cloudParam("R2"), "TAVORouterQueryStatusRequest");
    ASSERT_TRUE(d.arrived);
    ASSERT_NE(d.error(), nullptr);
    EXPECT_EQ(d.error()->type(), TAVOErrorTypeSystem);
    // The trust decision came before any request byte.
    EXPECT_EQ(impostor.server().log().count(), 0u);
}

TEST_F(ProtocolFailureTest, InjectedReplyFaultsOnTheLocalChannel) {
    facade->current = localRouter;
    struct Row {
        const char* name;
        CallFault fault;
        int type;  // 0: success
        int code;
    };
    const Row rows[] = {
        {"over 102400 bytes", CallFault::withBody(CallFault::Body::Oversized), TAVOErrorTypeParse, 300004},
        {"block page", CallFault::withBody(CallFault::Body::BlockPage), TAVOErrorTypeParse, 100007},
        {"not Base64", CallFault::withBody(CallFault::Body::NotBase64), TAVOErrorTypeParse, 300002},
        {"JSON array", CallFault::withBody(CallFault::Body::JsonArray), TAVOErrorTypeParse, 300003},
        {"plain JSON", CallFault::withBody(CallFault::Body::PlainJSON), 0, 0},
        {"code without text", CallFault::error(-1102), TAVOErrorTypeRouter, 100003},
        {"code with text", CallFault::error(77, std::string("odd")), TAVOErrorTypeRouter, 100000},
        {"slow but in time", [] { CallFault f; f.delaySeconds = 0.3; return f; }(), 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        local->clearCallFaults();
        local->setCallFault("device.getDeviceList", row.fault);
        Delivery d = send(device(), 21, ns::Value::dictionary({}), "TAVORouterQueryDeviceListRequest");
        ASSERT_TRUE(d.arrived);
        if (row.type == 0) {
            EXPECT_TRUE(d.ok);
            EXPECT_NE(d.object.as<TAVORouterJoiningDevicesList>(), nullptr);
        } else {
            expectFailure(d, row.type, row.code);
        }
    }
    local->clearCallFaults();
    // A dropped connection is a network failure.
    local->server().setFault("/home1/", emulator::Fault::refusing());
    expectFailure(send(device(), 21, ns::Value::dictionary({}), "TAVORouterQueryDeviceListRequest"), TAVOErrorTypeSystem, 200000);
}

TEST_F(ProtocolFailureTest, ChannelOptimisingAndResetSurviveACutReplyButNotAnErrorEnvelope) {
    facade->current = localRouter;
    for (const char* cmd : {"wifi.optimizeChannel", "router.factoryReset"}) {
        SCOPED_TRACE(cmd);
        const int number = std::string(cmd) == "wifi.optimizeChannel" ? 41 : 63;
        const char* className = number == 41 ? "TAVOWIFIOptimizeChannel" : "TAVORouterFactoryResetRequest";
        local->setCallFault(cmd, CallFault::withBody(CallFault::Body::Empty));
        Delivery cut = send(device(), number, ns::Value::dictionary({}), className);
        EXPECT_TRUE(cut.ok);
        EXPECT_TRUE(cut.object.isNil());
        local->setCallFault(cmd, CallFault::withBody(CallFault::Body::NotBase64));
        EXPECT_TRUE(send(device(), number, ns::Value::dictionary({}), className).ok);
        local->setCallFault(cmd, CallFault::error(-502, std::string("busy")));
        expectFailure(send(device(), number, ns::Value::dictionary({}), className), TAVOErrorTypeRouter, 100005);
        local->clearCallFaults();
    }
}

TEST_F(ProtocolFailureTest, WrongAdminPasswordCountsDownThenLocksTheRouter) {
    facade->current = localRouter;
    localRouter->setAdminPsw("wrong-password");
    for (int attempt = 1; attempt <= 4; ++attempt) {
        Delivery d = send(device(), 6, ns::Value::dictionary({}), "TAVORouterBindRequest");
        expectFailure(d, TAVOErrorTypeRouter, -1010);
        EXPECT_EQ(d.error()->errorMsg(), ns::format("%@, %@", TAVOLocalizedString("psw is wrong"),
                                                   ns::format(TAVOLocalizedString("still have %d time to try"), 5 - attempt)));
    }
    Delivery locked = send(device(), 6, ns::Value::dictionary({}), "TAVORouterBindRequest");
    expectFailure(locked, TAVOErrorTypeRouter, -1018);
    EXPECT_EQ(locked.error()->errorMsg(), TAVOLocalizedString("account is locked"));
    // The bind requests send only "qt" and the router's credentials.
    auto calls = local->calls();
    ASSERT_FALSE(calls.empty());
    const auto& params = calls.back().params;
    EXPECT_EQ(params["admpwd"], ns::Value("wrong-password"));
    EXPECT_EQ(params["cmd"], ns::Value("login.login"));
    EXPECT_EQ(params.count(), 4u);  // admpwd, ticket, user_mac, cmd
}

TEST_F(ProtocolFailureTest, EveryLocalRequestHasItsOwnSessionKeyAndCancelledOnesStaySilent) {
    facade->current = localRouter;
    auto provider = device();
    ASSERT_TRUE(send(provider, 31, ns::Value::dictionary({}), "TAVORouterGetWIFITimeRequest").ok);
    ASSERT_TRUE(send(provider, 31, ns::Value::dictionary({}), "TAVORouterGetWIFITimeRequest").ok);
    auto calls = local->calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_NE(calls[0].sessionKey, calls[1].sessionKey);
    for (unsigned char c : calls[0].sessionKey) {
        EXPECT_GE(c, 32);
        EXPECT_LE(c, 125);
    }
    // A cancelled request is detached: the transfer runs, nobody hears of it.
    bool heard = false;
    auto center = ns::NotificationCenter::defaultCenter();
    ns::ScopedObserver observer(center, center->addObserverForName("router get wifi time changed notification_OK", {}, nullptr,
                                                                   [&](const ns::NotificationPtr&) { heard = true; }));
    const std::int32_t token = provider->reqData(31, ns::Value::dictionary({}));
    provider->cancelReqData(token);
    EXPECT_TRUE(local->server().log().waitUntil([](const auto& entries) { return entries.size() == 3; }, 5.0));
    runMainLoopUntil([] { return false; }, 0.5);
    EXPECT_FALSE(heard);
}

TEST_F(ProtocolFailureTest, ARouterSlowerThanTheCataloguesTimeOutFailsAsATimeOut) {
    // The transfer's idle time-out runs on the virtual clock: the router
    // holds its answer for a few real seconds while the test moves the clock
    // to just before the time-out (nothing happens) and then past it.
    struct Row {
        const char* name;
        int number;
        const char* className;
        const char* cmd;
        double timeout;
        bool onCloud;
    };
    const Row rows[] = {
        {"local ticket check", 5, "TAVORouterTicketVerificationRequest", "system.checkticket", 5.0, false},
        {"cloud device list", 21, "TAVORouterQueryDeviceListRequest", "device.getDeviceList", 30.0, true},
    };
    CallFault slow;
    slow.delaySeconds = 2.5;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        facade->current = row.onCloud ? cloudRouter : localRouter;
        emulator::HttpServer& server = row.onCloud ? cloud->server() : local->server();
        if (row.onCloud) cloud->setCallFault(row.cmd, slow);
        else local->setCallFault(row.cmd, slow);
        const std::string base = TAVODataProviderCommon::shareInstance()->notificationBase(row.className);
        Delivery d;
        auto center = ns::NotificationCenter::defaultCenter();
        auto record = [&d](bool ok) {
            return [&d, ok](const ns::NotificationPtr& n) {
                d.arrived = true;
                d.ok = ok;
                d.object = n->object();
            };
        };
        ns::ScopedObserver okObserver(center, center->addObserverForName(base + "_OK", {}, nullptr, record(true)));
        ns::ScopedObserver ngObserver(center, center->addObserverForName(base + "_NG", {}, nullptr, record(false)));
        const std::size_t before = server.log().count();
        (void)device()->reqData(row.number, row.onCloud ? cloudParam("R2") : ns::Value::dictionary({}));
        // Pumped while waiting: the cloud's trust challenge is answered on the
        // main loop, and only the call itself (not the challenge) arms the
        // transfer's time-out, so the clock moves once the call is in.
        std::string path = std::string("/") + row.cmd;
        std::replace(path.begin(), path.end(), '.', '/');
        const auto callArrived = [&] {
            const auto entries = server.log().entries();
            for (std::size_t i = std::min(before, entries.size()); i < entries.size(); ++i)
                if (!row.onCloud || entries[i].path.ends_with(path)) return true;
            return false;
        };
        ASSERT_TRUE(runMainLoopUntil(callArrived, 5.0));
        advance(row.timeout - 0.5);
        runMainLoopUntil([&] { return d.arrived; }, 0.3);
        EXPECT_FALSE(d.arrived) << "failed before its time-out";
        advance(1.0);
        ASSERT_TRUE(runMainLoopUntil([&] { return d.arrived; }, 2.0)) << "the time-out did not fire";
        expectFailure(d, TAVOErrorTypeSystem, 200004);
        EXPECT_EQ(errors->seen.back(), d.error());
    }
}

}  // namespace
}  // namespace keelbox::test

namespace keelbox::test {
namespace {

TEST_F(ProtocolFailureTest, AnUnusableAddressFailsAsANetworkError) {
    facade->current = cloudRouter;
    ::setenv("KEELBOX_CLOUD_ROUTER_BASE_URL", "not a url at all", 1);
    Delivery d = send(device(), 3, cloudParam("R2"), "TAVORouterQueryStatusRequest");
    ASSERT_TRUE(d.arrived);
    ASSERT_NE(d.error(), nullptr);
    EXPECT_EQ(d.error()->type(), TAVOErrorTypeSystem);
}

}  // namespace
}  // namespace keelbox::test
