#include "platform/foundation/PropertyListSerialization.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/foundation/CocoaError.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/Sandbox.h"

namespace {

ns::Value everyType() {
    return ns::Value::dictionary({
        {"string", "a < b & \"c\" \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80"},
        {"spaces", "  kept  "},
        {"empty", ""},
        {"int", -42},
        {"big", static_cast<std::uint64_t>(18446744073709551615ull)},
        {"real", 0.1},
        {"wholeReal", 3.0},
        {"yes", true},
        {"no", false},
        {"date", ns::Date::withTimeIntervalSince1970(1780000000)},
        {"data", ns::Data{0, 1, 2, 0xfe, 0xff}},
        {"emptyData", ns::Data()},
        {"array", ns::Value::array({1, "two", ns::Value::array({}), ns::Value::dictionary({})})},
        {"nested", ns::Value::dictionary({{"k", ns::Value::array({ns::Value::dictionary({{"deep", 1}})})}})},
    });
}

ns::Value parse(const std::string& text) {
    return ns::PropertyListSerialization::propertyListWithData(ns::Data::fromString(text));
}

}  // namespace

TEST(PropertyListSerialization, EveryTypeRoundTripsWithItsKind) {
    ns::Value original = everyType();
    auto data = ns::PropertyListSerialization::dataWithPropertyList(original);
    ASSERT_TRUE(data);
    ns::Value back = ns::PropertyListSerialization::propertyListWithData(*data);
    ASSERT_TRUE(back.isDictionary()) << data->toString();
    EXPECT_EQ(back, original);
    EXPECT_EQ(back.asDictionary().keys(), original.asDictionary().keys());
    EXPECT_EQ(back["int"].kind(), ns::ValueKind::Integer);
    EXPECT_EQ(back["big"].kind(), ns::ValueKind::Unsigned);
    EXPECT_EQ(back["wholeReal"].kind(), ns::ValueKind::Double);
    EXPECT_EQ(back["yes"].kind(), ns::ValueKind::Bool);
    EXPECT_EQ(back["date"].kind(), ns::ValueKind::Date);
    EXPECT_EQ(back["data"].kind(), ns::ValueKind::Data);
    EXPECT_EQ(back["spaces"].asString(), "  kept  ");
}

TEST(PropertyListSerialization, ReadsTheUsualXmlDialect) {
    ns::Value v = parse(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Example//DTD PLIST 1.0//EN" "http://example.com/PropertyList-1.0.dtd">
<!-- a comment -->
<plist version="1.0">
<dict>
	<key>a&amp;b</key> <string>x&#x4E2D;&#65;<![CDATA[<raw>]]></string>
	<key>n</key><integer> 7 </integer>
	<key>r</key><real>-1.5e2</real>
	<key>inf</key><real>+infinity</real>
	<key>t</key><true></true>
	<key>d</key><data>
		AAEC
		/w==
	</data>
	<key>when</key><date>2001-01-01T00:00:00Z</date>
	<key>e</key><string/>
</dict>
</plist>
)");
    ASSERT_TRUE(v.isDictionary());
    EXPECT_EQ(v["a&b"].asString(), "x\xE4\xB8\xAD" "A<raw>");
    EXPECT_EQ(v["n"].intValue(), 7);
    EXPECT_EQ(v["r"].doubleValue(), -150.0);
    EXPECT_TRUE(std::isinf(v["inf"].doubleValue()));
    EXPECT_TRUE(v["t"].boolValue());
    EXPECT_EQ(v["d"].asData(), (ns::Data{0, 1, 2, 0xff}));
    EXPECT_EQ(v["when"].asDate().timeIntervalSinceReferenceDate(), 0.0);
    EXPECT_EQ(v["e"].asString(), "");
    // A bare value without the plist element is accepted too.
    EXPECT_EQ(parse("<array><integer>1</integer></array>"), ns::Value::array({1}));
}

