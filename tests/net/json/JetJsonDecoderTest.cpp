// The JetJson decoder: text -> value tables, exact error tables (texts,
// byte index, line number), options, the object cache and the collection
// forms.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "net/json/JSONDecoder.h"
#include "net/json/JTException.h"
#include "net/json/JTMutableArray.h"
#include "net/json/JTMutableDictionary.h"
#include "net/json/JetJsonDeserializing.h"

namespace {

ns::Value decode(const std::string& text, unsigned options = 0, ns::ErrorPtr* error = nullptr) {
    return JSONDecoder::decoderWithParseOptions(options)->objectWithUTF8String(text.data(), text.size(), error);
}

std::string messageOf(const std::string& text, unsigned options = 0) {
    ns::ErrorPtr error;
    const ns::Value v = decode(text, options, &error);
    if (!v.isNil()) return "<decoded>";
    if (!error) return "<no error>";
    EXPECT_EQ(error->domain(), "JTErrorDomain");
    EXPECT_EQ(error->code(), -1);
    return error->localizedDescription();
}

const std::string kUnexpectedToken =
    "Unexpected token, wanted '{', '}', '[', ']', ',', ':', 'true', 'false', 'null', '\"STRING\"', 'NUMBER'.";

}  // namespace

TEST(JetJsonDecoder, DecodesValuesOfEveryKind) {
    struct Case {
        std::string text;
        ns::Value expected;
    };
    const Case cases[] = {
        {"[]", ns::Value(ns::Array{})},
        {"{}", ns::Value(ns::Dictionary{})},
        {"[true,false,null]", ns::Value::array({true, false, ns::Value::null()})},
        {"{\"a\":1,\"a\":2}", ns::Value::dictionary({{"a", 2}})},
        {"[1,-1,0,9223372036854775807,-9223372036854775808]",
         ns::Value::array({1, -1, 0, INT64_MAX, INT64_MIN})},
        {"[18446744073709551615]", ns::Value::array({UINT64_MAX})},
        {"[1.5,-2e3,1E-2]", ns::Value::array({1.5, -2000.0, 0.01})},
        {"[\"\",\"a\\\"b\\\\c\\/d\\b\\f\\n\\r\\t\"]", ns::Value::array({"", "a\"b\\c/d\b\f\n\r\t"})},
        {"[\"\\u00e9\\u4E2D\\ud83d\\ude00\"]", ns::Value::array({"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"})},
        {"[\"\\uD83D\\uDFFF\"]", ns::Value::array({"\xF0\x9F\x9F\xBF"})},
        {"[\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\"]", ns::Value::array({"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"})},
        {" \r\n\t{ \"k\" : [ { } , [ ] ] } \n", ns::Value::dictionary({{"k", ns::Value::array({ns::Value(ns::Dictionary{}), ns::Value(ns::Array{})})}})},
    };
    for (const auto& c : cases) {
        ns::ErrorPtr error;
        const ns::Value v = decode(c.text, 0, &error);
        EXPECT_TRUE(v.isEqual(c.expected)) << c.text << " gave " << v.description()
                                           << (error ? " / " + error->localizedDescription() : "");
    }
}

