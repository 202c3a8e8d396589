// The artwork table, its drawings and the images the build rasterised from
// them must agree: views are laid out at the images' sizes, so a drawing of
// the wrong size, a row without a drawing or a name the bundle cannot load
// would each show up as a broken screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/ResourceLookupLog.h"
#include "platform/ui/Image.h"
#include "tests/support/Harness.h"

namespace fs = std::filesystem;

namespace {

struct ArtRow {
    std::string name;
    int width = 0;
    int height = 0;
    std::vector<int> scales;
};

std::string artFolder() { return ns::Bundle::mainBundle()->bundlePath() + "/art"; }

std::vector<ArtRow> readTable() {
    std::vector<ArtRow> rows;
    std::ifstream in(artFolder() + "/sizes.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        ArtRow row;
        std::string scales;
        if (!(fields >> row.name >> row.width >> row.height >> scales)) continue;
        std::istringstream list(scales);
        for (std::string s; std::getline(list, s, ',');) row.scales.push_back(std::stoi(s));
        rows.push_back(row);
    }
    return rows;
}

// The drawing's file: the name without its extension and "@2x" suffix.
std::string drawingOf(const std::string& name) {
    std::string base = std::regex_replace(name, std::regex(R"(\.(png|jpg)$)"), "");
    base = std::regex_replace(base, std::regex("@2x$"), "");
    return artFolder() + "/" + base + ".svg";
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The root element's value of `attribute`, "" when absent.
std::string rootAttribute(const std::string& svg, const std::string& attribute) {
    std::size_t root = svg.find("<svg");
    std::size_t end = svg.find('>', root);
    if (root == std::string::npos || end == std::string::npos) return "";
    std::smatch match;
    std::string tag = svg.substr(root, end - root);
    if (!std::regex_search(tag, match, std::regex("\\s" + attribute + "=\"([^\"]*)\""))) return "";
    return match[1];
}

}  // namespace

TEST(ArtworkTest, EveryRowHasADrawingOfItsSizeAndEveryDrawingARow) {
    std::vector<ArtRow> rows = readTable();
    ASSERT_GT(rows.size(), 200u);
    std::set<std::string> names, drawings;
    for (const ArtRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(names.insert(row.name).second) << "listed twice";
        EXPECT_GT(row.width, 0);
        EXPECT_GT(row.height, 0);
        EXPECT_FALSE(row.scales.empty());
        std::string path = drawingOf(row.name);
        drawings.insert(fs::path(path).lexically_normal().string());
        std::string svg = readFile(path);
        ASSERT_FALSE(svg.empty()) << "no drawing " << path;
        EXPECT_EQ(rootAttribute(svg, "width"), std::to_string(row.width));
        EXPECT_EQ(rootAttribute(svg, "height"), std::to_string(row.height));
        EXPECT_EQ(rootAttribute(svg, "viewBox"), "0 0 " + std::to_string(row.width) + " " + std::to_string(row.height));
    }
    for (const auto& entry : fs::recursive_directory_iterator(artFolder())) {
        if (entry.path().extension() != ".svg") continue;
        EXPECT_TRUE(drawings.count(entry.path().lexically_normal().string())) << "not in the table: " << entry.path();
    }
}

TEST(ArtworkTest, EveryNameLoadsFromTheBundleAtItsPointSize) {
    ns::ResourceLookupLog::clear();
    for (const ArtRow& row : readTable()) {
        SCOPED_TRACE(row.name);
        auto image = ui::Image::imageNamed(row.name);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->size(), (cg::Size{static_cast<double>(row.width), static_cast<double>(row.height)}));
        bool hasDouble = std::find(row.scales.begin(), row.scales.end(), 2) != row.scales.end();
        EXPECT_EQ(image->scale(), hasDouble ? 2 : 1);
    }
    EXPECT_TRUE(ns::ResourceLookupLog::missingImages().empty());
}

TEST(ArtworkTest, AnUnknownNameIsNilAndRecordedWhileAProbeIsNot) {
    ns::ResourceLookupLog::clear();
    EXPECT_EQ(ui::Image::imageNamed("home_never_drawn"), nullptr);
    EXPECT_EQ(ns::ResourceLookupLog::missingImages(), (std::set<std::string>{"home_never_drawn"}));

    // The file list asks whether an extension has an icon before naming it.
    auto bundle = ns::Bundle::mainBundle();
    EXPECT_FALSE(bundle->pathForResource("ft_mp4@2x", "png").empty());
    EXPECT_TRUE(bundle->pathForResource("ft_nosuchtype@2x", "png").empty());
    EXPECT_EQ(ns::ResourceLookupLog::missingImages().size(), 1u);
}

TEST(ArtworkTest, TheBundlesOwnFilesStillComeFromItsOwnFolder) {
    // The rasterised images live in a second folder; the bundle's own
    // resources and tables are found as before.
    auto bundle = ns::Bundle::mainBundle();
    EXPECT_EQ(bundle->pathForResource("devicematchment", "plist"), bundle->bundlePath() + "/devicematchment.plist");
    EXPECT_EQ(fs::path(bundle->pathForResource("home_btn@2x", "png")).filename(), "home_btn@2x.png");
    EXPECT_NE(bundle->pathForResource("home_btn@2x", "png").rfind(bundle->bundlePath(), 0), 0u);
}
