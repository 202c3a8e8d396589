// The progress HUD's box arithmetic, on the fake font metrics: narrow
// characters are half an em wide, a line is one em high (the label's bold
// 16 points: 8 x 16 per character; the details' bold 12: 6 x 12).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/GlyphMetrics.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "tests/support/Harness.h"
#include "uikit/PGProgressHUD.h"

namespace keelbox::test {
namespace {

struct LayoutCase {
    std::string name;
    cg::Size host;
    int mode;
    std::optional<cg::Size> customView;
    std::string label;
    std::string details;
    bool square = false;
    cg::Size minSize{};
    // Expected.
    cg::Size box;
    cg::Rect boxRect;
    cg::Rect labelFrame;
    cg::Rect detailsFrame;
};

TEST(ProgressHUDLayout, BoxAndElementsFollowTheTextsIndicatorAndLimits) {
    ct::ScopedFakeMetrics fake;
    // 20 words of "abcd": at most 19 characters (114 points) to a 120-point line.
    std::string longDetails;
    for (int i = 0; i < 20; ++i) longDetails += "abcd ";
    const std::vector<LayoutCase> cases = {
        {.name = "spinner and label",
         .host = {320, 568},
         .mode = PGProgressHUDModeIndeterminate,
         .label = "Loading",
         // 56 x (37 + 4 + 16), plus 20 around
         .box = {96, 97},
         .boxRect = {{112, 236}, {96, 97}},
         .labelFrame = {{132, 297}, {56, 16}}},
        {.name = "square custom view",
         .host = {320, 568},
         .mode = PGProgressHUDModeCustomView,
         .customView = cg::Size{60, 20},
         .square = true,
         .box = {100, 100},
         .boxRect = {{110, 234}, {100, 100}}},
        {.name = "minimum size",
         .host = {320, 568},
         .mode = PGProgressHUDModeText,
         .label = "Hi",
         .minSize = {120, 50},
         .box = {120, 56},
         .boxRect = {{100, 256}, {120, 56}},
         .labelFrame = {{152, 276}, {16, 16}}},
        {.name = "texts only",
         .host = {320, 568},
         .mode = PGProgressHUDModeText,
         .label = "Done",
         .details = "Saved",
         // 32 x (16 + 4 + 12), plus 20 around
         .box = {72, 72},
         .boxRect = {{124, 248}, {72, 72}},
         .labelFrame = {{144, 268}, {32, 16}},
         .detailsFrame = {{145, 288}, {30, 12}}},
        {.name = "details cut to the height left",
         .host = {200, 150},
         .mode = PGProgressHUDModeText,
         .details = longDetails,
         // 150 - 4 - 4 x 20 leaves 66 points: five lines of 12
         .box = {154, 100},
         .boxRect = {{23, 25}, {154, 100}},
         .detailsFrame = {{43, 45}, {114, 60}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto host = ui::View::create(cg::Rect{{0, 0}, c.host});
        auto hud = PGProgressHUD::createWithView(host);
        host->addSubview(hud);
        hud->setMode(c.mode);
        if (c.customView) hud->setCustomView(ui::View::create(cg::Rect{{0, 0}, *c.customView}));
        hud->setLabelText(c.label);
        hud->setDetailsLabelText(c.details);
        hud->setSquare(c.square);
        hud->setMinSize(c.minSize);
        hud->layoutIfNeeded();

        EXPECT_EQ(hud->size(), c.box);
        EXPECT_EQ(hud->getBoxRect(hud->bounds()), c.boxRect);
        if (!c.label.empty()) {
            EXPECT_EQ(hud->label()->frame(), c.labelFrame);
        }
        if (!c.details.empty()) {
            EXPECT_EQ(hud->detailsLabel()->frame(), c.detailsFrame);
        }
        if (c.mode == PGProgressHUDModeText) {
            EXPECT_FALSE(hud->indicator()) << "text mode shows no indicator";
            EXPECT_EQ(hud->subviews().size(), 2u);
        }
    }
}

TEST(ProgressHUDLayout, IndicatorFollowsTheModeAndKeepsTheSameCustomView) {
    auto host = ui::View::create(cg::RectMake(0, 0, 320, 568));
    auto hud = PGProgressHUD::createWithView(host);
    EXPECT_TRUE(std::dynamic_pointer_cast<ui::ActivityIndicatorView>(hud->indicator()));
    auto custom = ui::View::create(cg::RectMake(0, 0, 40, 40));
    hud->setCustomView(custom);
    hud->setMode(PGProgressHUDModeCustomView);
    EXPECT_EQ(hud->indicator(), custom);
    hud->setCustomView(custom);
    hud->setMode(PGProgressHUDModeCustomView);
    EXPECT_EQ(hud->indicator(), custom);
    EXPECT_EQ(custom->superview(), hud);
    hud->setMode(PGProgressHUDModeText);
    EXPECT_FALSE(hud->indicator());
    EXPECT_FALSE(custom->superview());
}

}  // namespace
}  // namespace keelbox::test
