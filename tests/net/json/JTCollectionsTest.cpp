// The JetJson collections: capacity rules, copies, enumeration, mutation
// counters, exception texts, and a randomized model check of the mutable
// dictionary against std::unordered_map.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <unordered_map>

#include "net/json/JSONDecoder.h"
#include "net/json/JTDictionaryEnumerator.h"
#include "net/json/JTException.h"
#include "net/json/JTMutableArray.h"
#include "net/json/JTMutableDictionary.h"
#include "net/json/JetJsonDeserializing.h"

namespace {

ns::Value collections(const std::string& text) {
    return JSONDecoder::decoder()->collectionObjectWithUTF8String(text.data(), text.size());
}

std::shared_ptr<JTMutableDictionary> emptyMutableDictionary() {
    return mutableObjectFromJSONString("{}").as<JTMutableDictionary>();
}

template <class F>
std::string raisedBy(F&& f, const char* expectedName) {
    try {
        f();
    } catch (const JTException& e) {
        EXPECT_EQ(e.name(), expectedName);
        return e.reason();
    }
    return "<nothing raised>";
}

}  // namespace

TEST(JTCollections, CapacityFollowsThePrimeTable) {
    const std::pair<std::size_t, std::size_t> table[] = {{0, 0}, {1, 3}, {3, 3}, {4, 7}, {6, 7}, {7, 13}, {10, 13},
                                                        {11, 23}, {100, 191}, {1000000, 1468927}};
    for (auto [n, capacity] : table) EXPECT_EQ(JTDictionary::capacityForCount(n), capacity) << n;
    EXPECT_THROW(JTDictionary::capacityForCount(400000000), JTException);

    auto empty = collections("{}").as<JTDictionary>();
    EXPECT_EQ(empty->capacity(), 0u);
    EXPECT_TRUE(empty->objectForKey("a").isNil());
    EXPECT_TRUE(empty->keyEnumerator()->nextObject().isNil());

    auto three = collections("{\"a\":1,\"b\":2,\"c\":3}").as<JTDictionary>();
    EXPECT_EQ(three->capacity(), 3u);
    for (const char* k : {"a", "b", "c"}) EXPECT_FALSE(three->objectForKey(k).isNil()) << k;
    EXPECT_TRUE(three->objectForKey("d").isNil());
}

TEST(JTCollections, CopiesAndEnumerators) {
    auto array = collections("[1,2,3]").as<JTArray>();
    EXPECT_EQ(array->copy().asObject(), array);
    EXPECT_TRUE(array->mutableCopy().isEqual(ns::Value::array({1, 2, 3})));
    auto dict = collections("{\"a\":1,\"b\":2,\"c\":3,\"d\":4}").as<JTDictionary>();
    EXPECT_EQ(dict->copy().asObject(), dict);
    EXPECT_TRUE(dict->mutableCopy().isEqual(ns::Value::dictionary({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}})));

    auto e = dict->keyEnumerator();
    EXPECT_EQ(e->allObjects().size(), 4u);
    auto e2 = dict->keyEnumerator();
    const ns::Value first = e2->nextObject(), second = e2->nextObject();
    const ns::Array rest = e2->allObjects();
    EXPECT_EQ(rest.size(), 2u);
    EXPECT_FALSE(rest.containsObject(first) || rest.containsObject(second));

    auto mutableArray = mutableObjectFromJSONString("[1]").as<JTMutableArray>();
    const ns::Value copy = mutableArray->copy();
    EXPECT_TRUE(copy.isArray());
    mutableArray->insertObject(ns::Value(2), 1);
    EXPECT_EQ(copy.count(), 1u);  // the copy does not follow the original
}

TEST(JTCollections, MutableArrayRulesAndExceptions) {
    std::string sixteen = "[0";
    for (int i = 1; i < 16; ++i) sixteen += "," + std::to_string(i);
    auto array = mutableObjectFromJSONString(sixteen + "]").as<JTMutableArray>();
    ASSERT_EQ(array->capacity(), 16u);
    array->insertObject(ns::Value(16), 16);  // at count: appends, and grows
    EXPECT_EQ(array->count(), 17u);
    EXPECT_EQ(array->capacity(), 32u);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(array->objectAtIndex(static_cast<std::size_t>(i)).intValue(), i);
    EXPECT_EQ(array->mutations(), 1u);

    EXPECT_EQ(raisedBy([&] { array->insertObject(ns::Value(1), 18); }, kRangeException),
              "*** -[JTMutableArray insertObject:atIndex:]: index (18) beyond bounds (18)");
    EXPECT_EQ(raisedBy([&] { array->insertObject(ns::Value(), 0); }, kInvalidArgumentException),
              "*** -[JTMutableArray insertObject:atIndex:]: attempt to insert nil");
    EXPECT_EQ(raisedBy([&] { array->removeObjectAtIndex(17); }, kRangeException),
              "*** -[JTMutableArray removeObjectAtIndex:]: index (17) beyond bounds (17)");
    EXPECT_EQ(raisedBy([&] { array->replaceObjectAtIndex(0, ns::Value()); }, kInvalidArgumentException),
              "*** -[JTMutableArray replaceObjectAtIndex:withObject:]: attempt to insert nil");
    EXPECT_EQ(raisedBy([&] { array->objectAtIndex(17); }, kRangeException),
              "*** -[JTMutableArray objectAtIndex:]: index (17) beyond bounds (17)");
    EXPECT_EQ(raisedBy([&] { array->getObjects(nullptr, 1, 2); }, kRangeException),
              "*** -[JTMutableArray getObjects:range:]: pointer to objects array is NULL but range length is 3");
    ns::Value buffer[3];
    EXPECT_EQ(raisedBy([&] { array->getObjects(buffer, 15, 3); }, kRangeException),
              "*** -[JTMutableArray getObjects:range:]: index (18) beyond bounds (17)");
    array->getObjects(buffer, 14, 3);
    EXPECT_EQ(buffer[2].intValue(), 16);

    array->removeObjectAtIndex(0);
    array->replaceObjectAtIndex(0, ns::Value("x"));
    EXPECT_EQ(array->objectAtIndex(0).asString(), "x");
    EXPECT_EQ(array->objectAtIndex(1).intValue(), 2);
    EXPECT_EQ(array->mutations(), 3u);

    // Changing the array inside an enumeration is reported.
    EXPECT_NE(raisedBy([&] { array->enumerateObjects([&](const ns::Value&, std::size_t, bool&) {
                  array->insertObject(ns::Value(0), 0);
              }); }, kGenericException).find("was mutated while being enumerated"),
              std::string::npos);
}

