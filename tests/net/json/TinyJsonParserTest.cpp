// The TinyJson parser: text -> value tables and the exact error trace.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/json/TinyJson.h"
#include "net/json/TinyJsonParser.h"
#include "platform/foundation/Log.h"

namespace {

ns::Value parse(const std::string& text, ns::ErrorPtr* error = nullptr) {
    return TinyJsonParser::create()->objectWithString(std::string_view(text), error);
}

// The trace as "code:text" entries, first error first.
std::vector<std::string> traceOf(const std::string& text) {
    auto parser = TinyJsonParser::create();
    ns::ErrorPtr error;
    EXPECT_TRUE(parser->objectWithString(std::string_view(text), &error).isNil()) << text;
    std::vector<std::string> out;
    for (const auto& e : parser->errorTrace()) {
        EXPECT_EQ(e->domain(), "org.quernhal.JSON.ErrorDomain");
        out.push_back(std::to_string(e->code()) + ":" + e->localizedDescription());
    }
    if (!parser->errorTrace().empty()) {
        EXPECT_EQ(error, parser->errorTrace().back());
    }
    return out;
}

}  // namespace

TEST(TinyJsonParser, DecodesValues) {
    struct Case {
        std::string text;
        ns::Value expected;
    };
    const Case cases[] = {
        {"{\"a\":1}", ns::Value::dictionary({{"a", 1}})},
        {"[1 2]", ns::Value::array({1, 2})},
        {"[true,false,null]", ns::Value::array({true, false, ns::Value::null()})},
        {"\v\f [ \"x\" ] \r\n", ns::Value::array({"x"})},
        {"{\"a\":1,\"a\":2}", ns::Value::dictionary({{"a", 2}})},
        {"[9223372036854775807,-9223372036854775807,0,-0]",
         ns::Value::array({INT64_MAX, -INT64_MAX, 0, 0})},
        {"[\"a\\\"\\\\\\/\\b\\f\\n\\r\\t\",\"\"]", ns::Value::array({"a\"\\/\b\f\n\r\t", ""})},
        {"[\"\\u00e9\\uD83D\\uDE00\\ud83d\\udfff\"]", ns::Value::array({"\xC3\xA9\xF0\x9F\x98\x80\xF0\x9F\x9F\xBF"})},
        {"[\"\xE4\xB8\xAD\xE6\x96\x87\"]", ns::Value::array({"\xE4\xB8\xAD\xE6\x96\x87"})},
        {"[1]\0garbage after the zero", ns::Value::array({1})},
    };
    for (const auto& c : cases) {
        const ns::Value v = parse(c.text);
        EXPECT_TRUE(v.isEqual(c.expected)) << c.text << " gave " << v.description();
    }
    // The embedded zero case needs the full length.
    const std::string withZero("[1]\0x", 5);
    EXPECT_TRUE(parse(withZero).isEqual(ns::Value::array({1})));
}

TEST(TinyJsonParser, KeepsLargeAndFractionalNumbersExact) {
    const ns::Value v = parse("[9223372036854775808,20000000000000000000,-9223372036854775808,0.1,1.5e300,-2E-5]");
    ASSERT_EQ(v.count(), 6u);
    EXPECT_EQ(v[0].decimalText(), "9223372036854775808");
    EXPECT_EQ(v[1].decimalText(), "20000000000000000000");
    EXPECT_EQ(v[2].decimalText(), "-9223372036854775808");
    EXPECT_EQ(v[3].decimalText(), "0.1");
    EXPECT_EQ(v[4].decimalText(), "1.5e300");
    EXPECT_EQ(v[5].decimalText(), "-2E-5");
    EXPECT_EQ(parse("[9223372036854775807]")[0].kind(), ns::ValueKind::Integer);
}

