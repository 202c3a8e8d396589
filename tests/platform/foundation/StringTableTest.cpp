// The application's own string tables and text resources, as shipped in the
// bundle. A broken table silently shows raw keys on every screen, and a
// translated value whose format specifiers differ from its key's makes the
// screen that formats it print garbage or read arguments that are not there.
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/StringsFile.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string tablePath(const std::string& table) {
    return ns::Bundle::mainBundle()->pathForResource(table, "strings");
}

// The keys as written in the file, in order, duplicates included (the parsed
// table keeps only the last of a duplicate).
std::vector<std::string> writtenKeys(const std::string& text) {
    static const std::regex entryStart(R"re(^\s*"((?:[^"\\]|\\.)*)"\s*=)re");
    std::vector<std::string> keys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, entryStart)) keys.push_back(match[1]);
    }
    return keys;
}

// The conversions a format would consume, in order; "%%" consumes nothing.
std::vector<std::string> formatSpecifiers(const std::string& text) {
    static const std::regex specifier(
        R"(%(?:\d+\$)?[-+ #0']*(?:\d+|\*)?(?:\.(?:\d+|\*)?)?(?:hh|h|ll|l|q|L|z|t|j)?[@dDiuUxXoOfFeEgGcCsSpaA%])");
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), specifier), end; it != end; ++it) {
        if (it->str() != "%%") found.push_back(it->str());
    }
    return found;
}

// Keys that carry no specifier although the screens format their text.
const std::map<std::string, std::vector<std::string>> kFormattedPlainKeys = {
    {"select file count", {"%d"}},
};

}  // namespace

TEST(StringTable, TablesParseWithOneEntryPerKey) {
    for (const std::string table : {"Keelbox", "Localizable"}) {
        SCOPED_TRACE(table);
        const std::string path = tablePath(table);
        ASSERT_FALSE(path.empty());
        const std::string text = readFile(path);
        auto parsed = ns::parseStringsFile(ns::Data::fromString(text));
        ASSERT_TRUE(parsed);

        std::set<std::string> seen;
        for (const std::string& key : writtenKeys(text)) EXPECT_TRUE(seen.insert(key).second) << "duplicate key: " << key;
        // Every entry is written as "key" = "value"; at the start of its line,
        // so the scan above saw them all.
        EXPECT_EQ(seen.size(), parsed->size());
        for (const auto& [key, value] : *parsed) EXPECT_FALSE(value.asString().empty()) << "empty text for: " << key;
    }
}

TEST(StringTable, ValuesKeepTheFormatSpecifiersOfTheirKeys) {
    auto parsed = ns::parseStringsFile(ns::Data::fromString(readFile(tablePath("Keelbox"))));
    ASSERT_TRUE(parsed);
    for (const auto& [key, value] : *parsed) {
        auto expected = formatSpecifiers(key);
        if (auto plain = kFormattedPlainKeys.find(key); plain != kFormattedPlainKeys.end()) expected = plain->second;
        EXPECT_EQ(formatSpecifiers(value.asString()), expected) << "key: " << key << "\nvalue: " << value.asString();
    }
    // The check itself: a reordered, retyped or stray conversion is caught.
    EXPECT_EQ(formatSpecifiers("%@ has %d of %.1f%%, 100%% sure"), (std::vector<std::string>{"%@", "%d", "%.1f"}));
    EXPECT_EQ(formatSpecifiers("50% off"), std::vector<std::string>{"% o"});
}

TEST(StringTable, BundleCarriesHelpPagesAndTheAboutScreensTexts) {
    auto bundle = ns::Bundle::mainBundle();
    // The help view finds its pages in the folder its own key names.
    const std::string folder = bundle->localizedString("helpsHTML/en", "", "");
    for (const char* page : {"2_4G", "5G", "account_safty", "dns_hijack", "prevent_illegal_join", "malicious_url_block",
                             "safe_ic_arp", "safe_ic_hearbleed", "heath_mode"}) {
        const std::string path = bundle->pathForResource(page, "html", folder);
        ASSERT_FALSE(path.empty()) << page;
        EXPECT_NE(readFile(path).find(R"(href="help.css")"), std::string::npos) << page;
    }
    EXPECT_FALSE(bundle->pathForResource("help", "css", folder).empty());

    for (const char* text : {"PrivacyStatements", "LicenseAgreements"}) {
        const std::string path = bundle->pathForResource(text, "txt");
        ASSERT_FALSE(path.empty()) << text;
        EXPECT_GT(readFile(path).size(), 200u) << text;
    }
    for (const char* key : {"CFBundleShortVersionString", "CFBundleVersion", "NSHumanReadableCopyright"}) {
        EXPECT_FALSE(bundle->objectForInfoDictionaryKey(key).asString().empty()) << key;
    }
}
