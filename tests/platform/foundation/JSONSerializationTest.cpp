#include "platform/foundation/JSONSerialization.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "platform/foundation/CocoaError.h"

namespace {

ns::Value parse(const std::string& text, unsigned options = 0, ns::ErrorPtr* error = nullptr) {
    return ns::JSONSerialization::JSONObjectWithData(ns::Data::fromString(text), options, error);
}

std::string write(const ns::Value& v, unsigned options = 0) {
    auto data = ns::JSONSerialization::dataWithJSONObject(v, options);
    return data ? data->toString() : "<nil>";
}

}  // namespace

TEST(JSONSerialization, NumbersKeepTheirKindAndObjectsTheirOrder) {
    ns::Value v = parse(R"({"z":1,"a":-2,"big":18446744073709551615,"f":1.5,"e":1e3,"t":true,"n":null,"s":"\u00e9\/x","z":3})");
    ASSERT_TRUE(v.isDictionary());
    EXPECT_EQ(v.asDictionary().keys(), (std::vector<std::string>{"z", "a", "big", "f", "e", "t", "n", "s"}));
    EXPECT_EQ(v["z"].kind(), ns::ValueKind::Integer);
    EXPECT_EQ(v["z"].intValue(), 3);  // a repeated key: the last value, the first position
    EXPECT_EQ(v["a"].kind(), ns::ValueKind::Integer);
    EXPECT_EQ(v["big"].kind(), ns::ValueKind::Unsigned);
    EXPECT_EQ(v["big"].unsignedLongLongValue(), 18446744073709551615ull);
    EXPECT_EQ(v["f"].kind(), ns::ValueKind::Double);
    EXPECT_EQ(v["e"].kind(), ns::ValueKind::Double);
    EXPECT_EQ(v["t"].kind(), ns::ValueKind::Bool);
    EXPECT_TRUE(v["n"].isNull());
    EXPECT_EQ(v["s"].asString(), "\xC3\xA9/x");
}

TEST(JSONSerialization, NumbersAtTheEdgesKeepSignAndDigits) {
    ns::Value v = parse(R"([-0,0,-0.0,123456789012345678901234567890,-9223372036854775809,-9223372036854775808])");
    ASSERT_TRUE(v.isArray());
    EXPECT_EQ(v[0].kind(), ns::ValueKind::Double);
    EXPECT_TRUE(std::signbit(v[0].doubleValue()));
    EXPECT_EQ(v[1].kind(), ns::ValueKind::Integer);
    EXPECT_TRUE(std::signbit(v[2].doubleValue()));
    EXPECT_EQ(v[3].kind(), ns::ValueKind::Decimal);
    EXPECT_EQ(v[3].decimalText(), "123456789012345678901234567890");
    EXPECT_EQ(v[4].decimalText(), "-9223372036854775809");
    EXPECT_EQ(v[5].kind(), ns::ValueKind::Integer);
    EXPECT_EQ(v[5].longLongValue(), INT64_MIN);
    // The digits survive a write and a second read.
    EXPECT_EQ(write(ns::Value::array({v[3]})), "[123456789012345678901234567890]");
}

TEST(JSONSerialization, WritesThePlatformsText) {
    ns::Value v = ns::Value::dictionary({{"b", "a/b\"\n"}, {"a", ns::Value::array({1, 2.5, true, ns::Value::null()})}});
    EXPECT_EQ(write(v), R"({"b":"a\/b\"\n","a":[1,2.5,true,null]})");
    EXPECT_EQ(write(v, ns::kJSONWritingSortedKeys | ns::kJSONWritingWithoutEscapingSlashes),
              R"({"a":[1,2.5,true,null],"b":"a/b\"\n"})");
    EXPECT_EQ(write(ns::Value::dictionary({{"k", ns::Value::array({1})}}), ns::kJSONWritingPrettyPrinted),
              "{\n  \"k\" : [\n    1\n  ]\n}");
    // Round trip keeps everything.
    EXPECT_EQ(parse(write(v)), v);
}

