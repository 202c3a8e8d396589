// The typed answers: names from the catalogue, every failure as a TAVOError,
// registrations that end with their owner, and one failure shape whoever
// refused a request.
#include "protocol/TAVORequestAnswers.h"

#include <gtest/gtest.h>

#include <typeinfo>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVODataProvider.h"
#include "protocol/TAVODeviceDataProvider.h"
#include "protocol/requests/catalogue/TAVORouterGetSpeedRequest.h"
#include "protocol/requests/catalogue/TAVORouterPermitDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"
#include "tests/support/Harness.h"

namespace keelbox::test {
namespace {

// What an owner heard.
struct Heard {
    std::vector<ns::Value> results;
    std::vector<TAVOErrorPtr> failures;
    std::vector<ns::Dictionary> userInfos;
};

class Owner : public ns::Object {};

template <class Request>
void listen(const std::shared_ptr<Owner>& owner, Heard& heard) {
    TAVORequestAnswers::listen<Request>(
        owner,
        [&heard](const ns::Value& result, const ns::Dictionary& userInfo) {
            heard.results.push_back(result);
            heard.userInfos.push_back(userInfo);
        },
        [&heard](const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {
            heard.failures.push_back(error);
            heard.userInfos.push_back(userInfo);
        });
}

TEST(RequestAnswersTest, NamesComeFromTheCatalogueRowOfTheRequestType) {
    EXPECT_EQ(TAVORequestAnswers::succeededName<TAVORoutersListRequest>(), "router list notification_OK");
    EXPECT_EQ(TAVORequestAnswers::failedName<TAVORouterGetSpeedRequest>(), "router get speed notification_NG");
    // Every row's class is registered under its own type, so naming a
    // request by its type finds the row the providers post under.
    for (const auto& row : TAVORequestCatalogue::rows()) {
        auto request = TAVORequestCatalogue::createRequest(row.className);
        ASSERT_NE(request, nullptr) << row.className;
        const auto& made = *request;
        EXPECT_EQ(TAVORequestCatalogue::classNameOf(typeid(made)), row.className);
        EXPECT_EQ(TAVODataProvider::successfulNotificationName(row.className),
                  std::string(row.notificationBase) + "_OK");
        EXPECT_EQ(TAVODataProvider::failedNotificationName(row.className), std::string(row.notificationBase) + "_NG");
    }
    EXPECT_EQ(TAVORequestCatalogue::classNameOf<Owner>(), "");
}

TEST(RequestAnswersTest, EveryFailureArrivesAsATAVOError) {
    auto owner = std::make_shared<Owner>();
    Heard heard;
    listen<TAVORoutersListRequest>(owner, heard);
    auto center = ns::NotificationCenter::defaultCenter();
    const std::string ok = "router list notification_OK", ng = "router list notification_NG";

    center->postNotificationName(ok, ns::Value(ns::Array{1, 2}), ns::Dictionary{{"local", false}});
    ASSERT_EQ(heard.results.size(), 1u);
    EXPECT_EQ(heard.results[0].count(), 2u);
    EXPECT_FALSE(heard.userInfos[0]["local"].boolValue());

    auto routerError = TAVOError::errorWithType(TAVOErrorTypeRouter, 100002, "router is not online");
    const struct {
        ns::Value object;
        int type, code;
    } cases[] = {
        {ns::Value(routerError), TAVOErrorTypeRouter, 100002},
        {ns::Value(ns::Error::create(ns::kURLErrorDomain, ns::kURLErrorTimedOut)), TAVOErrorTypeSystem, 200004},
        {ns::Value(ns::Error::create("router", -1100)), TAVOErrorTypeRouter, 100001},
    };
    for (const auto& c : cases) center->postNotificationName(ng, c.object);
    ASSERT_EQ(heard.failures.size(), 3u);
    EXPECT_EQ(heard.failures[0], routerError) << "a TAVOError is handed over as it is";
    for (std::size_t i = 0; i < 3; ++i) {
        ASSERT_NE(heard.failures[i], nullptr) << i;
        EXPECT_EQ(heard.failures[i]->type(), cases[i].type) << i;
        EXPECT_EQ(heard.failures[i]->errorCode(), cases[i].code) << i;
    }
    EXPECT_NE(heard.failures[1]->sourceError(), nullptr) << "the platform error stays reachable";

    center->postNotificationName(ng, ns::Value("no error at all"));
    ASSERT_EQ(heard.failures.size(), 4u);
    EXPECT_EQ(heard.failures[3], nullptr);
}

TEST(RequestAnswersTest, NothingIsHeardOnceTheOwnerIsGoneOrStops) {
    auto center = ns::NotificationCenter::defaultCenter();
    const std::size_t before = center->registrationCount();
    auto owner = std::make_shared<Owner>(), stopper = std::make_shared<Owner>();
    Heard heard, stopped;
    listen<TAVORouterGetSpeedRequest>(owner, heard);
    listen<TAVORouterGetSpeedRequest>(stopper, stopped);
    listen<TAVORoutersListRequest>(stopper, stopped);
    TAVORequestAnswers::stopListening<TAVORouterGetSpeedRequest>(stopper.get());

    center->postNotificationName("router get speed notification_OK");
    EXPECT_EQ(heard.results.size(), 1u);
    EXPECT_TRUE(stopped.results.empty());
    center->postNotificationName("router list notification_OK");
    EXPECT_EQ(stopped.results.size(), 1u) << "only the named request's answers stop";

    owner.reset();
    stopper.reset();
    center->postNotificationName("router get speed notification_OK");
    center->postNotificationName("router get speed notification_NG", ns::Value(TAVOError::errorWithType(1, 1, "x")));
    EXPECT_EQ(heard.results.size(), 1u);
    EXPECT_TRUE(heard.failures.empty());
    EXPECT_EQ(center->registrationCount(), before);
}

TEST(RequestAnswersTest, AFacadeRefusalArrivesLikeAProviderRefusal) {
    auto owner = std::make_shared<Owner>();
    Heard provider;
    listen<TAVORouterPermitDeviceRequest>(owner, provider);
    // The provider refuses a restore without a MAC address: 0, and its failure later.
    auto device = TAVODeviceDataProvider::create();
    EXPECT_EQ(device->reqData(TAVORequestNumber::RouterPermitDevice, ns::Value::dictionary({})), 0);

    // A facade that sent nothing: the same failure, on a later turn.
    Heard facade;
    auto failed = [&facade](const TAVOErrorPtr& error, const ns::Dictionary&) { facade.failures.push_back(error); };
    EXPECT_EQ(TAVORequestAnswers::deliverRefusal(kTAVONothingSent, owner, failed), kTAVONothingSent);
    EXPECT_EQ(TAVORequestAnswers::deliverRefusal(42, owner, failed), 42) << "a token passes unchanged";
    EXPECT_TRUE(facade.failures.empty()) << "never inside the call";
    EXPECT_TRUE(provider.failures.empty());
    drainMainLoop();
    ASSERT_EQ(provider.failures.size(), 1u);
    ASSERT_EQ(facade.failures.size(), 1u);
    for (const auto& error : {provider.failures[0], facade.failures[0]}) {
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->type(), TAVOErrorTypeParse);
        EXPECT_EQ(error->errorCode(), -99999);
    }
    EXPECT_EQ(facade.failures[0]->errorMsg(), provider.failures[0]->errorMsg());

    // A refusal for an owner freed before the next turn is dropped.
    (void)TAVORequestAnswers::deliverRefusal(kTAVONothingSent, owner, failed);
    owner.reset();
    drainMainLoop();
    EXPECT_EQ(facade.failures.size(), 1u);
}

}  // namespace
}  // namespace keelbox::test
