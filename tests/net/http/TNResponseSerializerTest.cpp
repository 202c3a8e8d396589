#include <gtest/gtest.h>

#include "net/http/TNCompoundResponseSerializer.h"
#include "net/http/TNJSONResponseSerializer.h"
#include "net/http/TNPropertyListResponseSerializer.h"
#include "platform/foundation/HTTPURLResponse.h"

namespace {

ns::URLResponsePtr response(int status, const std::string& contentType) {
    std::vector<ns::HTTPHeaderFields::Field> headers;
    if (!contentType.empty()) headers.emplace_back("Content-Type", contentType);
    return ns::HTTPURLResponse::create(ns::URL::URLWithString("http://127.0.0.1/r"), status, "HTTP/1.1", headers);
}

TEST(TNJSONResponseSerializerTest, StatusAndTypeTable) {
    struct Case {
        const char* what;
        int status;
        const char* type;
        std::string body;
        bool object;
        std::int64_t code;            // 0: no error
        std::int64_t underlyingCode;  // 0: none
    };
    const std::vector<Case> cases = {
        {"200 JSON", 200, "application/json", "{\"a\":1}", true, 0, 0},
        {"text/json also", 200, "text/json; charset=utf-8", "[1]", true, 0, 0},
        {"200 html", 200, "text/html", "<p>", false, -1016, 0},
        {"404 JSON error body still decoded", 404, "application/json", "{\"e\":2}", true, -1011, 0},
        {"500 html: status over type", 500, "text/html", "oops", false, -1011, -1016},
        {"single space", 200, "application/json", " ", false, 0, 0},
        {"empty body", 200, "application/json", "", false, 0, 0},
        {"unacceptable type, empty body: no error", 200, "text/html", "", false, 0, 0},
        {"not JSON", 200, "application/json", "{nope", false, -1, 0},
    };
    auto serializer = TNJSONResponseSerializer::serializer();
    for (const auto& c : cases) {
        ns::ErrorPtr error;
        ns::Value object = serializer->responseObjectForResponse(response(c.status, c.type), ns::Data::fromString(c.body), &error);
        EXPECT_EQ(!object.isNil(), c.object) << c.what;
        if (c.code == 0) {
            EXPECT_FALSE(error) << c.what;
        } else {
            ASSERT_TRUE(error) << c.what;
            if (c.code != -1) {
                EXPECT_EQ(error->code(), c.code) << c.what;
                EXPECT_EQ(error->domain(), TNURLResponseSerializationErrorDomain) << c.what;
                EXPECT_TRUE(error->userInfo()[TNNetworkingOperationFailingURLResponseErrorKey].as<ns::URLResponse>()) << c.what;
            }
            auto underlying = error->underlyingError();
            EXPECT_EQ(underlying ? underlying->code() : 0, c.underlyingCode) << c.what;
        }
    }
}

TEST(TNJSONResponseSerializerTest, MessagesNullRemovalAndCharsets) {
    auto serializer = TNJSONResponseSerializer::serializer();
    ns::ErrorPtr error;
    serializer->responseObjectForResponse(response(404, "application/json"), ns::Data::fromString("{}"), &error);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->localizedDescription(), "Request failed: not found (404)");

    serializer->removesKeysWithNullValues = true;
    ns::Value stripped = serializer->responseObjectForResponse(
        response(200, "application/json"), ns::Data::fromString("{\"a\":null,\"b\":[{\"c\":null}]}"), nullptr);
    EXPECT_EQ(stripped, ns::Value::dictionary({{"b", ns::Value::array({ns::Value(ns::Dictionary())})}}));

    // Latin-1 bytes named by the response are decoded as Latin-1.
    ns::Data latin1({'[', '"', 0xE9, '"', ']'});
    ns::Value decoded =
        serializer->responseObjectForResponse(response(200, "application/json; charset=iso-8859-1"), latin1, nullptr);
    EXPECT_EQ(decoded, ns::Value::array({"é"})) << decoded.description();
    EXPECT_TRUE(serializer->responseObjectForResponse(response(200, "application/json"), latin1, nullptr).isNil());
}

TEST(TNResponseSerializerTest, BaseCompoundAndPropertyList) {
    auto base = TNHTTPResponseSerializer::serializer();
    ns::ErrorPtr error;
    EXPECT_EQ(base->responseObjectForResponse(response(503, "x/y"), ns::Data::fromString("raw"), &error),
              ns::Value(ns::Data::fromString("raw")));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), -1011);

    auto plist = TNPropertyListResponseSerializer::serializer();
    auto compound = TNCompoundResponseSerializer::compoundSerializerWithResponseSerializers({plist, TNJSONResponseSerializer::serializer()});
    error.reset();
    EXPECT_EQ(compound->responseObjectForResponse(response(200, "application/json"), ns::Data::fromString("[1]"), &error),
              ns::Value::array({1}));
    EXPECT_FALSE(error);

    std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>k</key><string>v</string></dict></plist>";
    EXPECT_EQ(plist->responseObjectForResponse(response(200, "application/x-plist"), ns::Data::fromString(xml), nullptr),
              ns::Value::dictionary({{"k", "v"}}));

    auto copy = TNJSONResponseSerializer::serializerWithReadingOptions(3)->copy();
    EXPECT_EQ(std::static_pointer_cast<TNJSONResponseSerializer>(copy)->readingOptions, 3u);
    EXPECT_TRUE(copy->acceptableContentTypes->count("text/javascript"));
}

}  // namespace