TEST(PropertyListSerialization, GarbageGivesNilAndError3840) {
    std::vector<std::string> hostile = {
        "",
        "garbage",
        "<plist version=\"1.0\"><dict><key>a</key></dict></plist>",            // key without value
        "<plist><dict><string>a</string><string>b</string></dict></plist>",   // value without key
        "<plist><array><integer>1</integer></plist>",                         // unclosed
        "<plist><integer>12x</integer></plist>",
        "<plist><integer>99999999999999999999</integer></plist>",
        "<plist><real>1.5abc</real></plist>",
        "<plist><date>2001-13-01T00:00:00Z</date></plist>",
        "<plist><data>@@@@</data></plist>",
        "<plist><data>AAE</data></plist>",
        "<plist><string>&bogus;</string></plist>",
        "<plist><string>&#0;</string></plist>",
        "<plist><string>\xff\xfe</string></plist>",
        "<plist><unknown/></plist>",
        "<plist><true/></plist><plist><true/></plist>",                       // trailing content
        "<plist><string>unterminated",
        "<!-- unterminated comment",
        std::string(100000, '<'),
        "<plist>" + std::string(10000, 'x'),
    };
    for (const std::string& text : hostile) {
        ns::ErrorPtr error;
        EXPECT_TRUE(ns::PropertyListSerialization::propertyListWithData(ns::Data::fromString(text), &error).isNil())
            << text.substr(0, 80);
        ASSERT_TRUE(error) << text.substr(0, 80);
        EXPECT_EQ(error->code(), ns::kPropertyListReadCorruptError);
    }
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<array>";
    EXPECT_TRUE(parse(deep).isNil());
    std::string ok, close;
    for (int i = 0; i < ns::PropertyListSerialization::kMaxDepth; ++i) {
        ok += "<array>";
        close += "</array>";
    }
    EXPECT_TRUE(parse(ok + close).isArray());
    EXPECT_TRUE(parse("<array>" + ok + close + "</array>").isNil());
}

TEST(PropertyListSerialization, RefusesToWriteWhatIsNoPropertyList) {
    ns::ErrorPtr error;
    for (const ns::Value& v : {ns::Value(), ns::Value::null(), ns::Value::array({ns::Value::null()}),
                               ns::Value::dictionary({{"o", ns::Value(ns::Error::create("d", 1))}})}) {
        EXPECT_FALSE(ns::PropertyListSerialization::dataWithPropertyList(v, ns::PropertyListFormat::XML, &error));
        EXPECT_EQ(error->code(), ns::kPropertyListWriteInvalidError);
    }
    EXPECT_FALSE(ns::PropertyListSerialization::dataWithPropertyList(1, ns::PropertyListFormat::Binary));
}

TEST(PropertyListSerialization, FilesReadTheirOwnKindOnly) {
    std::string dictPath = ns::documentsDirectory() + "/d.plist";
    std::string arrayPath = ns::documentsDirectory() + "/a.plist";
    ASSERT_TRUE(ns::writePropertyListToFile(everyType(), dictPath));
    ASSERT_TRUE(ns::writePropertyListToFile(ns::Value::array({"x"}), arrayPath));
    EXPECT_EQ(ns::dictionaryWithContentsOfFile(dictPath), everyType());
    EXPECT_EQ(ns::arrayWithContentsOfFile(arrayPath), ns::Value::array({"x"}));
    EXPECT_TRUE(ns::arrayWithContentsOfFile(dictPath).isNil());
    EXPECT_TRUE(ns::dictionaryWithContentsOfFile(arrayPath).isNil());
    EXPECT_TRUE(ns::dictionaryWithContentsOfFile(dictPath + ".missing").isNil());
    EXPECT_FALSE(ns::writePropertyListToFile("text", dictPath));
    EXPECT_EQ(ns::dictionaryWithContentsOfFile(dictPath), everyType());  // the refused write changed nothing
}
