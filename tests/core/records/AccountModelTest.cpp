#include <gtest/gtest.h>

#include "tests/support/FakeAccountFacade.h"
#include "core/records/TAVOAccountModel.h"
#include "core/records/TAVORouterManager.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"

TEST(TAVOAccountModel, ReadsUserDictionary) {
    auto a = TAVOAccountModel::initWithDictionary(ns::Value::dictionary({{"qid", 77},
                                                                         {"username", "alice"},
                                                                         {"nickname", ""},
                                                                         {"head_pic", "http://x/a.png"},
                                                                         {"loginemail", "a@x.org"},
                                                                         {"Q", "qq"},
                                                                         {"T", "tt"}}));
    EXPECT_EQ(a->qid(), "77");
    EXPECT_EQ(a->qt(), "qq;tt");
    EXPECT_EQ(a->accountName(), "alice");
    EXPECT_EQ(a->description(),
              "qid = 77, username = alice, nickname = (null), head_pic = http://x/a.png, loginemail = a@x.org, qt = qq;tt");
}

TEST(TAVOAccountModel, CookiesComeInPairsAndNameFallsBack) {
    auto half = TAVOAccountModel::initWithDictionary(ns::Value::dictionary({{"Q", "qq"}, {"T", ""}}));
    EXPECT_EQ(half->qt(), "");
    EXPECT_EQ(half->q(), "");
    EXPECT_EQ(half->t(), "");

    const std::pair<ns::Value, std::string> names[] = {
        {ns::Value::dictionary({{"loginemail", "e@x.org"}}), "e@x.org"},
        {ns::Value::dictionary({{"nickname", "Al"}, {"username", "alice"}}), "Al"},
        {ns::Value::dictionary({}), ""},
        {ns::Value("not a dictionary"), ""},
    };
    for (const auto& [dict, name] : names) EXPECT_EQ(TAVOAccountModel::initWithDictionary(dict)->accountName(), name);
}

namespace {

using FakeFacade = keelbox::test::FakeAccountFacade;

}  // namespace

TEST(TAVORouterManager, FollowsTheCurrentRouter) {
    auto manager = TAVORouterManager::shareInstance();
    EXPECT_EQ(manager, TAVORouterManager::shareInstance());
    EXPECT_FALSE(manager->isLocalRouter());  // no facade registered

    auto facade = std::make_shared<FakeFacade>();
    TAVOAccountFacade::setShared(facade);
    EXPECT_FALSE(manager->isLocalRouter());  // no current router
    facade->current = TAVORouterModel::create();
    EXPECT_FALSE(manager->isLocalRouter());
    facade->current->isLocalRouter = true;
    EXPECT_TRUE(manager->isLocalRouter());
}
