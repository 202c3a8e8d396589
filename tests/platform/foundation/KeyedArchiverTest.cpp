#include "platform/foundation/KeyedArchiver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/foundation/CocoaError.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Sandbox.h"

namespace {

// A record that codes itself, with a nested child and a list of children.
class CodedRouter : public ns::Object, public ns::Coding {
public:
    static std::shared_ptr<CodedRouter> create() { return std::shared_ptr<CodedRouter>(new CodedRouter()); }
    std::string className() const override { return "CodedRouter"; }

    std::string mac;
    std::int64_t online = 0;
    bool bound = false;
    double ratio = 0;
    ns::Data key;
    std::shared_ptr<CodedRouter> parent;
    ns::Value children;  // array of CodedRouter
    ns::Value extra;     // any value tree
    bool refuse = false;  // initWithCoder refuses this record

    void encodeWithCoder(ns::KeyedArchiver& coder) override {
        coder.encodeString(mac, "mac");
        coder.encodeInt(online, "is_online");
        coder.encodeBool(bound, "has_bind");
        coder.encodeDouble(ratio, "ratio");
        coder.encodeData(key, "key");
        coder.encodeObject(ns::Value(parent), "parent");
        coder.encodeObject(children, "children");
        coder.encodeObject(extra, "extra");
        coder.encodeBool(refuse, "refuse");
    }
    bool initWithCoder(ns::KeyedUnarchiver& coder) override {
        if (coder.decodeBoolForKey("refuse")) return false;
        mac = coder.decodeStringForKey("mac").value_or("");
        online = coder.decodeIntForKey("is_online");
        bound = coder.decodeBoolForKey("has_bind");
        ratio = coder.decodeDoubleForKey("ratio");
        key = coder.decodeDataForKey("key").value_or(ns::Data());
        parent = coder.decodeObjectOfClass<CodedRouter>("parent");
        children = coder.decodeObjectForKey("children");
        extra = coder.decodeObjectForKey("extra");
        return true;
    }
};

// An object that is no ns::Coding.
class Plain : public ns::Object {
public:
    static std::shared_ptr<Plain> create() { return std::shared_ptr<Plain>(new Plain()); }
};

ns::Value valueTree() {
    return ns::Value::dictionary({
        {"s", "text \xE4\xB8\xAD"},
        {"i", -5},
        {"u", static_cast<std::uint64_t>(UINT64_MAX)},
        {"d", 2.5},
        {"dec", ns::Value::decimal("12.340")},
        {"b", true},
        {"null", ns::Value::null()},
        {"data", ns::Data{0, 0xff}},
        {"date", ns::Date::withTimeIntervalSince1970(1780000000.5)},
        {"list", ns::Value::array({ns::Value::dictionary({{"local router bssid", "aa:bb"}}), ns::Value::array({})})},
    });
}

class KeyedArchiverTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ns::registerCodingClass<CodedRouter>("CodedRouter"); }
    void SetUp() override { previous_ = ns::setLogSink([](const std::string&) {}); }
    void TearDown() override { ns::setLogSink(previous_); }

    static std::shared_ptr<CodedRouter> sampleRouter() {
        auto r = CodedRouter::create();
        r->mac = "AA:BB:CC:DD:EE:01";
        r->online = 1;
        r->bound = true;
        r->ratio = 0.75;
        r->key = ns::Data{1, 2, 3};
        r->parent = CodedRouter::create();
        r->parent->mac = "parent";
        auto child = CodedRouter::create();
        child->mac = "child";
        r->children = ns::Value::array({ns::Value(child), ns::Value(CodedRouter::create())});
        r->extra = valueTree();
        return r;
    }

private:
    ns::LogSink previous_;
};

}  // namespace

TEST_F(KeyedArchiverTest, ValueTreesRoundTrip) {
    for (const ns::Value& v : {valueTree(), ns::Value("q"), ns::Value::array({}), ns::Value()}) {
        auto data = ns::KeyedArchiver::archivedDataWithRootObject(v);
        ASSERT_TRUE(data);
        ns::Value back = ns::KeyedUnarchiver::unarchiveObjectWithData(*data);
        EXPECT_EQ(back, v) << v.description();
        EXPECT_EQ(back.kind(), v.kind());
    }
    ns::Value back = ns::KeyedUnarchiver::unarchiveObjectWithData(*ns::KeyedArchiver::archivedDataWithRootObject(valueTree()));
    EXPECT_EQ(back["u"].kind(), ns::ValueKind::Unsigned);
    EXPECT_EQ(back["dec"].decimalText(), "12.340");
    EXPECT_TRUE(back["null"].isNull());
    EXPECT_EQ(back.asDictionary().keys(), valueTree().asDictionary().keys());
}

TEST_F(KeyedArchiverTest, SelfCodingObjectsComeBackAsTheirClass) {
    auto data = ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(sampleRouter()));
    ASSERT_TRUE(data);
    auto r = ns::KeyedUnarchiver::unarchiveObjectWithData(*data).as<CodedRouter>();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->mac, "AA:BB:CC:DD:EE:01");
    EXPECT_EQ(r->online, 1);
    EXPECT_TRUE(r->bound);
    EXPECT_EQ(r->ratio, 0.75);
    EXPECT_EQ(r->key, (ns::Data{1, 2, 3}));
    ASSERT_TRUE(r->parent);
    EXPECT_EQ(r->parent->mac, "parent");
    EXPECT_FALSE(r->parent->parent);
    ASSERT_EQ(r->children.count(), 2u);
    ASSERT_TRUE(r->children[0].as<CodedRouter>());
    EXPECT_EQ(r->children[0].as<CodedRouter>()->mac, "child");
    EXPECT_EQ(r->extra, valueTree());

    // Objects inside plain collections, as the local router list is stored.
    ns::Value list = ns::Value::array({ns::Value(sampleRouter()), "plain"});
    ns::Value back = ns::KeyedUnarchiver::unarchiveObjectWithData(*ns::KeyedArchiver::archivedDataWithRootObject(list));
    EXPECT_EQ(back[0].as<CodedRouter>()->parent->mac, "parent");
    EXPECT_EQ(back[1].asString(), "plain");

    // A record that refuses what it reads decodes as nil in its place.
    auto refused = sampleRouter();
    refused->parent->refuse = true;
    auto r2 = ns::KeyedUnarchiver::unarchiveObjectWithData(*ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(refused))).as<CodedRouter>();
    ASSERT_TRUE(r2);
    EXPECT_FALSE(r2->parent);
}