TEST(JetJsonDecoder, KeepsNumberKinds) {
    const ns::Value v = decode("[1,-1,9223372036854775808,-0,2.0]");
    EXPECT_EQ(v[0].kind(), ns::ValueKind::Integer);
    EXPECT_EQ(v[1].kind(), ns::ValueKind::Integer);
    EXPECT_EQ(v[2].kind(), ns::ValueKind::Unsigned);
    EXPECT_EQ(v[2].unsignedLongLongValue(), 9223372036854775808ULL);
    ASSERT_EQ(v[3].kind(), ns::ValueKind::Double);
    EXPECT_TRUE(std::signbit(v[3].doubleValue()));
    EXPECT_EQ(v[4].kind(), ns::ValueKind::Double);
    // A repeated key keeps its first position and takes the last value.
    const ns::Value d = decode("{\"a\":1,\"b\":2,\"a\":3}");
    ASSERT_EQ(d.asDictionary().keys(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(d["a"].intValue(), 3);
}

TEST(JetJsonDecoder, FailsWithTheExactMessage) {
    struct Case {
        std::string text;
        std::string message;
        unsigned options = 0;
    };
    const Case cases[] = {
        {"", "Reached the end of the buffer."},
        {"   ", kUnexpectedToken},
        {"1 ", "Expected either '[' or '{'."},
        {"1", "Invalid number."},
        {"\"s\" ", "Expected either '[' or '{'."},
        {"true ", "Expected either '[' or '{'."},
        {"[] x", "A valid JSON object was parsed but there were additional non-white-space characters remaining."},
        {"[1,]", "Unexpected ']'."},
        {"[,1]", "Unexpected ','."},
        {"[1 2]", "Unexpected value."},
        {"{\"a\" 1}", "Expected ':'."},
        {"{1:2}", "Expected a \"STRING\" or a '}', not '1'"},
        {"{\"a\":1 2}", "Expected a comma or a '}', not '2'"},
        {"{\"a\":1,2}", "Expected a \"STRING\", not '2'"},
        {"{\"a\":1,}", "Unexpected '}'."},
        {"{\"a\":1 \"b\":2}", "Unexpected string."},
        {"{\"a\":}", "Expected a value, not '}'"},
        {"[1}", "Expected a comma or a ']', not '}'"},
        {"[:]", "Expected a value or a ']', not ':'"},
        {"[01]", "Unexpected value."},
        {"[-]", "Invalid number."},
        {"[1.]", "Invalid number."},
        {"[1e]", "Invalid number."},
        {"[1", "Invalid number."},
        {"[1,", "Reached the end of the buffer."},
        {"{\"a\":[", "Reached the end of the buffer."},
        {"[1, ", kUnexpectedToken},
        {"[true", kUnexpectedToken},
        {"[TRUE]", kUnexpectedToken},
        {"[18446744073709551616]",
         "The value '18446744073709551616' exceeded the maximum value that could be represented: 18446744073709551615."},
        {"[-9223372036854775809]",
         "The value '-9223372036854775809' exceeded the minimum value that could be represented: "
         "-9223372036854775808."},
        {"[1e400]", "The value '1e400' could not be represented as a 'double' due to overflow."},
        {"[1e-400]", "The value '1e-400' could not be represented as a 'double' due to underflow."},
        {"[\"abc", "Invalid string."},
        {"[\"a\tb\"]", "Invalid character < 0x20 found in string: 0x09."},
        {"[\"\\x\"]", "Invalid escape sequence found in \"\" string."},
        {"[\"\\u12G4\"]", "Unexpected character found in \\u Unicode escape sequence.  Found 'G', expected [0-9a-fA-F]."},
        {"[\"\\u0000\"]", "Illegal \\u Unicode escape sequence."},
        {"[\"\\ufdd0\"]", "Illegal \\u Unicode escape sequence."},
        {"[\"\\uffff\"]", "Illegal \\u Unicode escape sequence."},
        {"[\"\\udc00\"]", "Illegal \\u Unicode escape sequence."},
        {"[\"\\ud83d\\u0041\"]", "Illegal \\u Unicode escape sequence."},
        {"[\"\\ud83d\"]",
         "Required a second \\u Unicode escape sequence following a surrogate \\u Unicode escape sequence."},
        {"[\"\xC3\x28\"]", "Illegal UTF8 sequence found in \"\" string."},
        {"[\"\xC0\xAF\"]", "Illegal UTF8 sequence found in \"\" string."},
        {"[\"\xED\xA0\x80\"]", "Illegal UTF8 sequence found in \"\" string."},
        {"[\"\xEF\xBF\xBE\"]", "Illegal UTF8 sequence found in \"\" string."},
        {"[\"\xF4\x90\x80\x80\"]", "Illegal UTF8 sequence found in \"\" string."},
        {"[\"\xE4\xB8", "End of buffer reached while parsing UTF8 in \"\" string."},
        {"[1]/**/", "A valid JSON object was parsed but there were additional non-white-space characters remaining."},
        {"[1 /* c */ ,2]", kUnexpectedToken},
        {"[\f1]", kUnexpectedToken},
    };
    for (const auto& c : cases) EXPECT_EQ(messageOf(c.text, c.options), c.message) << "input: " << c.text;
}

TEST(JetJsonDecoder, ReportsByteIndexAndLine) {
    ns::ErrorPtr error;
    EXPECT_TRUE(decode("[1,\n2,\r\n  x]", 0, &error).isNil());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->userInfo()["JTLineNumberKey"].intValue(), 3);
    EXPECT_EQ(error->userInfo()["JTAtIndexKey"].intValue(), 10);
    EXPECT_EQ(error->localizedDescription(), kUnexpectedToken);
    // CR LF counts once; a lone CR counts too.
    EXPECT_TRUE(decode("[\r\r\n\n1,]", 0, &error).isNil());
    EXPECT_EQ(error->userInfo()["JTLineNumberKey"].intValue(), 4);
    EXPECT_EQ(error->userInfo()["JTAtIndexKey"].intValue(), 7);
}

TEST(JetJsonDecoder, HonoursParseOptions) {
    const std::string commented = "[1 /* block\n */ ,2] // done\n";
    EXPECT_TRUE(decode(commented, kJTParseOptionComments).isEqual(ns::Value::array({1, 2})));
    EXPECT_TRUE(decode(commented).isNil());

    const std::string unicodeLines = "[1,\xE2\x80\xA8\xE2\x80\xA9\xC2\x85 x]";
    ns::ErrorPtr error;
    EXPECT_TRUE(decode(unicodeLines, kJTParseOptionUnicodeNewlines, &error).isNil());
    EXPECT_EQ(error->userInfo()["JTLineNumberKey"].intValue(), 4);
    EXPECT_EQ(messageOf(unicodeLines), kUnexpectedToken);

    EXPECT_TRUE(decode("[1] trailing", kJTParseOptionPermitTextAfterValidJSON).isEqual(ns::Value::array({1})));

    // Loose Unicode: each bad piece becomes U+FFFD.
    const std::string fffd = "\xEF\xBF\xBD";
    struct Case {
        std::string text, expected;
    };
    const Case loose[] = {
        {"[\"\\u0000\"]", fffd},
        {"[\"a\\ud83d\\u0041b\"]", "a" + fffd + "b"},
        {"[\"\\ud83dxy\"]", fffd + "xy"},
        {"[\"\\ud83d\\n\"]", fffd + "\n"},
        {"[\"a\xC3\x28z\"]", "a" + fffd + "(z"},
        {"[\"\xE4\xB8\x41\"]", fffd + "A"},
        {"[\"ok\xFF\"]", "ok" + fffd},
    };
    for (const auto& c : loose) {
        const ns::Value v = decode(c.text, kJTParseOptionLooseUnicode, &error);
        EXPECT_EQ(v[0].asString(), c.expected) << c.text << (error ? error->localizedDescription() : "");
    }

    EXPECT_THROW(JSONDecoder::decoderWithParseOptions(16), JTException);
    try {
        JSONDecoder::decoder()->objectWithUTF8String(nullptr, 0);
        FAIL() << "no exception";
    } catch (const JTException& e) {
        EXPECT_EQ(e.name(), "NSInvalidArgumentException");
        EXPECT_EQ(e.reason(), "The string argument is NULL.");
    }
}

TEST(JetJsonDecoder, LimitsNestingDepthCleanly) {
    const auto nested = [](std::size_t levels, bool objects) {
        std::string s;
        for (std::size_t i = 0; i < levels; ++i) s += objects ? "{\"k\":" : "[";
        s += "1";
        for (std::size_t i = 0; i < levels; ++i) s += objects ? "}" : "]";
        return s;
    };
    EXPECT_FALSE(decode(nested(JTParseState::kMaxDepth - 1, false)).isNil());
    EXPECT_FALSE(decode(nested(JTParseState::kMaxDepth - 1, true)).isNil());
    for (bool objects : {false, true}) {
        EXPECT_EQ(messageOf(nested(JTParseState::kMaxDepth + 1, objects)), JTParseState::kNestingMessage);
        // Far beyond any stack: still a clean failure.
        EXPECT_EQ(messageOf(std::string(1000000, objects ? '{' : '[')),
                  objects ? "Expected a \"STRING\" or a '}', not '{'" : JTParseState::kNestingMessage);
    }
}

TEST(JetJsonDecoder, CacheSurvivesManyDocumentsAndCollisions) {
    // One decoder across documents: values repeated from the cache must be
    // exactly what a fresh decoder makes, whatever was evicted in between.
    auto shared = JSONDecoder::decoder();
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 3000; i += 7) {
            const std::string text = "{\"key" + std::to_string(i % 50) + "\":[\"v" + std::to_string(i) + "\"," +
                                     std::to_string(i) + "," + std::to_string(i) + ".5,-" + std::to_string(i) + "]}";
            const ns::Value a = shared->objectWithUTF8String(text.data(), text.size());
            const ns::Value b = decode(text);
            ASSERT_TRUE(a.isEqual(b)) << text;
            ASSERT_EQ(a.description(), b.description());
        }
        if (round == 1) shared->clearCache();
    }
}

