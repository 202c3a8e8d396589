#include <gtest/gtest.h>

#include "net/http/TNHTTPRequestSerializer.h"
#include "net/http/TNJSONRequestSerializer.h"
#include "net/http/TNPropertyListRequestSerializer.h"
#include "net/http/TNQueryStringPair.h"
#include "platform/foundation/JSONSerialization.h"

namespace {

ns::Value dict(std::initializer_list<std::pair<std::string, ns::Value>> items) { return ns::Value::dictionary(items); }

TEST(TNQueryStringPairTest, FlattensNestedParametersInTheirOwnOrderAndEscapesOnce) {
    struct Case {
        const char* what;
        ns::Value parameters;
        const char* query;
    };
    const std::vector<Case> cases = {
        {"nested dictionary", dict({{"a", dict({{"b", 1}})}}), "a[b]=1"},
        {"array", dict({{"ids", ns::Value::array({1, 2})}}), "ids[]=1&ids[]=2"},
        {"own order, not sorted", dict({{"z", 1}, {"a", 2}}), "z=1&a=2"},
        {"null value: the escaped key alone", dict({{"a b", ns::Value::null()}}), "a%20b"},
        {"brackets of a key stay", dict({{"x[0]", ns::Value::null()}}), "x[0]"},
        // Values are raw text: escaped exactly once, so a server decoding
        // once gets them back (no "&" can split a value).
        {"value escaped once", dict({{"q", "a b&c"}}), "q=a%20b%26c"},
        {"percent sign escaped, not passed through", dict({{"k", "50%"}}), "k=50%25"},
        {"reserved characters", dict({{"k", "a=b+c/d?e#f"}}), "k=a%3Db%2Bc%2Fd%3Fe%23f"},
        {"UTF-8", dict({{"name", "é"}}), "name=%C3%A9"},
        {"empty", dict({}), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TNJoinQueryPairs(c.parameters, ns::kUTF8StringEncoding), c.query) << c.what;
}

TEST(TNHTTPRequestSerializerTest, PutsParametersInTheQueryOrTheFormBody) {
    auto serializer = TNHTTPRequestSerializer::serializer();
    auto get = serializer->requestWithMethod("GET", "http://127.0.0.1/p?x=1", dict({{"a", "1"}}));
    EXPECT_EQ(get.url()->absoluteString(), "http://127.0.0.1/p?x=1&a=1");
    EXPECT_FALSE(get.HTTPBody());

    auto lower = serializer->requestWithMethod("get", "http://127.0.0.1/p", dict({{"a", "1"}}));
    EXPECT_EQ(lower.url()->absoluteString(), "http://127.0.0.1/p?a=1");

    auto empty = serializer->requestWithMethod("DELETE", "http://127.0.0.1/p", dict({}));
    EXPECT_EQ(empty.url()->absoluteString(), "http://127.0.0.1/p?");

    auto post = serializer->requestWithMethod("POST", "http://127.0.0.1/p", dict({{"a", "x y"}, {"b", "2"}}));
    EXPECT_EQ(post.url()->absoluteString(), "http://127.0.0.1/p");
    ASSERT_TRUE(post.HTTPBody());
    EXPECT_EQ(post.HTTPBody()->toString(), "a=x%20y&b=2");
    EXPECT_EQ(post.valueForHTTPHeaderField("Content-Type").value_or(""),
              "application/x-www-form-urlencoded; charset=utf-8");

    serializer->setValue("text/custom", "Content-Type");
    auto custom = serializer->requestWithMethod("POST", "http://127.0.0.1/p", dict({{"a", "1"}}));
    EXPECT_EQ(custom.valueForHTTPHeaderField("Content-Type").value_or(""), "text/custom");
    EXPECT_EQ(custom.HTTPBody()->toString(), "a=1");

    EXPECT_FALSE(serializer->requestWithMethod("GET", "not a url", ns::Value()).url());
}

TEST(TNHTTPRequestSerializerTest, CopiesSettingsAndKeepsHeadersTheRequestAlreadyHas) {
    auto serializer = TNHTTPRequestSerializer::serializer();
    serializer->timeoutInterval = 12;
    serializer->cachePolicy = ns::kURLRequestReloadIgnoringLocalCacheData;
    serializer->setValue("token", "X-Token");
    auto request = serializer->requestWithMethod("GET", "http://127.0.0.1/", ns::Value());
    EXPECT_EQ(request.timeoutInterval(), 12);
    EXPECT_EQ(request.cachePolicy(), ns::kURLRequestReloadIgnoringLocalCacheData);
    EXPECT_EQ(request.valueForHTTPHeaderField("X-Token").value_or(""), "token");
    EXPECT_TRUE(request.valueForHTTPHeaderField("User-Agent"));

    ns::MutableURLRequest own(ns::URL::URLWithString("http://127.0.0.1/"));
    own.setValue("Mine/1", "User-Agent");
    auto serialized = serializer->requestBySerializingRequest(own, ns::Value(), nullptr);
    EXPECT_EQ(serialized.valueForHTTPHeaderField("User-Agent").value_or(""), "Mine/1");

    serializer->setAuthorizationHeaderFieldWithUsername("user", "pass");
    EXPECT_EQ(serializer->valueForHTTPHeaderField("Authorization").value_or(""), "Basic dXNlcjpwYXNz");
    serializer->setAuthorizationHeaderFieldWithToken("abc");
    EXPECT_EQ(serializer->valueForHTTPHeaderField("Authorization").value_or(""), "Token token=\"abc\"");
    serializer->clearAuthorizationHeader();
    EXPECT_FALSE(serializer->valueForHTTPHeaderField("Authorization"));

    auto copy = serializer->copy();
    EXPECT_EQ(copy->valueForHTTPHeaderField("X-Token").value_or(""), "token");
    EXPECT_EQ(copy->timeoutInterval, 60.0);  // only headers and the query style travel
}

TEST(TNHTTPRequestSerializerTest, DefaultHeaderValues) {
    EXPECT_EQ(TNHTTPRequestSerializer::acceptLanguageForLanguages({"en", "fr"}), "en;q=1, fr;q=0.9");
    EXPECT_EQ(TNHTTPRequestSerializer::acceptLanguageForLanguages({}), "");
    EXPECT_EQ(TNHTTPRequestSerializer::acceptLanguageForLanguages({"a", "b", "c", "d", "e", "f", "g", "h"}),
              "a;q=1, b;q=0.9, c;q=0.8, d;q=0.7, e;q=0.6, f;q=0.5");
    std::string agent = TNHTTPRequestSerializer::defaultUserAgent();
    EXPECT_NE(agent.find(" (iPhone; iOS 7.1; Scale/2.00)"), std::string::npos) << agent;
}

TEST(TNHTTPRequestSerializerTest, QueryCallbackReplacesTheBuiltInEncoding) {
    auto serializer = TNHTTPRequestSerializer::serializer();
    serializer->setQueryStringSerializationWithBlock(
        [](const ns::URLRequest&, const ns::Value& parameters, ns::ErrorPtr*) { return "n=" + std::to_string(parameters.count()); });
    EXPECT_EQ(serializer->requestWithMethod("GET", "http://h/", dict({{"a", 1}, {"b", 2}})).url()->absoluteString(),
              "http://h/?n=2");
    serializer->setQueryStringSerializationWithStyle(0);
    EXPECT_EQ(serializer->requestWithMethod("GET", "http://h/", dict({{"a", 1}})).url()->absoluteString(), "http://h/?a=1");
}

TEST(TNJSONRequestSerializerTest, JSONAndPropertyListBodies) {
    auto json = TNJSONRequestSerializer::serializer();
    auto request = json->requestWithMethod("POST", "http://h/", dict({{"a", 1}, {"b", "x"}}));
    EXPECT_EQ(request.valueForHTTPHeaderField("Content-Type").value_or(""), "application/json; charset=utf-8");
    ASSERT_TRUE(request.HTTPBody());
    EXPECT_EQ(ns::JSONSerialization::JSONObjectWithData(*request.HTTPBody()), dict({{"a", 1}, {"b", "x"}}));
    EXPECT_EQ(json->requestWithMethod("GET", "http://h/", dict({{"a", 1}})).url()->absoluteString(), "http://h/?a=1");

    auto plist = TNPropertyListRequestSerializer::serializer();
    auto plistRequest = plist->requestWithMethod("PUT", "http://h/", dict({{"a", 1}}));
    EXPECT_EQ(plistRequest.valueForHTTPHeaderField("Content-Type").value_or(""), "application/x-plist; charset=utf-8");
    ASSERT_TRUE(plistRequest.HTTPBody());
    EXPECT_NE(plistRequest.HTTPBody()->toString().find("<key>a</key>"), std::string::npos);
}

}  // namespace