TEST_F(KeyedArchiverTest, TreesThatCannotBeArchivedGiveNothing) {
    EXPECT_FALSE(ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(Plain::create())));
    EXPECT_FALSE(ns::KeyedArchiver::archivedDataWithRootObject(ns::Value::array({ns::Value(Plain::create())})));
    auto inner = sampleRouter();
    inner->children = ns::Value::array({ns::Value(Plain::create())});
    EXPECT_FALSE(ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(inner)));
    // An object that contains itself is refused instead of recursing forever.
    auto loop = CodedRouter::create();
    loop->parent = loop;
    EXPECT_FALSE(ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(loop)));
    loop->parent.reset();
}

TEST_F(KeyedArchiverTest, HostileBytesGiveNil) {
    ns::Data good = *ns::KeyedArchiver::archivedDataWithRootObject(ns::Value(sampleRouter()));
    auto header = [](std::uint64_t length) {
        std::string h = "KBKARCH1";
        for (int i = 0; i < 8; ++i) h.push_back(static_cast<char>((length >> (8 * i)) & 0xff));
        return h;
    };
    auto withPayload = [&](const std::string& payload) { return ns::Data::fromString(header(payload.size()) + payload); };
    std::string deepArrays;  // one-element arrays nested far beyond the limit
    for (int i = 0; i < 20000; ++i) deepArrays += std::string("\x0b\x01\x00\x00\x00", 5);
    deepArrays += '\x00';
    ns::Data appended = good;
    appended.append("x", 1);

    struct Case {
        const char* what;
        ns::Data bytes;
    };
    std::vector<Case> cases = {
        {"empty", ns::Data()},
        {"magic only", ns::Data::fromString("KBKARCH1")},
        {"wrong magic", ns::Data::fromString("XXXXXXXX" + header(1).substr(8) + std::string(1, '\0'))},
        {"length too long", ns::Data::fromString(header(100) + std::string(1, '\0'))},
        {"extra byte after header length", appended},
        {"trailing item", withPayload(std::string("\x00\x00", 2))},
        {"unknown tag", withPayload("\x7f")},
        {"string length beyond the end", withPayload(std::string("\x08\xff\xff\xff\xff", 5))},
        {"array count beyond the end", withPayload(std::string("\x0b\xff\xff\xff\x7f", 5))},
        {"dictionary count beyond the end", withPayload(std::string("\x0c\xff\xff\xff\x7f", 5))},
        {"unknown class", withPayload(std::string("\x0d\x04\x00\x00\x00Nope\x00\x00\x00\x00", 13))},
        {"nameless object", withPayload(std::string("\x0d\x00\x00\x00\x00\x00\x00\x00\x00", 9))},
        {"truncated integer", withPayload(std::string("\x04\x01\x02", 3))},
        {"nesting beyond the limit", withPayload(deepArrays)},
    };
    for (const Case& c : cases) {
        ns::ErrorPtr error;
        EXPECT_TRUE(ns::KeyedUnarchiver::unarchiveObjectWithData(c.bytes, &error).isNil()) << c.what;
        ASSERT_TRUE(error) << c.what;
        EXPECT_EQ(error->code(), ns::kCoderReadCorruptError) << c.what;
    }
    // Every truncation of a real archive is refused.
    for (std::size_t n = 0; n < good.length(); ++n) {
        EXPECT_TRUE(ns::KeyedUnarchiver::unarchiveObjectWithData(good.subdata(0, n)).isNil()) << n;
    }
    // Flipped bytes and random bytes never crash (the result may or may not be nil).
    std::mt19937 rng(7);
    for (std::size_t i = 0; i < good.length(); ++i) {
        ns::Data flipped = good;
        flipped.mutableBytes()[i] ^= static_cast<std::uint8_t>(1 + rng() % 255);
        (void)ns::KeyedUnarchiver::unarchiveObjectWithData(flipped);
    }
    for (int i = 0; i < 200; ++i) {
        std::string payload(rng() % 64, '\0');
        for (char& ch : payload) ch = static_cast<char>(rng() % 16);
        (void)ns::KeyedUnarchiver::unarchiveObjectWithData(withPayload(payload));
    }
}

TEST_F(KeyedArchiverTest, ArchivesToAndFromFiles) {
    std::string path = ns::documentsDirectory() + "/.router/.localRouter";
    EXPECT_FALSE(ns::KeyedArchiver::archiveRootObject(valueTree(), path));  // no folder yet
    std::filesystem::create_directories(ns::documentsDirectory() + "/.router");
    ASSERT_TRUE(ns::KeyedArchiver::archiveRootObject(valueTree(), path));
    EXPECT_EQ(ns::KeyedUnarchiver::unarchiveObjectWithFile(path), valueTree());
    EXPECT_TRUE(ns::KeyedUnarchiver::unarchiveObjectWithFile(path + ".missing").isNil());
}