TEST(JSONSerialization, RefusesWhatIsNotJSON) {
    struct Case {
        const char* text;
        unsigned options;
    };
    for (const Case& c : std::vector<Case>{{"", 0}, {"{", 0}, {"[1,]", 0}, {"{\"a\":1}x", 0}, {"\"frag\"", 0},
                                           {"12", 0}, {"[\"\xff\"]", 0}, {"{'a':1}", 0}, {"[1e999]", 0}}) {
        ns::ErrorPtr error;
        EXPECT_TRUE(parse(c.text, c.options, &error).isNil()) << c.text;
        ASSERT_TRUE(error) << c.text;
        EXPECT_EQ(error->domain(), ns::kCocoaErrorDomain);
        EXPECT_EQ(error->code(), ns::kPropertyListReadCorruptError) << c.text;
    }
    // A NUL byte ends nothing: the document with what follows it is refused.
    using namespace std::string_literals;
    for (const std::string& text : {"[1]\0garbage"s, "{\"a\":1}\0{\"b\":2}"s, "[1]\0"s, "[\"a\0b\"]"s}) {
        ns::ErrorPtr error;
        EXPECT_TRUE(parse(text, 0, &error).isNil()) << text.size();
        EXPECT_TRUE(error) << text.size();
    }
    EXPECT_EQ(parse("\"frag\"", ns::kJSONReadingFragmentsAllowed).asString(), "frag");
    EXPECT_EQ(parse("12", ns::kJSONReadingFragmentsAllowed).intValue(), 12);

    EXPECT_FALSE(ns::JSONSerialization::isValidJSONObject("text"));
    EXPECT_TRUE(ns::JSONSerialization::isValidJSONObject("text", ns::kJSONWritingFragmentsAllowed));
    EXPECT_FALSE(ns::JSONSerialization::isValidJSONObject(ns::Value::array({ns::Data{1}})));
    EXPECT_FALSE(ns::JSONSerialization::isValidJSONObject(ns::Value::array({ns::Date()})));
    EXPECT_FALSE(ns::JSONSerialization::isValidJSONObject(ns::Value::array({std::numeric_limits<double>::infinity()})));
    ns::ErrorPtr error;
    EXPECT_FALSE(ns::JSONSerialization::dataWithJSONObject(ns::Value::array({ns::Data{1}}), 0, &error));
    EXPECT_EQ(error->code(), ns::kPropertyListReadCorruptError);
}

TEST(JSONSerialization, NeverWritesTextItsReaderRefuses) {
    // A stray continuation byte, a cut sequence, an encoded surrogate: as a
    // value or as a key, the write fails instead of making unreadable text.
    for (const std::string bad : {"a\x80", "\xC3\xA9\xE2\x82", "x\xED\xA0\x80"}) {
        SCOPED_TRACE(bad);
        for (const ns::Value& value : {ns::Value::array({bad}), ns::Value::dictionary({{bad, 1}})}) {
            ns::ErrorPtr error;
            EXPECT_FALSE(ns::JSONSerialization::dataWithJSONObject(value, 0, &error));
            ASSERT_TRUE(error);
            EXPECT_EQ(error->code(), ns::kPropertyListReadCorruptError);
        }
    }
    const ns::Value good = ns::Value::dictionary({{"\xC3\xA9", ns::Value::array({"\xF4\x8F\xBF\xBF", std::string("\0", 1)})}});
    EXPECT_EQ(parse(write(good)), good);
}

TEST(JSONSerialization, NestingIsLimited) {
    const int limit = ns::JSONSerialization::kMaxDepth;
    std::string ok = std::string(limit, '[') + std::string(limit, ']');
    EXPECT_TRUE(parse(ok).isArray());
    std::string deep = std::string(limit + 1, '[') + std::string(limit + 1, ']');
    ns::ErrorPtr error;
    EXPECT_TRUE(parse(deep, 0, &error).isNil());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), ns::kPropertyListReadCorruptError);
    // Hostile depth far beyond the limit fails just as cleanly.
    EXPECT_TRUE(parse(std::string(1000000, '[')).isNil());

    ns::Value nested = ns::Value::array({});
    for (int i = 1; i < limit + 1; ++i) nested = ns::Value::array({nested});
    EXPECT_FALSE(ns::JSONSerialization::isValidJSONObject(nested));
}