TEST(JTCollections, MutableDictionaryExceptions) {
    auto dict = emptyMutableDictionary();
    EXPECT_EQ(raisedBy([&] { dict->setObject(ns::Value(1), ns::Value()); }, kInvalidArgumentException),
              "*** -[JTMutableDictionary setObject:forKey:]: attempt to insert nil key");
    EXPECT_EQ(raisedBy([&] { dict->setObject(ns::Value(), ns::Value("k")); }, kInvalidArgumentException),
              "*** -[JTMutableDictionary setObject:forKey:]: attempt to insert nil value (key: k)");
    EXPECT_EQ(raisedBy([&] { dict->removeObjectForKey(ns::Value()); }, kInvalidArgumentException),
              "*** -[JTMutableDictionary removeObjectForKey:]: attempt to remove nil key");
    dict->setObject(ns::Value(1), ns::Value("a"));
    dict->setObject(ns::Value(2), ns::Value("a"));
    EXPECT_EQ(dict->count(), 1u);
    EXPECT_EQ(dict->objectForKey("a").intValue(), 2);
    EXPECT_EQ(dict->mutations(), 2u);
    dict->setObject(ns::Value(3), ns::Value("b"));
    EXPECT_NE(raisedBy([&] { dict->enumerateKeys([&](const ns::Value&, bool&) { dict->removeObjectForKey(ns::Value("a")); }); },
                       kGenericException)
                  .find("was mutated while being enumerated"),
              std::string::npos);
}

TEST(JTCollections, MutableDictionaryMatchesAModelUnderRandomChanges) {
    std::mt19937_64 rng(7);
    for (int round = 0; round < 20; ++round) {
        auto dict = emptyMutableDictionary();
        std::unordered_map<std::string, std::int64_t> model;
        // Few distinct keys per round so that removals, re-insertions and
        // collisions in small tables are frequent; rounds vary the range.
        const std::uint64_t keySpace = 4 + rng() % (round < 10 ? 40 : 3000);
        for (int step = 0; step < 4000; ++step) {
            const std::string key = "k" + std::to_string(rng() % keySpace);
            const auto action = rng() % 10;
            if (action < 6) {
                const auto value = static_cast<std::int64_t>(rng() % 1000);
                dict->setObject(ns::Value(value), ns::Value(key));
                model[key] = value;
            } else if (action < 9) {
                dict->removeObjectForKey(ns::Value(key));
                model.erase(key);
            } else {
                const ns::Value& found = dict->objectForKey(ns::Value(key));
                auto it = model.find(key);
                ASSERT_EQ(found.isNil(), it == model.end()) << key;
                if (it != model.end()) {
                    ASSERT_EQ(found.longLongValue(), it->second);
                }
            }
            ASSERT_EQ(dict->count(), model.size());
            ASSERT_GE(dict->capacity(), JTDictionary::capacityForCount(dict->count()) == 0 ? 0u : dict->count());
        }
        // Every key of the model is found; enumeration yields exactly the model's keys.
        for (const auto& [k, v] : model) ASSERT_EQ(dict->objectForKey(ns::Value(k)).longLongValue(), v) << k;
        std::size_t enumerated = 0;
        dict->enumerateKeys([&](const ns::Value& key, bool&) {
            ++enumerated;
            EXPECT_TRUE(model.count(key.asString()));
        });
        EXPECT_EQ(enumerated, model.size());
        EXPECT_EQ(dict->toValue().count(), model.size());
    }
}

TEST(JTCollections, MutableArrayMatchesAModelUnderRandomChanges) {
    std::mt19937_64 rng(11);
    auto array = mutableObjectFromJSONString("[]").as<JTMutableArray>();
    std::vector<std::int64_t> model;
    for (int step = 0; step < 5000; ++step) {
        const auto action = rng() % 3;
        if (action == 0 || model.empty()) {
            const std::size_t at = rng() % (model.size() + 1);
            const auto v = static_cast<std::int64_t>(rng() % 100000);
            array->insertObject(ns::Value(v), at);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), v);
        } else if (action == 1) {
            const std::size_t at = rng() % model.size();
            array->removeObjectAtIndex(at);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
        } else {
            const std::size_t at = rng() % model.size();
            array->replaceObjectAtIndex(at, ns::Value(static_cast<std::int64_t>(step)));
            model[at] = step;
        }
        ASSERT_EQ(array->count(), model.size());
        ASSERT_GT(array->capacity(), array->count());
    }
    for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(array->objectAtIndex(i).longLongValue(), model[i]);
}
