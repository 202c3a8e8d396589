#include <gtest/gtest.h>

#include "platform/foundation/StringPaths.h"

namespace str = ns::str;

TEST(StringPaths, TakesPathsApartAsThePlatformDoes) {
    struct Case {
        std::string path, last, extension, withoutLast, withoutExtension;
    };
    const Case cases[] = {
        {"/tmp/scratch.tiff", "scratch.tiff", "tiff", "/tmp", "/tmp/scratch"},
        {"/tmp//lock/", "lock", "", "/tmp", "/tmp/lock"},
        {"/tmp", "tmp", "", "/", "/tmp"},
        {"/", "/", "", "/", "/"},
        {"", "", "", "", ""},
        {"scratch..tiff", "scratch..tiff", "tiff", "", "scratch."},
        {"a.b/c", "c", "", "a.b", "a.b/c"},
        {"/x/.profile", ".profile", "", "/x", "/x/.profile"},
        {"\xE4\xB8\xAD\xE6\x96\x87.txt", "\xE4\xB8\xAD\xE6\x96\x87.txt", "txt", "", "\xE4\xB8\xAD\xE6\x96\x87"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(str::lastPathComponent(c.path), c.last) << c.path;
        EXPECT_EQ(str::pathExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(str::deletingLastPathComponent(c.path), c.withoutLast) << c.path;
        EXPECT_EQ(str::deletingPathExtension(c.path), c.withoutExtension) << c.path;
    }
    EXPECT_EQ(str::appendingPathComponent("/tmp/", "a.txt"), "/tmp/a.txt");
    EXPECT_EQ(str::appendingPathComponent("/", "a"), "/a");
    EXPECT_EQ(str::appendingPathComponent("", "a/"), "a");
    EXPECT_EQ(str::appendingPathComponent("/tmp", "/b//c"), "/tmp/b/c");
    EXPECT_EQ(str::appendingPathExtension("/tmp/a.old", "txt"), "/tmp/a.old.txt");
    EXPECT_EQ(str::appendingPathExtension("/tmp/", "txt"), "/tmp.txt");
    EXPECT_EQ(str::appendingPathExtension("/", "txt"), "/");
    EXPECT_EQ(str::pathComponents("/tmp/a"), (std::vector<std::string>{"/", "tmp", "a"}));
    EXPECT_EQ(str::pathComponents("tmp//a/"), (std::vector<std::string>{"tmp", "a", "/"}));
}
