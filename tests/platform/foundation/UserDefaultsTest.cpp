#include "platform/foundation/UserDefaults.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/foundation/FileData.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/Sandbox.h"

namespace {

class UserDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousSink_ = ns::setLogSink([this](const std::string& w) { warnings.push_back(w); });
    }
    void TearDown() override { ns::setLogSink(previousSink_); }
    std::vector<std::string> warnings;

private:
    ns::LogSink previousSink_;
};

}  // namespace

TEST_F(UserDefaultsTest, TypedValuesSurviveReopening) {
    auto defaults = ns::UserDefaults::standardUserDefaults();
    EXPECT_EQ(defaults, ns::UserDefaults::standardUserDefaults());
    ns::Date date = ns::Date::withTimeIntervalSince1970(1780000123);
    defaults->setObject("text", "string");
    defaults->setInteger(-7, "int");
    defaults->setFloat(1.5f, "router app bundle version");
    defaults->setBool(true, "db initialized");
    defaults->setObject(ns::Data{1, 2, 3}, "data");
    defaults->setObject(date, "db update date");
    defaults->setObject(ns::Value::array({"a", 1}), "array");
    defaults->setObject(ns::Value::dictionary({{"q", "Q"}, {"t", "T"}}), "dict");
    defaults->setObject("gone", "removed");
    defaults->removeObjectForKey("removed");
    ASSERT_TRUE(defaults->synchronize());

    auto reopened = ns::UserDefaults::create();
    EXPECT_EQ(reopened->path(), ns::preferencesDirectory() + "/Keelbox.plist");
    EXPECT_EQ(reopened->stringForKey("string"), "text");
    EXPECT_EQ(reopened->integerForKey("int"), -7);
    EXPECT_EQ(reopened->stringForKey("int"), "-7");
    EXPECT_EQ(reopened->floatForKey("router app bundle version"), 1.5f);
    EXPECT_TRUE(reopened->boolForKey("db initialized"));
    EXPECT_EQ(reopened->dataForKey("data"), (ns::Data{1, 2, 3}));
    EXPECT_EQ(reopened->objectForKey("db update date").asDate(), date);
    EXPECT_EQ(reopened->objectForKey("array"), ns::Value::array({"a", 1}));
    EXPECT_EQ(reopened->objectForKey("dict"), ns::Value::dictionary({{"q", "Q"}, {"t", "T"}}));
    EXPECT_TRUE(reopened->objectForKey("removed").isNil());
    // Absent keys read as the platform's empty values.
    EXPECT_EQ(reopened->stringForKey("none"), std::nullopt);
    EXPECT_EQ(reopened->dataForKey("string"), std::nullopt);
    EXPECT_EQ(reopened->integerForKey("none"), 0);
    EXPECT_FALSE(reopened->boolForKey("none"));
}

TEST_F(UserDefaultsTest, ChangesReachTheFileWithoutSynchronize) {
    // The platform saves by itself; a process that ends without synchronize
    // must not lose what it set.
    ns::UserDefaults::standardUserDefaults()->setObject("ABCDEF0123", "uuid_sr_ios");
    EXPECT_EQ(ns::UserDefaults::create()->stringForKey("uuid_sr_ios"), "ABCDEF0123");
    ns::UserDefaults::standardUserDefaults()->setObject(ns::Value(), "uuid_sr_ios");  // nil removes
    EXPECT_TRUE(ns::UserDefaults::create()->objectForKey("uuid_sr_ios").isNil());
}

TEST_F(UserDefaultsTest, DamagedFilesReadAsEmptyAndAreReplacedByTheNextChange) {
    auto good = ns::PropertyListSerialization::dataWithPropertyList(ns::Value::dictionary({{"k", "value"}, {"n", 5}}));
    std::string text = good->toString();
    std::vector<std::string> damaged = {
        "",
        "garbage",
        text.substr(0, text.size() / 2),
        text.substr(0, text.size() - 10),
        "<plist><array><string>not a dictionary</string></array></plist>",
        std::string("\0\x01\x02\xff", 4),
    };
    std::string path = ns::preferencesDirectory() + "/Keelbox.plist";
    for (const std::string& bytes : damaged) {
        ASSERT_TRUE(ns::writeDataToFile(ns::Data::fromString(bytes), path, true));
        auto defaults = ns::UserDefaults::create();
        EXPECT_TRUE(defaults->dictionaryRepresentation().empty()) << bytes;
        defaults->setObject("fresh", "k");
        EXPECT_EQ(ns::UserDefaults::create()->stringForKey("k"), "fresh");
    }
    EXPECT_FALSE(warnings.empty());
}

TEST_F(UserDefaultsTest, RefusesValuesThatAreNoPropertyList) {
    auto defaults = ns::UserDefaults::standardUserDefaults();
    defaults->setObject("kept", "k");
    defaults->setObject(ns::Value::null(), "k");
    defaults->setObject(ns::Value::array({ns::Value::null()}), "other");
    EXPECT_EQ(defaults->stringForKey("k"), "kept");
    EXPECT_TRUE(defaults->objectForKey("other").isNil());
    EXPECT_EQ(warnings.size(), 2u);
}

TEST_F(UserDefaultsTest, ConcurrentWritersLoseNothing) {
    auto defaults = ns::UserDefaults::standardUserDefaults();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([defaults, t] {
            for (int i = 0; i < 25; ++i) {
                std::string key = "k" + std::to_string(t) + "." + std::to_string(i);
                defaults->setInteger(i, key);
                EXPECT_EQ(defaults->integerForKey(key), i);
            }
        });
    }
    for (auto& th : threads) th.join();
    ASSERT_TRUE(defaults->synchronize());
    EXPECT_EQ(ns::UserDefaults::create()->dictionaryRepresentation().size(), 100u);
}
