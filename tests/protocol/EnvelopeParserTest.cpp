#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/records/TAVORouterModel.h"
#include "platform/foundation/Format.h"
#include "protocol/requests/TAVODataParser.h"
#include "protocol/requests/TAVORouterBindParser.h"
#include "tests/protocol/ReplyFixture.h"

namespace {

using keelbox::test::runParser;

// A success reply of exactly `length` bytes.
std::string paddedReply(std::size_t length, int errcode = 0) {
    std::string head = "{\"errcode\":" + std::to_string(errcode) + ",\"vdata\":\"";
    std::string tail = "\"}";
    return head + std::string(length - head.size() - tail.size(), 'x') + tail;
}

const std::string kBlockPage =
    "<html><body>路由器开启了防蹭网功能，您的设备需要管理员允许后才能连接，暂时不能上网</body></html>";

TEST(EnvelopeParserTest, RawBodiesGiveTheirErrorsInOrder) {
    struct Row {
        const char* name;
        std::string body;
        int type;  // 0: success
        int code;
        bool shapeFailure;
    };
    const Row rows[] = {
        {"exactly the limit", paddedReply(102400), 0, 0, false},
        {"one byte over the limit", paddedReply(102401), TAVOErrorTypeParse, 300004, false},
        {"over the limit with a router error", paddedReply(102401, -1100), TAVOErrorTypeRouter, 100001, false},
        {"over the limit and not JSON", std::string(102401, 'y'), TAVOErrorTypeParse, 300002, false},
        {"over the limit and not UTF-8", std::string(102401, '\xff'), TAVOErrorTypeParse, 300002, false},
        {"block page", kBlockPage, TAVOErrorTypeParse, 100007, false},
        {"first marker only", "<html>路由器开启了防蹭网功能</html>", TAVOErrorTypeParse, 300002, false},
        {"not JSON", "Bad Gateway", TAVOErrorTypeParse, 300002, false},
        {"empty body", "", TAVOErrorTypeParse, 300002, false},
        {"not UTF-8", std::string("{\"errcode\":0,\"vdata\":\"\xff\xfe\"}"), TAVOErrorTypeParse, 300002, false},
        {"a JSON array", "[1,2,3]", 0, 0, true},
        {"no errcode", "{\"vdata\":{\"a\":1}}", 0, 0, false},
        {"errcode as text", "{\"errcode\":\"-1101\"}", TAVOErrorTypeRouter, 100002, false},
        {"router not bound", "{\"errcode\":-1102,\"errdesc\":\"x\"}", TAVOErrorTypeRouter, 100003, false},
        {"cloud ticket expired", "{\"errcode\":-1007}", TAVOErrorTypeRouter, 160001, false},
        {"router ticket invalid", "{\"errcode\":-1021}", TAVOErrorTypeRouter, 130001, false},
        {"account locked", "{\"errcode\":-1018}", TAVOErrorTypeRouter, 100008, false},
        {"unknown code", "{\"errcode\":77,\"errdesc\":\"odd\"}", TAVOErrorTypeRouter, 100000, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto outcome = runParser(TAVOHttpDataParser::create(), row.body);
        EXPECT_EQ(outcome.shapeFailure, row.shapeFailure);
        if (row.type == 0) {
            EXPECT_EQ(outcome.errorInfo, nullptr);
        } else {
            ASSERT_NE(outcome.errorInfo, nullptr);
            EXPECT_EQ(outcome.errorInfo->type(), row.type);
            EXPECT_EQ(outcome.errorInfo->errorCode(), row.code);
        }
    }
}

TEST(EnvelopeParserTest, SuccessHandsOverVDataAsItIs) {
    auto outcome = runParser(TAVOHttpDataParser::create(), "{\"vdata\":{\"a\":[1,\"b\"]}}");
    EXPECT_EQ(outcome.dataInfo, ns::Value::dictionary({{"a", ns::Value::array({1, "b"})}}));
    // The root parser reads nothing, whatever the reply says.
    auto root = runParser(TAVODataParser::create(), "{\"errcode\":-1100}");
    EXPECT_TRUE(root.dataInfo.isNil());
    EXPECT_EQ(root.errorInfo, nullptr);
}

TEST(EnvelopeParserTest, RouterErrorsKeepTheServerTextAsSourceDomain) {
    auto withText = runParser(TAVOHttpDataParser::create(), "{\"errcode\":77,\"errdesc\":\"odd\"}");
    ASSERT_TRUE(withText.errorInfo && withText.errorInfo->sourceError());
    EXPECT_EQ(withText.errorInfo->sourceError()->domain(), "odd");
    EXPECT_EQ(withText.errorInfo->sourceError()->code(), 77);
    auto without = runParser(TAVOHttpDataParser::create(), "{\"errcode\":77}");
    EXPECT_EQ(without.errorInfo->sourceError()->domain(), "server error");
}

std::string retryText(int left) {
    return ns::format("%@, %@", TAVOLocalizedString("psw is wrong"),
                      ns::format(TAVOLocalizedString("still have %d time to try"), left));
}

TEST(EnvelopeParserTest, WrongPasswordCountsTheTriesLeft) {
    auto three = runParser(TAVOHttpDataParser::create(), "{\"errcode\":-1010,\"errdesc\":\"ignored\",\"vdata\":{\"count\":3}}");
    ASSERT_NE(three.errorInfo, nullptr);
    EXPECT_EQ(three.errorInfo->errorCode(), 100009);
    EXPECT_EQ(three.errorInfo->errorMsg(), retryText(2));
    auto none = runParser(TAVOHttpDataParser::create(), "{\"errcode\":-1010}");
    EXPECT_EQ(none.errorInfo->errorMsg(), retryText(5));
}

TEST(BindParserTest, ErrorsPreferTheRouterText) {
    struct Row {
        std::string body;
        int code;
        std::string message;
    };
    const Row rows[] = {
        {"{\"errcode\":-1010,\"errdesc\":\"wrong!\",\"vdata\":{\"count\":1}}", -1010, "wrong!"},
        {"{\"errcode\":-1010,\"vdata\":{\"count\":1}}", -1010, retryText(4)},
        {"{\"errcode\":-1018,\"errdesc\":\"\"}", -1018, TAVOLocalizedString("account is locked")},
        // Other codes without a text of their own: the fault table's text.
        {"{\"errcode\":7}", 7, TAVOLocalizedString("DNS error")},
        {"{\"errcode\":-1100}", -1100, TAVOLocalizedString("unknown error") + ":-1100"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.body);
        auto outcome = runParser(TAVORouterBindParser::create(), row.body);
        ASSERT_NE(outcome.errorInfo, nullptr);
        EXPECT_EQ(outcome.errorInfo->type(), TAVOErrorTypeRouter);
        EXPECT_EQ(outcome.errorInfo->errorCode(), row.code);
        EXPECT_EQ(outcome.errorInfo->errorMsg(), row.message);
        EXPECT_EQ(outcome.errorInfo->sourceError()->domain(), "domain tavo");
        EXPECT_EQ(outcome.errorInfo->sourceError()->userInfo()["err msg data provider tavo"], ns::Value(row.message));
    }
}

TEST(BindParserTest, SuccessMakesARouterRecordAndBadJsonRaises) {
    auto bound = runParser(TAVORouterBindParser::create(),
                           "{\"errcode\":0,\"vdata\":{\"router_id\":\"R1\",\"ticket\":\"T\",\"mac\":\"AA:BB:CC:DD:EE:FF\"}}");
    auto router = bound.object<TAVORouterModel>();
    ASSERT_NE(router, nullptr);
    EXPECT_EQ(router->router_id, "R1");
    EXPECT_EQ(router->ticket, "T");
    EXPECT_TRUE(runParser(TAVORouterBindParser::create(), "{\"errcode\":0,\"vdata\":\"text\"}").dataInfo.isNil());
    EXPECT_TRUE(runParser(TAVORouterBindParser::create(), "<html>").shapeFailure);
    // No size rule on the bind road.
    EXPECT_EQ(runParser(TAVORouterBindParser::create(), paddedReply(200000)).errorInfo, nullptr);
}

}  // namespace
