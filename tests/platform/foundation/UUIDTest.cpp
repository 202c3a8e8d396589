#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "platform/foundation/UUID.h"

TEST(UUID, RandomVersion4InUpperCaseAndParsing) {
    std::set<std::string> seen;
    const std::regex shape("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
    for (int i = 0; i < 100; ++i) {
        std::string text = ns::UUID().UUIDString();
        EXPECT_TRUE(std::regex_match(text, shape)) << text;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 100u);
    auto parsed = ns::UUID::fromString("e621e1f8-c36c-495a-93fc-0c247a3e6e5f");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->UUIDString(), "E621E1F8-C36C-495A-93FC-0C247A3E6E5F");
    EXPECT_EQ(ns::UUID::fromString("E621E1F8C36C495A93FC0C247A3E6E5F0000"), std::nullopt);
    EXPECT_EQ(ns::UUID::fromString("g621e1f8-c36c-495a-93fc-0c247a3e6e5f"), std::nullopt);
    EXPECT_EQ(ns::UUID::fromString(""), std::nullopt);
}
