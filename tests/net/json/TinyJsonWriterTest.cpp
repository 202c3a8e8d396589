// The TinyJson writer: value -> text tables and the error trace.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "net/json/JetJsonDeserializing.h"
#include "net/json/JTMutableDictionary.h"
#include "net/json/TinyJson.h"
#include "net/json/TinyJsonWriter.h"
#include "platform/foundation/Date.h"

namespace {

std::vector<std::string> traceOf(const ns::Value& value) {
    auto writer = TinyJsonWriter::create();
    EXPECT_TRUE(writer->stringWithObject(value).isNil());
    std::vector<std::string> out;
    for (const auto& e : writer->errorTrace()) out.push_back(std::to_string(e->code()) + ":" + e->localizedDescription());
    return out;
}

}  // namespace

TEST(TinyJsonWriter, WritesValues) {
    struct Case {
        ns::Value value;
        bool sorted, readable;
        std::string text;
    };
    const Case cases[] = {
        {ns::Value::dictionary({{"k", "a/b\n"}}), false, false, "{\"k\":\"a/b\\n\"}"},
        {ns::Value::dictionary({{"b", 1}, {"a", 2}}), false, false, "{\"b\":1,\"a\":2}"},
        {ns::Value::dictionary({{"b", 1}, {"a", 2}}), true, false, "{\"a\":2,\"b\":1}"},
        {ns::Value::dictionary({{"a", ns::Value::array({1, 2})}}), false, true, "{\n  \"a\" : [\n    1,\n    2\n  ]\n}"},
        {ns::Value(ns::Array{}), false, true, "[]"},
        {ns::Value::array({true, false, ns::Value::null(), 0.5, -3, UINT64_MAX, ns::Value::decimal("1.10")}), false,
         false, "[true,false,null,0.5,-3,18446744073709551615,1.10]"},
        {ns::Value::array({"\"\\\b\f\n\r\t\x01\xC3\xA9"}), false, false, "[\"\\\"\\\\\\b\\f\\n\\r\\t\\u0001\xC3\xA9\"]"},
    };
    for (const auto& c : cases) {
        auto writer = TinyJsonWriter::create();
        writer->setSortKeys(c.sorted);
        writer->setHumanReadable(c.readable);
        EXPECT_EQ(writer->stringWithObject(c.value).asString(), c.text);
    }
}

TEST(TinyJsonWriter, WritesDoublesAsTheShortestPlatformText) {
    // The shortest text that reads back (the platform's own formatting),
    // except that whole numbers of more than 15 digits take exponent form.
    auto expected = [](double d) {
        std::string text = ns::formatDouble(d);
        if (text.find_first_of(".eE") == std::string::npos && text.size() > 16) {
            char buf[40];
            text.assign(buf, std::to_chars(buf, buf + sizeof buf, d, std::chars_format::scientific).ptr);
        }
        return text;
    };
    std::vector<double> values = {0.0, -0.0, 0.5, -3.0, 1e14, 999999999999999.0, 1e15, -1e15, 1234567890123456.0,
                                  12345678901234567.0, 1e16, 1e22, 1e-7, 0.1, -2.5e-300, 1.7976931348623157e308};
    std::uint64_t state = 88172645463325252ULL;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        double d;
        std::memcpy(&d, &state, sizeof d);
        if (std::isfinite(d)) values.push_back(d);
        values.push_back(static_cast<double>(static_cast<std::int64_t>(state >> (state % 64))));
        values.push_back(static_cast<double>(state % 100000) / 8.0);
    }
    for (double d : values) {
        const ns::Value text = TinyJsonWriter::create()->stringWithObject(ns::Value::array({d}));
        ASSERT_EQ(text.asString(), "[" + expected(d) + "]");
    }
}

TEST(TinyJsonWriter, FailsWithTheChainedTrace) {
    EXPECT_EQ(traceOf(ns::Value("text")), (std::vector<std::string>{"4:Not valid type for JSON"}));
    EXPECT_EQ(traceOf(ns::Value::array({std::nan("")})),
              (std::vector<std::string>{"1:NaN is not a valid number in JSON", "4:Not valid type for JSON"}));
    EXPECT_EQ(traceOf(ns::Value::array({-HUGE_VAL})),
              (std::vector<std::string>{"1:Infinity is not a valid number in JSON", "4:Not valid type for JSON"}));
    EXPECT_EQ(traceOf(ns::Value::dictionary({{"d", ns::Value(ns::Date::withTimeIntervalSince1970(0))}})),
              (std::vector<std::string>{"1:JSON serialisation not supported for NSDate",
                                        "1:Unsupported value for key d in object", "4:Not valid type for JSON"}));
    auto numberKey = mutableObjectFromJSONString("{}").as<JTMutableDictionary>();
    numberKey->setObject(ns::Value("v"), ns::Value(1));
    EXPECT_EQ(traceOf(ns::Value(numberKey)),
              (std::vector<std::string>{"1:JSON object key must be string", "4:Not valid type for JSON"}));

    ns::Value deep = ns::Value(ns::Array{});
    for (int i = 0; i < 512; ++i) deep = ns::Value(ns::Array{deep});
    EXPECT_EQ(traceOf(deep).front(), "7:Nested too deep");
    EXPECT_TRUE(JSONRepresentation(ns::Value::dictionary({{"a", 1}})).isEqual(ns::Value("{\"a\":1}")));
}

TEST(TinyJsonWriter, NeverWritesTextItsParserRefuses) {
    const std::string notUtf8 = "1:JSON serialisation not supported for text that is not UTF-8";
    // A stray continuation byte, a cut sequence, an overlong form, an encoded
    // surrogate and a code point beyond U+10FFFF, each after valid text.
    for (const std::string bad : {"a\x80", "\xC3\xA9\xE2\x82", "\xC0\xAF", "x\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(traceOf(ns::Value::array({bad})), (std::vector<std::string>{notUtf8, "4:Not valid type for JSON"}));
        EXPECT_EQ(traceOf(ns::Value::dictionary({{bad, 1}})), (std::vector<std::string>{notUtf8, "4:Not valid type for JSON"}));
    }
    // Everything well-formed, up to the last code point, reads back unchanged.
    const ns::Value good = ns::Value::dictionary({{"\xC3\xA9", ns::Value::array({"\xF4\x8F\xBF\xBF\xEF\xBF\xBF", "\xE2\x82\xAC\"\x01"})}});
    const ns::Value text = TinyJsonWriter::create()->stringWithObject(good);
    ASSERT_TRUE(text.isString());
    EXPECT_EQ(JSONValue(text.asString()), good);
}