TEST(JetJsonDecoder, BuildsTheCodecCollectionsOnRequest) {
    auto decoder = JSONDecoder::decoder();
    const std::string text = "{\"a\":[1,2],\"b\":{\"c\":null},\"a\":[3]}";
    const ns::Value v = decoder->collectionObjectWithUTF8String(text.data(), text.size());
    auto dict = v.as<JTDictionary>();
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->className(), "JTDictionary");
    EXPECT_EQ(dict->count(), 2u);
    EXPECT_EQ(dict->capacity(), 3u);
    auto inner = dict->objectForKey("a").as<JTArray>();
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->count(), 1u);
    EXPECT_EQ(inner->capacity(), 1u);
    EXPECT_TRUE(dict->objectForKey("b").as<JTDictionary>()->objectForKey("c").isNull());
    EXPECT_TRUE(dict->objectForKey("zz").isNil());

    const ns::Value m = mutableObjectFromJSONString("[{\"x\":1}]");
    auto array = m.as<JTMutableArray>();
    ASSERT_TRUE(array);
    EXPECT_TRUE(array->objectAtIndex(0).as<JTMutableDictionary>());

    // The platform form of a decoded document matches the collection form.
    EXPECT_TRUE(dict->toValue()["a"].as<JTArray>()->toValue().isEqual(ns::Value::array({3})));
    EXPECT_TRUE(objectFromJSONString(text)["a"].isEqual(ns::Value::array({3})));
}

TEST(JetJsonDecoder, DecodesBytes) {
    EXPECT_TRUE(objectFromJSONData(ns::Data::fromString("{\"a\":[1]}")).isEqual(ns::Value::dictionary({{"a", ns::Value::array({1})}})));
    ns::ErrorPtr error;
    EXPECT_TRUE(objectFromJSONDataWithParseOptions(ns::Data(), 0, &error).isNil());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->localizedDescription(), "Reached the end of the buffer.");
    EXPECT_TRUE(mutableObjectFromJSONData(ns::Data::fromString("[2]")).as<JTMutableArray>());
}
