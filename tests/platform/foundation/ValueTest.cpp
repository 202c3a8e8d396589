#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

using ns::Value;

TEST(Value, TextConversionsFollowThePlatform) {
    struct Case {
        const char* text;
        int intValue;
        double doubleValue;
        bool boolValue;
    };
    const Case cases[] = {
        {"12abc", 12, 12.0, true},   {"abc", 0, 0.0, false},      {"  -7", -7, -7.0, true},
        {"3.75", 3, 3.75, true},     {"YES", 0, 0.0, true},       {"true", 0, 0.0, true},
        {"0", 0, 0.0, false},        {"", 0, 0.0, false},         {"99999999999", 2147483647, 99999999999.0, true},
        {"+5e2x", 5, 500.0, true},   {"000", 0, 0.0, false},      {"no", 0, 0.0, false},
    };
    for (const auto& c : cases) {
        Value v(c.text);
        EXPECT_EQ(v.intValue(), c.intValue) << c.text;
        EXPECT_DOUBLE_EQ(v.doubleValue(), c.doubleValue) << c.text;
        EXPECT_EQ(v.boolValue(), c.boolValue) << c.text;
    }
    EXPECT_EQ(Value().intValue(), 0);
    EXPECT_EQ(Value::null().intValue(), 0);
    EXPECT_EQ(Value("9223372036854775808").longLongValue(), INT64_MAX);
}

TEST(Value, NumbersKeepTheirKindAndCompareByValue) {
    EXPECT_EQ(Value(true).kind(), ns::ValueKind::Bool);
    EXPECT_EQ(Value(5).kind(), ns::ValueKind::Integer);
    EXPECT_EQ(Value(5u).kind(), ns::ValueKind::Unsigned);
    EXPECT_EQ(Value(5.5).kind(), ns::ValueKind::Double);
    EXPECT_EQ(Value(true), Value(1));
    EXPECT_EQ(Value(2.0), Value(2));
    EXPECT_NE(Value(-1), Value(UINT64_MAX));
    EXPECT_EQ(Value::decimal("12.50").doubleValue(), 12.5);
    EXPECT_NE(Value("1"), Value(1));
    EXPECT_EQ(Value(0.1).stringValue(), "0.1");
    EXPECT_EQ(Value(3.0).stringValue(), "3");
}

TEST(Value, DictionariesKeepInsertionOrderAndCopyOnWrite) {
    Value d = Value::dictionary({{"z", 1}, {"a", "x"}, {"m", Value::array({1, 2})}});
    EXPECT_EQ(d.asDictionary().keys(), (std::vector<std::string>{"z", "a", "m"}));
    Value copy = d;
    copy.mutableDictionary().set("z", 9);
    copy.mutableDictionary().set("new", true);
    EXPECT_EQ(d["z"].intValue(), 1);
    EXPECT_EQ(copy["z"].intValue(), 9);
    EXPECT_EQ(copy.asDictionary().keys().back(), "new");
    EXPECT_TRUE(d["missing"].isNil());
    EXPECT_TRUE(d["m"][5].isNil());
    EXPECT_EQ(d["m"][1].intValue(), 2);
    // Setting nil removes.
    copy.mutableDictionary().set("a", Value());
    EXPECT_FALSE(copy.asDictionary().contains("a"));
}

TEST(Value, LargeDictionariesStayConsistentThroughRemovals) {
    ns::Dictionary d;
    for (int i = 0; i < 200; ++i) d.set("k" + std::to_string(i), i);
    ns::Dictionary copy = d;
    for (int i = 0; i < 200; i += 3) d.remove("k" + std::to_string(i));
    d.set("k1", -1);
    for (int i = 0; i < 200; ++i) {
        const Value& v = d["k" + std::to_string(i)];
        if (i % 3 == 0) EXPECT_TRUE(v.isNil()) << i;
        else EXPECT_EQ(v.intValue(), i == 1 ? -1 : i) << i;
        EXPECT_EQ(copy["k" + std::to_string(i)].intValue(), i);
    }
}

namespace {
struct Marker : ns::Object {
    std::string className() const override { return "Marker"; }
};
}  // namespace

TEST(Value, EveryKindSurvivesCopiesMovesAndAssignmentsAcrossKinds) {
    const std::vector<Value> samples = {
        Value(),
        Value::null(),
        Value(true),
        Value(-3),
        Value(UINT64_MAX),
        Value(2.5),
        Value::decimal("0.10"),
        Value("short"),
        Value(std::string(100, 'x')),
        Value(ns::Data({1, 2, 3})),
        Value(ns::Date::withTimeIntervalSince1970(1000)),
        Value::array({1, "two", Value::array({3})}),
        Value::dictionary({{"k", Value::dictionary({{"deep", "v"}})}}),
        Value(std::make_shared<Marker>()),
    };
    for (const Value& a : samples) {
        Value copy = a;
        EXPECT_EQ(copy.kind(), a.kind()) << a.description();
        EXPECT_TRUE(copy.isEqual(a)) << a.description();
        Value moved = std::move(copy);
        EXPECT_TRUE(moved.isEqual(a)) << a.description();
        // Assignments over every other kind, by copy and by move.
        for (const Value& b : samples) {
            Value target = b;
            target = a;
            EXPECT_TRUE(target.isEqual(a)) << b.description() << " <- " << a.description();
            Value source = a;
            target = b;
            target = std::move(source);
            EXPECT_TRUE(target.isEqual(a)) << b.description() << " <- " << a.description();
        }
    }
}

TEST(Value, AValueTakesAPartOfItselfWithoutReadingFreedMemory) {
    Value v = Value::dictionary({{"data", Value::dictionary({{"list", Value::array({"first", 2})}})}});
    v = v["data"];  // a copy of a member of the dictionary it replaces
    EXPECT_EQ(v["list"][0].asString(), "first");
    v = std::move(*v.mutableDictionary().find("list"));  // a move out of the dictionary it replaces
    ASSERT_TRUE(v.isArray());
    EXPECT_EQ(v[1].intValue(), 2);
    v = std::move(v.mutableArray()[0]);
    EXPECT_EQ(v.asString(), "first");
}

TEST(Value, DescriptionMatchesThePlatform) {
    Value d = Value::dictionary({{"name", "a b"}, {"n", 3}, {"list", Value::array({"x", Value::null()})}});
    EXPECT_EQ(d.description(), "{\n    name = \"a b\";\n    n = 3;\n    list = (\n        x,\n        <null>\n    );\n}");
    EXPECT_EQ(Value(ns::Data({0x0a, 0x1b, 0x2c, 0x3d, 0x4e})).description(), "<0a1b2c3d 4e>");
    EXPECT_EQ(Value().description(), "(null)");
}

TEST(Error, CarriesDomainCodeAndDescription) {
    auto underlying = ns::Error::create(ns::kPOSIXErrorDomain, 2);
    ns::Dictionary info{{ns::kUnderlyingErrorKey, underlying}};
    auto e = ns::Error::create(ns::kURLErrorDomain, ns::kURLErrorTimedOut, info);
    EXPECT_EQ(e->code(), -1001);
    EXPECT_EQ(e->underlyingError(), underlying);
    EXPECT_EQ(e->localizedDescription(), "The operation couldn\u2019t be completed. (NSURLErrorDomain error -1001.)");
    EXPECT_EQ(ns::Error::withDescription("D", 1, "boom")->localizedDescription(), "boom");
}
