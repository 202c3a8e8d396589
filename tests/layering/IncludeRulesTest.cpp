#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/layering/IncludeRules.h"
#include "tests/support/Harness.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSourceRoot = KEELBOX_SOURCE_DIR;

void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

// A tree with the real CMakeLists.txt and a few files that keep the rules.
fs::path plantTree() {
    fs::path root = fs::path(keelbox::test::sandboxHome()) / "tree";
    fs::create_directories(root);
    fs::copy_file(kSourceRoot / "CMakeLists.txt", root / "CMakeLists.txt");
    write(root / "screens/home/HomeScreen.cpp",
          "#include \"screens/home/HomeScreen.h\"\n#include \"widgets/Card.h\"\n#include \"platform/ui/View.h\"\n");
    write(root / "screens/wifi/WifiScreen.h", "#pragma once\n#include \"uikit/Kit.h\"\n");
    write(root / "net/http/Client.cpp", "#include \"net/reachability/Monitor.h\"\n#include <vector>\n");
    write(root / "app/lib/Startup.cpp", "#include \"screens/home/HomeScreen.h\"\n#include \"files/Files.h\"\n");
    write(root / "tests/screens/HomeTest.cpp", "#include \"screens/wifi/WifiScreen.h\"\n");
    return root;
}

}  // namespace

TEST(IncludeRules, TheSourceTreeKeepsItsLayers) {
    auto rules = IncludeRules::fromSourceTree(kSourceRoot);
    // The rules were really read: a check without them would pass vacuously.
    ASSERT_GE(rules.libraryCount(), 18u);
    EXPECT_EQ(rules.owner("net/reachability/Reachability.h"), "net_reachability");
    EXPECT_EQ(rules.owner("net/http/TNHTTPRequestOperation.h"), "net");
    EXPECT_TRUE(rules.mayInclude("screens_home", "platform_ui"));
    EXPECT_FALSE(rules.mayInclude("screens_home", "screens_wifi"));
    EXPECT_FALSE(rules.mayInclude("core", "management"));
    for (const auto& line : rules.violations(kSourceRoot)) ADD_FAILURE() << line;
}

TEST(IncludeRules, ASiblingScreenOrAHigherLayerIncludedIsNamed) {
    fs::path root = plantTree();
    auto rules = IncludeRules::fromSourceTree(root);
    EXPECT_TRUE(rules.violations(root).empty());

    struct Planted {
        std::string file, include;
    };
    const std::vector<Planted> planted = {
        {"screens/home/Bad.cpp", "screens/wifi/WifiScreen.h"},     // a sibling screen subsystem
        {"files/Bad.h", "screens/account/Login.h"},                // a sibling of the same layer
        {"core/Bad.cpp", "management/facade/Facade.h"},            // a higher layer
        {"net/reachability/Bad.cpp", "net/http/Client.h"},         // the folder it is carved out of
        {"platform/graphics/Bad.cpp", "platform/net/Loader.h"},    // a platform library it does not use
        {"emulator/Bad.cpp", "protocol/Request.h"},                // the emulator knows the platform only
    };
    for (const auto& p : planted) {
        SCOPED_TRACE(p.file);
        write(root / p.file, "#include \"platform/foundation/Object.h\"\n  #  include \"" + p.include + "\"\n");
        auto found = rules.violations(root);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].rfind(p.file + ":2: ", 0), 0u) << found[0];
        fs::remove(root / p.file);
    }
}