TEST(TinyJsonParser, FailsWithTheChainedTrace) {
    struct Case {
        std::string text;
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        {"[1,]", {"9:Trailing comma disallowed in array"}},
        {"{\"a\":1,}", {"9:Trailing comma disallowed in object"}},
        {"1", {"4:Valid fragment, but not JSON"}},
        {"\"s\"", {"4:Valid fragment, but not JSON"}},
        {"[1] x", {"10:Garbage after JSON"}},
        {"", {"11:Unexpected end of string"}},
        {"[01]", {"2:Leading 0 disallowed in number", "3:Expected value while parsing array"}},
        {"[-]", {"2:No digits after initial minus", "3:Expected value while parsing array"}},
        {"[+1]", {"2:Leading + disallowed in number", "3:Expected value while parsing array"}},
        {"[1.]", {"2:No digits after decimal point", "3:Expected value while parsing array"}},
        {"[1e+]", {"2:No digits after exponent", "3:Expected value while parsing array"}},
        {"[tru]", {"3:Expected 'true'", "3:Expected value while parsing array"}},
        {"[fals]", {"3:Expected 'false'", "3:Expected value while parsing array"}},
        {"[nul]", {"3:Expected 'null'", "3:Expected value while parsing array"}},
        {"[x]", {"3:Unrecognised leading character", "3:Expected value while parsing array"}},
        {"{1:2}", {"3:Object key string expected"}},
        {"{\"a\" 1}", {"3:Expected ':' separating key and value"}},
        {"{\"a\":}", {"3:Unrecognised leading character", "3:Object value expected for key: a"}},
        {"{\"a\":1", {"11:End of input while parsing object"}},
        {"[1", {"11:End of input while parsing array"}},
        {"[\"abc", {"5:Unescaped control character '0x0'", "3:Expected value while parsing array"}},
        {"[\"a\tb\"]", {"5:Unescaped control character '0x9'", "3:Expected value while parsing array"}},
        {"[\"\\", {"11:Unexpected EOF while parsing string", "3:Expected value while parsing array"}},
        {"[\"\\x\"]", {"8:Illegal escape sequence '0x78'", "3:Expected value while parsing array"}},
        {"[\"\\u12x4\"]",
         {"6:Missing hex digit in quad", "6:Missing hex quad", "6:Broken unicode character",
          "3:Expected value while parsing array"}},
        {"[\"\\ud83d\"]",
         {"6:Missing low character in surrogate pair", "6:Broken unicode character",
          "3:Expected value while parsing array"}},
        {"[\"\\ud83d\\u0041\"]",
         {"6:Invalid low surrogate char", "6:Broken unicode character", "3:Expected value while parsing array"}},
        {"[\"\\ude00\"]",
         {"6:Invalid high character in surrogate pair", "6:Broken unicode character",
          "3:Expected value while parsing array"}},
        {"{\"k\":\"\\q\"}", {"8:Illegal escape sequence '0x71'", "3:Object value expected for key: k"}},
        {"{\"\\q\":1}", {"8:Illegal escape sequence '0x71'", "3:Object key string expected"}},
        {"[\"\xC3\x28\"]", {"12:Input was 'nil'"}},
    };
    for (const auto& c : cases) EXPECT_EQ(traceOf(c.text), c.trace) << "input: " << c.text;

    // The chain: the last error's underlying error is the one before it.
    auto parser = TinyJsonParser::create();
    parser->objectWithString(std::string_view("[01]"));
    ASSERT_EQ(parser->errorTrace().size(), 2u);
    EXPECT_EQ(parser->errorTrace()[1]->underlyingError(), parser->errorTrace()[0]);
    EXPECT_FALSE(parser->errorTrace()[0]->underlyingError());
    EXPECT_EQ(parser->objectWithString(ns::Value())["x"], ns::Value());
    EXPECT_EQ(parser->errorTrace().back()->localizedDescription(), "Input was 'nil'");
}

TEST(TinyJsonParser, LimitsNestingTo512) {
    const auto nested = [](int levels) { return std::string(levels, '[') + std::string(levels, ']'); };
    EXPECT_FALSE(parse(nested(512)).isNil());
    const auto trace = traceOf(nested(513));
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.front(), "7:Nested too deep");
    EXPECT_FALSE(traceOf(std::string(200000, '[')).empty());
}

TEST(TinyJsonParser, ConvenienceLogsTheTrace) {
    std::vector<std::string> logged;
    auto previous = ns::setLogSink([&](const std::string& text) { logged.push_back(text); });
    EXPECT_TRUE(JSONValue("[1,]").isNil());
    EXPECT_TRUE(JSONValue("{\"a\":[1]}")["a"].isEqual(ns::Value::array({1})));
    ns::setLogSink(previous);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].rfind("-JSONValue failed. Error trace is: ", 0), 0u);
    EXPECT_NE(logged[0].find("Trailing comma disallowed in array"), std::string::npos);
}
