// The JetJson encoder: value -> text tables, options, exact errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "net/json/JSONDecoder.h"
#include "net/json/JTMutableArray.h"
#include "net/json/JTMutableDictionary.h"
#include "net/json/JTSerializer.h"
#include "net/json/JetJsonDeserializing.h"
#include "net/json/JetJsonSerializing.h"
#include "platform/foundation/Date.h"

namespace {

std::string failureOf(const ns::Value& object, unsigned options = 0) {
    ns::ErrorPtr error;
    const ns::Value v = JSONStringWithOptions(object, options, &error);
    if (!v.isNil()) return "<encoded " + v.asString() + ">";
    if (!error) return "<no error>";
    EXPECT_EQ(error->domain(), "JTErrorDomain");
    EXPECT_EQ(error->code(), -1);
    EXPECT_EQ(error->userInfo().count(), 1u);
    return error->localizedDescription();
}

}  // namespace

TEST(JetJsonEncoder, WritesValues) {
    struct Case {
        ns::Value object;
        unsigned options;
        std::string text;
    };
    const Case cases[] = {
        {ns::Value(ns::Dictionary{}), 0, "{}"},
        {ns::Value(ns::Array{}), 0, "[]"},
        {ns::Value(ns::Array{}), kJTSerializeOptionPretty, "[\n  \n]"},
        {ns::Value::dictionary({{"a", 1}}), kJTSerializeOptionPretty, "{\n  \"a\": 1\n}"},
        {ns::Value::dictionary({{"b", ns::Value::array({1, 2})}, {"a", true}}), 0, "{\"b\":[1,2],\"a\":true}"},
        {ns::Value::dictionary({{"b", ns::Value::array({1, 2})}}), kJTSerializeOptionPretty,
         "{\n  \"b\": [\n    1,\n    2\n  ]\n}"},
        {ns::Value::array({"a/b\"c\nd\\e\b\f\r\t\x01\x1f"}), 0, "[\"a/b\\\"c\\nd\\\\e\\b\\f\\r\\t\\u0001\\u001f\"]"},
        {ns::Value::array({"\xC3\xA9\xF0\x9F\x98\x80"}), 0, "[\"\xC3\xA9\xF0\x9F\x98\x80\"]"},
        {ns::Value::array({"\xC3\xA9\xF0\x9F\x98\x80"}), kJTSerializeOptionEscapeUnicode, "[\"\\u00e9\\ud83d\\ude00\"]"},
        {ns::Value::array({0.1, 1.0, -0.0, 1e300}), 0, "[0.10000000000000001,1,-0,1.0000000000000001e+300]"},
        {ns::Value::array({INT64_MIN, INT64_MAX, UINT64_MAX, false, ns::Value::null()}), 0,
         "[-9223372036854775808,9223372036854775807,18446744073709551615,false,null]"},
        {ns::Value::array({ns::Value::decimal("2.5")}), 0, "[2.5]"},
    };
    for (const auto& c : cases) {
        ns::ErrorPtr error;
        const ns::Value v = JSONStringWithOptions(c.object, c.options, &error);
        EXPECT_EQ(v.asString(), c.text) << (error ? error->localizedDescription() : "");
    }
    EXPECT_EQ(JSONString(ns::Value("q\"")).asString(), "\"q\\\"\"");
    EXPECT_EQ(JSONStringWithOptionsIncludeQuotes(ns::Value("q\""), 0, false).asString(), "q\\\"");
    const ns::Value data = JSONData(ns::Value::array({1}));
    ASSERT_TRUE(data.isData());
    EXPECT_EQ(data.asData().toString(), "[1]");
}

