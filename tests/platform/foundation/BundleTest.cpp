#include "platform/foundation/Bundle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/foundation/FileData.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/Singleton.h"

namespace fs = std::filesystem;

namespace {

// Sets (or, with nullptr, removes) an environment variable while it lives;
// the main bundle is resolved afresh on both ends.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
        ns::resetSingletonsForTesting();
    }
    ~EnvOverride() {
        old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_);
        ns::resetSingletonsForTesting();
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A bundle folder of its own, so that the tests do not depend on the texts
// the application ships.
class BundleTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = ns::setLogSink([](const std::string&) {});
        root = ns::temporaryDirectory() + "Test.bundle";
        write("Info.plist", R"(<plist version="1.0"><dict>
            <key>CFBundleIdentifier</key><string>org.example.test</string>
            <key>CFBundleDevelopmentRegion</key><string>de</string>
            <key>CloudBaseURL</key><string>https://info.example</string>
            <key>Port</key><integer>8443</integer></dict></plist>)");
        write("ca.der", "der");
        write("images/logo.png", "png");
        write("de.lproj/only-localized.txt", "de");
        write("de.lproj/T.strings", "\"hello\" = \"Hallo\";\n\"quote\" = \"say \\\"hi\\\"\\n\";");
        write("Base.lproj/T.strings", "\"hello\" = \"Base hello\"; \"base only\" = \"from Base\";");
        write("Broken.strings", "\"unterminated");
        bundle = ns::Bundle::bundleWithPath(root);
    }
    void TearDown() override { ns::setLogSink(previous_); }
    void write(const std::string& relative, const std::string& text) {
        fs::path path = fs::path(root) / relative;
        fs::create_directories(path.parent_path());
        ASSERT_TRUE(ns::writeDataToFile(ns::Data::fromString(text), path.string(), true));
    }

    std::string root;
    std::shared_ptr<ns::Bundle> bundle;

private:
    ns::LogSink previous_;
};

}  // namespace

TEST_F(BundleTest, FindsResourcesInTheBundleAndItsLocalization) {
    EXPECT_EQ(bundle->bundleIdentifier(), "org.example.test");
    EXPECT_EQ(bundle->pathForResource("ca", "der"), root + "/ca.der");
    EXPECT_EQ(bundle->pathForResource("ca", ".der"), root + "/ca.der");
    EXPECT_EQ(bundle->pathForResource("ca.der", ""), root + "/ca.der");
    EXPECT_EQ(bundle->pathForResource("logo", "png", "images"), root + "/images/logo.png");
    EXPECT_EQ(bundle->pathForResource("only-localized", "txt"), root + "/de.lproj/only-localized.txt");
    EXPECT_EQ(bundle->pathForResource("logo", "png"), "");
    EXPECT_EQ(bundle->pathForResource("missing", "der"), "");
    EXPECT_EQ(bundle->pathForResource("", "der"), "");
    auto url = bundle->URLForResource("ca", "der");
    ASSERT_TRUE(url);
    EXPECT_TRUE(url->isFileURL());
    EXPECT_EQ(url->path(), root + "/ca.der");
    EXPECT_FALSE(bundle->URLForResource("missing", "der"));
}

TEST_F(BundleTest, StringTablesFallBackToTheValueOrTheKey) {
    EXPECT_EQ(bundle->localizedString("hello", "", "T"), "Hallo");  // the region's table wins over Base
    EXPECT_EQ(bundle->localizedString("quote", "", "T"), "say \"hi\"\n");
    EXPECT_EQ(bundle->localizedString("base only", "", "T"), "from Base");
    EXPECT_EQ(bundle->localizedString("missing key", "", "T"), "missing key");
    EXPECT_EQ(bundle->localizedString("missing key", "Default", "T"), "Default");
    EXPECT_EQ(bundle->localizedString("hello", "", "NoSuchTable"), "hello");
    EXPECT_EQ(bundle->localizedString("anything", "", "Broken"), "anything");  // unreadable table: keys
}

TEST_F(BundleTest, DeploymentValuesPreferTheEnvironment) {
    struct NameCase {
        const char* name;
        const char* env;
    };
    for (const NameCase& c : {NameCase{"CloudBaseURL", "KEELBOX_CLOUD_BASE_URL"}, NameCase{"URLPath", "KEELBOX_URL_PATH"},
                              NameCase{"ca.der", "KEELBOX_CA_DER"}, NameCase{"ROUTER_HOST", "KEELBOX_ROUTER_HOST"},
                              NameCase{"routerHost2", "KEELBOX_ROUTER_HOST2"}}) {
        EXPECT_EQ(ns::Bundle::deploymentEnvironmentName(c.name), c.env) << c.name;
    }
    EnvOverride resources("KEELBOX_RESOURCES", root.c_str());
    EXPECT_EQ(ns::Bundle::mainBundle()->bundlePath(), root);
    EXPECT_EQ(ns::Bundle::deploymentValue("CloudBaseURL", "https://default"), "https://info.example");
    EXPECT_EQ(ns::Bundle::deploymentValue("Port"), "8443");
    EXPECT_EQ(ns::Bundle::deploymentValue("Missing", "fallback"), "fallback");
    EnvOverride cloud("KEELBOX_CLOUD_BASE_URL", "http://127.0.0.1:9");
    EXPECT_EQ(ns::Bundle::deploymentValue("CloudBaseURL", "https://default"), "http://127.0.0.1:9");
}

TEST(MainBundle, ShipsItsInfoValuesAndStringTable) {
    EnvOverride resources("KEELBOX_RESOURCES", nullptr);  // the compiled-in source folder is used then
    auto main = ns::Bundle::mainBundle();
    EXPECT_TRUE(fs::exists(main->bundlePath() + "/Info.plist")) << main->bundlePath();
    EXPECT_FALSE(main->objectForInfoDictionaryKey("CFBundleShortVersionString").asString().empty());
    EXPECT_FALSE(main->objectForInfoDictionaryKey("CFBundleVersion").asString().empty());
    EXPECT_GT(main->objectForInfoDictionaryKey("VersionCode").intValue(), 0);
    EXPECT_FALSE(main->bundleIdentifier().empty());
    EXPECT_NE(ns::localizedStringFromTable("ssid can't be nil", "Keelbox"), "ssid can't be nil");
    EXPECT_EQ(ns::localizedStringFromTable("no such text", "Keelbox"), "no such text");
}
