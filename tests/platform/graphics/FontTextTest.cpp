// Fonts by name through the alias table, real metrics from the bundled
// files, the fallback to the Chinese font, and Latin and Chinese text drawn
// through Pango into bitmaps.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/Framesetter.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/graphics/TextAttributes.h"

using namespace ct;

namespace {

// The box of pixels with any ink, in device pixels; null when blank.
cg::Rect inkBox(const cg::Context& ctx, double threshold = 0.3) {
    double x0 = 1e9, y0 = 1e9, x1 = -1, y1 = -1;
    for (std::size_t y = 0; y < ctx.height(); ++y) {
        for (std::size_t x = 0; x < ctx.width(); ++x) {
            if (ctx.pixel(x, y).a > threshold) {
                x0 = std::min(x0, double(x)), y0 = std::min(y0, double(y));
                x1 = std::max(x1, double(x)), y1 = std::max(y1, double(y));
            }
        }
    }
    return x1 < 0 ? cg::RectNull() : cg::RectMake(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
}

}  // namespace

TEST(FontText, NamesTraitsAndMetrics) {
    auto helvetica = Font::createWithName("Helvetica", 17);
    ASSERT_TRUE(helvetica);
    EXPECT_EQ(helvetica->familyName(), "Helvetica");
    EXPECT_GT(helvetica->ascent(), 14);
    EXPECT_LT(helvetica->ascent(), 17);
    EXPECT_GT(helvetica->descent(), 2);
    EXPECT_NEAR(helvetica->lineHeight(), helvetica->ascent() + helvetica->descent() + helvetica->leading(), 1e-9);
    EXPECT_FALSE(Font::createWithName("NoSuchFont", 12));
    EXPECT_FALSE(Font::createWithName("Helvetica", NAN));
    EXPECT_EQ(Font::createWithName("Helvetica Neue", 0)->size(), 12);  // family name, default size

    auto italic = Font::createWithName(".HelveticaNeueUI-Italic", 14);
    auto boldItalic = italic->createCopyWithSymbolicTraits(0, FontBoldTrait, FontBoldTrait);
    ASSERT_TRUE(boldItalic);
    EXPECT_EQ(boldItalic->postScriptName(), ".HelveticaNeueUI-BoldItalic");
    EXPECT_EQ(boldItalic->size(), 14);
    EXPECT_EQ(boldItalic->createCopyWithSymbolicTraits(0, 0, FontBoldTrait)->postScriptName(), ".HelveticaNeueUI-Italic");
    // The Chinese family has no bold or italic face.
    auto heiti = Font::createWithName("STHeitiSC-Light", 12);
    ASSERT_TRUE(heiti);
    EXPECT_FALSE(heiti->createCopyWithSymbolicTraits(0, FontBoldTrait, FontBoldTrait));
    EXPECT_FALSE(Font::createWithFamily("Heiti SC", 12, FontItalicTrait));
    EXPECT_EQ(Font::createWithFamily("Courier", 12, FontBoldTrait)->postScriptName(), "Courier-Bold");
    EXPECT_EQ(Font::createUIFont(UIFontType::Label, 0)->size(), 17);

    // Bold is wider than regular; the measured width follows the font files.
    EXPECT_GT(sizeWithFont("Keelbox", Font::createWithName("Helvetica-Bold", 17)).width,
              sizeWithFont("Keelbox", helvetica).width);
}

TEST(FontText, ChineseFallsBackToTheChineseFont) {
    ns::Attributes attrs;
    attrs.set(kFontAttributeName, ns::Value(Font::createWithName("Helvetica", 20)));
    auto line = Line::createWithAttributedString(*ns::AttributedString::create("Wi-Fi 路由器", attrs));
    ASSERT_EQ(line->glyphRuns().size(), 2u);
    const auto& cjk = line->glyphRuns()[1];
    EXPECT_EQ(cjk->stringRange(), (ns::Range{6, 3}));
    EXPECT_EQ(cjk->font()->familyName(), "WenQuanYi Micro Hei");
    EXPECT_EQ(cjk->font()->size(), 20);
    EXPECT_NEAR(cjk->typographicBounds({0, 0}, nullptr, nullptr, nullptr), 60, 3);  // a full em each
}

TEST(FontText, LatinAndChineseTextDrawnWhereMeasured) {
    for (const char* text : {"Keelbox", "路由器管理"}) {
        auto font = Font::createWithName("Helvetica", 20);
        auto ctx = cg::Context::createImageContext({200, 40}, false, 2);
        ctx->setRGBFillColor(0, 0, 0, 1);
        cg::Size size = drawInRect(*ctx, text, cg::RectMake(10, 5, 180, 30), font);
        EXPECT_EQ(size, sizeWithFont(text, font));
        cg::Rect ink = inkBox(*ctx);
        ASSERT_FALSE(cg::RectIsNull(ink)) << text;
        // Ink lies inside the measured box (in pixels at scale 2), with a
        // pixel of slack for antialiasing.
        EXPECT_GE(ink.origin.x, 20 - 2) << text;
        EXPECT_LE(cg::RectGetMaxX(ink), (10 + size.width) * 2 + 2) << text;
        EXPECT_GE(ink.origin.y, 10 - 1) << text;
        EXPECT_LE(cg::RectGetMaxY(ink), (5 + size.height) * 2 + 1) << text;
        EXPECT_GT(ink.size.width, size.width * 2 * 0.8) << text;
    }
}

TEST(FontText, FrameDrawsInAFlippedContextInItsColourWithShadow) {
    ns::Attributes attrs;
    attrs.set(kFontAttributeName, ns::Value(Font::createWithName("Helvetica-Bold", 20)));
    attrs.set(kForegroundColorAttributeName, ns::Value(cg::Color::createRGB(1, 0, 0, 1)));
    auto text = ns::AttributedString::create("HHHH", attrs);
    auto frame = Framesetter::create(*text)->createFrame({0, 0}, cg::Path::withRect(cg::RectMake(0, 0, 100, 60)));
    auto ctx = cg::Context::createImageContext({100, 60}, false, 1);
    ctx->setRecording(true);
    ctx->saveGState();
    ctx->translateCTM(0, 60);
    ctx->scaleCTM(1, -1);
    ctx->setShadowWithColor({0, 6}, 0, cg::Color::createRGB(0, 0, 1, 1));
    frame->draw(*ctx);
    ctx->restoreGState();
    cg::Rect ink = inkBox(*ctx);
    ASSERT_FALSE(cg::RectIsNull(ink));
    // The first line hangs from the top, upright: its ink starts near the top.
    EXPECT_LT(ink.origin.y, 10);
    // Red glyphs with a blue shadow 6 points below them.
    bool red = false, blue = false;
    for (std::size_t y = 0; y < 60; ++y) {
        for (std::size_t x = 0; x < 100; ++x) {
            auto p = ctx->pixel(x, y);
            if (p.a > 0.9 && p.r > 0.9 && p.b < 0.1) red = true;
            if (p.a > 0.9 && p.b > 0.9 && p.r < 0.1) blue = true;
        }
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);
    ASSERT_EQ(ctx->recordedCalls().size(), 1u);
    EXPECT_EQ(ctx->recordedCalls()[0].op, cg::DrawOp::ShowText);
    EXPECT_EQ(ctx->recordedCalls()[0].text, "HHHH");
    EXPECT_EQ(ctx->recordedCalls()[0].fontName, "Helvetica-Bold");
}
