#include <gtest/gtest.h>

#include "platform/foundation/URLRequest.h"

using ns::MutableURLRequest;
using ns::URLRequest;

TEST(URLRequest, DefaultsAndCaseInsensitiveHeaders) {
    URLRequest plain(ns::URL::URLWithString("http://127.0.0.1/x"));
    EXPECT_EQ(plain.HTTPMethod(), "GET");
    EXPECT_EQ(plain.timeoutInterval(), 60.0);
    EXPECT_EQ(plain.cachePolicy(), ns::kURLRequestUseProtocolCachePolicy);
    EXPECT_TRUE(plain.HTTPShouldHandleCookies());
    EXPECT_FALSE(plain.HTTPBody().has_value());
    EXPECT_TRUE(plain.allHTTPHeaderFields().empty());

    MutableURLRequest request(plain);
    request.setValue("text/plain", "Content-Type");
    request.setValue("application/json", "content-type");  // replaces, keeps the first spelling
    request.addValue("gzip", "Accept-Encoding");
    request.addValue("deflate", "ACCEPT-ENCODING");
    request.setValue("x", "X-Gone");
    request.setValue(std::nullopt, "x-gone");
    EXPECT_EQ(request.valueForHTTPHeaderField("CONTENT-TYPE"), "application/json");
    EXPECT_EQ(request.valueForHTTPHeaderField("accept-encoding"), "gzip,deflate");
    EXPECT_EQ(request.valueForHTTPHeaderField("X-Gone"), std::nullopt);
    ASSERT_EQ(request.allHTTPHeaderFields().size(), 2u);
    EXPECT_EQ(request.allHTTPHeaderFields().fields()[0].first, "Content-Type");
    EXPECT_EQ(request.allHTTPHeaderFields().toDictionary()["Accept-Encoding"].asString(), "gzip,deflate");

    // Copies are independent values.
    URLRequest snapshot = request;
    request.setHTTPMethod("POST");
    request.setHTTPBody(ns::Data::fromString("a=1"));
    EXPECT_EQ(snapshot.HTTPMethod(), "GET");
    EXPECT_FALSE(snapshot.HTTPBody().has_value());
    EXPECT_NE(snapshot, static_cast<const URLRequest&>(request));
    request.setHTTPMethod("");
    EXPECT_EQ(request.HTTPMethod(), "GET");
    request.setHTTPBody(ns::Data());
    EXPECT_TRUE(request.HTTPBody().has_value());  // an empty body is still a body
}
