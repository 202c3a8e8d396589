#include "platform/foundation/Sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "tests/support/Harness.h"

namespace fs = std::filesystem;

TEST(Sandbox, HomeComesFromKeelboxHomeAndHasTheStandardFolders) {
    const std::string& home = keelbox::test::sandboxHome();
    fs::remove_all(home);  // created on demand, even after a test deletes it
    EXPECT_EQ(ns::homeDirectory(), home);
    EXPECT_EQ(ns::documentsDirectory(), home + "/Documents");
    EXPECT_EQ(ns::cachesDirectory(), home + "/Library/Caches");
    EXPECT_EQ(ns::preferencesDirectory(), home + "/Library/Preferences");
    EXPECT_EQ(ns::temporaryDirectory(), home + "/tmp/");
    for (const char* sub : {"Documents", "Library/Caches", "Library/Preferences", "tmp"}) {
        EXPECT_TRUE(fs::is_directory(fs::path(home) / sub)) << sub;
    }
    EXPECT_EQ(ns::searchPathForDirectoriesInDomains(ns::SearchPathDirectory::Document, ns::kUserDomainMask),
              std::vector<std::string>{home + "/Documents"});
    EXPECT_EQ(ns::searchPathForDirectoriesInDomains(ns::SearchPathDirectory::Caches, ns::kUserDomainMask),
              std::vector<std::string>{home + "/Library/Caches"});
    EXPECT_TRUE(ns::searchPathForDirectoriesInDomains(ns::SearchPathDirectory::Document, 0).empty());
}

TEST(Sandbox, FallsBackToXdgDataHome) {
    std::string saved = keelbox::test::sandboxHome();
    std::string xdg = saved + "/xdg";
    ::unsetenv("KEELBOX_HOME");
    ::setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    std::string home = ns::homeDirectory();
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("KEELBOX_HOME", saved.c_str(), 1);
    EXPECT_EQ(home, xdg + "/keelbox");
    EXPECT_TRUE(fs::is_directory(xdg + "/keelbox/Documents"));
}