TEST(JetJsonEncoder, FailsWithTheExactMessage) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(failureOf(ns::Value::array({inf})),
              "Floating point values must be finite.  JSON does not support NaN or Infinity.");
    EXPECT_EQ(failureOf(ns::Value::array({std::nan("")})),
              "Floating point values must be finite.  JSON does not support NaN or Infinity.");
    EXPECT_EQ(failureOf(ns::Value::array({ns::Value(ns::Date::withTimeIntervalSince1970(0))})), "Unable to serialize object class NSDate.");
    EXPECT_EQ(failureOf(ns::Value(5)), "Unable to serialize object class NSNumber, expected a NSArray or NSDictionary.");
    EXPECT_EQ(failureOf(ns::Value::array({"bad \xC3"})),
              "An error occurred converting the contents of a NSString to UTF8.");
    EXPECT_EQ(failureOf(ns::Value::array({"\xEF\xBF\xBE"}), kJTSerializeOptionEscapeUnicode), "Error converting UTF8.");
    ns::ErrorPtr error;
    EXPECT_TRUE(JTSerializer::serializeObject(ns::Value(3), 0, kJTEncodeOptionAsString | kJTEncodeOptionStringObj, &error)
                    .isNil());
    EXPECT_EQ(error->localizedDescription(), "Unable to serialize object class NSNumber, expected a NSString.");
    EXPECT_TRUE(JTSerializer::serializeObject(ns::Value::array({1}), 0, 3, &error).isNil());
    EXPECT_EQ(error->localizedDescription(), "Unknown encode as type.");

    // A dictionary with a number as key.
    auto dict = mutableObjectFromJSONString("{}").as<JTMutableDictionary>();
    dict->setObject(ns::Value("v"), ns::Value(1));
    EXPECT_EQ(failureOf(ns::Value(dict)), "Key must be a string object.");
}

TEST(JetJsonEncoder, WritesNulAndNonCharactersItsDecoderRefuses) {
    // Kept on purpose: the encoder follows its own contract, which is more
    // lenient than the decoder's. Should that change, this test says so.
    for (const auto& [value, text] : {std::pair<std::string, std::string>{std::string("a\0b", 3), "[\"a\\u0000b\"]"},
                                      {"\xEF\xBF\xBF", "[\"\xEF\xBF\xBF\"]"}}) {
        const ns::Value written = JSONString(ns::Value::array({value}));
        EXPECT_EQ(written.asString(), text);
        EXPECT_TRUE(objectFromJSONString(written.asString()).isNil());
    }
}

TEST(JetJsonEncoder, LimitsNestingDepthCleanly) {
    ns::Value deep = ns::Value::array({1});
    for (std::size_t i = 1; i < JTSerializer::kMaxDepth; ++i) deep = ns::Value(ns::Array{deep});
    EXPECT_FALSE(JSONString(deep).isNil());
    EXPECT_EQ(failureOf(ns::Value(ns::Array{deep})), JTSerializer::kNestingMessage);

    // A mutable array holding itself would recurse forever.
    auto loop = mutableObjectFromJSONString("[]").as<JTMutableArray>();
    loop->insertObject(ns::Value(loop), 0);
    EXPECT_EQ(failureOf(ns::Value(loop)), JTSerializer::kNestingMessage);
    loop->removeObjectAtIndex(0);  // break the cycle so the array is freed
}

TEST(JetJsonEncoder, DoublesMatchPrintfSeventeenDigitsExactly) {
    // The encoder formats doubles itself; its text must be printf's "%.17g"
    // byte for byte: round half to even, carries into the next power of
    // ten, both notations and their boundaries, and the slow road for
    // subnormals and huge values.
    std::vector<double> values = {0.0, -0.0, 0.1, 1.5, 87.5, 1e16, 1e17, 123456789012345678.0, 9007199254740993.0,
                                  1e-5, 1e-4, 0.00012345, 1e-6, 9.9999999999999995e-07, 1e23, 1e24, 5e-324,
                                  std::numeric_limits<double>::max(), std::numeric_limits<double>::min()};
    for (int i = -1074; i <= 1023; i += 7) values.push_back(std::ldexp(1.0, i));
    for (int i = -320; i <= 308; ++i) {
        const double p = std::pow(10.0, i);
        values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, 2 * p), 2.5 * p});
    }
    std::uint64_t state = 88172645463325252ULL;  // xorshift: every bit pattern is a candidate
    for (int i = 0; i < 200000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        double d;
        std::memcpy(&d, &state, sizeof d);
        if (std::isfinite(d)) values.push_back(d);
        values.push_back(static_cast<double>(static_cast<std::int64_t>(state % 2000000000) - 1000000000) / 1024.0);
        values.push_back(static_cast<double>(state % 100000000) / 1000.0);
    }
    for (double d : values) {
        if (!std::isfinite(d)) continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.17g", d);
        const ns::Value text = JSONString(ns::Value::array({d}));
        ASSERT_EQ(text.asString(), "[" + std::string(expected) + "]") << "bits of " << expected;
    }
}
