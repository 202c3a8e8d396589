// Layout under the fake metrics (narrow characters half an em, wide ones a
// full em, ascent 0.8 and descent 0.2 of the size), so that line breaks,
// origins and ranges are exact.
#include <gtest/gtest.h>

#include "platform/graphics/Framesetter.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/graphics/TextAttributes.h"

using namespace ct;

namespace {

class TextLayout : public ::testing::Test {
protected:
    ScopedFakeMetrics fake;
    FontPtr font = Font::createWithName("Helvetica", 10);

    std::vector<std::string> lineTexts(const std::string& text, cg::Size size, LineBreakMode mode = LineBreakMode::WordWrapping) {
        std::vector<std::string> out;
        for (const auto& l : layoutLines(text, font, size, mode)) out.push_back(l.text);
        return out;
    }

    std::shared_ptr<ns::AttributedString> styled(const std::string& text, std::vector<ParagraphStyleSetting> settings) {
        ns::Attributes attrs;
        attrs.set(kFontAttributeName, ns::Value(font));
        attrs.set(kParagraphStyleAttributeName, ns::Value(ParagraphStyle::create(settings)));
        return ns::AttributedString::create(text, attrs);
    }
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(TextLayout, FakeMetricsAreExact) {
    ASSERT_TRUE(font);
    EXPECT_EQ(font->ascent(), 8);
    EXPECT_EQ(font->descent(), 2);
    EXPECT_EQ(font->lineHeight(), 10);
    EXPECT_EQ(sizeWithFont("Hello world", font), cg::SizeMake(55, 10));
    EXPECT_EQ(sizeWithFont("你好😀", font), cg::SizeMake(30, 10));
    EXPECT_EQ(sizeWithFont("", font), cg::SizeZero);
}

TEST_F(TextLayout, LineBreaksOfStrings) {
    struct Case {
        std::string text;
        cg::Size size;
        LineBreakMode mode;
        V lines;
        cg::Size measured;
    } cases[] = {
        {"Hello world foo", {40, 100}, LineBreakMode::WordWrapping, {"Hello ", "world ", "foo"}, {25, 30}},
        // Spaces hang past the width instead of starting the next line.
        {"ab    cd", {10, 100}, LineBreakMode::WordWrapping, {"ab    ", "cd"}, {10, 20}},
        // A word longer than the width is broken between characters.
        {"abcdefgh", {20, 100}, LineBreakMode::WordWrapping, {"abcd", "efgh"}, {20, 20}},
        {"ab cdef", {20, 100}, LineBreakMode::CharWrapping, {"ab c", "def"}, {20, 20}},
        // Chinese breaks between any two characters; emoji are one character of two units.
        {"你好世界", {25, 100}, LineBreakMode::WordWrapping, {"你好", "世界"}, {20, 20}},
        {"😀😀😀", {25, 100}, LineBreakMode::WordWrapping, {"😀😀", "😀"}, {20, 20}},
        {"one\ntwo three", {100, 100}, LineBreakMode::WordWrapping, {"one\n", "two three"}, {45, 20}},
        // Only the lines that fit the height; the last one truncated when text remains.
        {"Hello world foo", {40, 25}, LineBreakMode::WordWrapping, {"Hello ", "world "}, {25, 20}},
        {"Hello world foo", {40, 25}, LineBreakMode::TruncatingTail, {"Hello ", "world f\u2026"}, {40, 20}},
        {"Hello world foo", {40, 5}, LineBreakMode::TruncatingHead, {"\u2026rld foo"}, {40, 10}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lineTexts(c.text, c.size, c.mode), c.lines) << c.text;
        EXPECT_EQ(sizeWithFont(c.text, font, c.size, c.mode), c.measured) << c.text;
    }
}

TEST_F(TextLayout, SingleLineWidthsAndShrinking) {
    EXPECT_EQ(sizeWithFont("Hello world", font, 30.0, LineBreakMode::TruncatingTail), cg::SizeMake(30, 10));
    EXPECT_EQ(sizeWithFont("Hello world", font, 30.0, LineBreakMode::Clipping), cg::SizeMake(30, 10));
    double actual = 0;
    EXPECT_EQ(sizeWithFont("Hello world", font, 6, &actual, 44, LineBreakMode::TruncatingTail), cg::SizeMake(44, 8));
    EXPECT_EQ(actual, 8);
    // Not below the minimum: then truncated at the minimum size.
    EXPECT_EQ(sizeWithFont("Hello world", font, 7.5, &actual, 22, LineBreakMode::TruncatingTail).height, 8);
    EXPECT_EQ(actual, 7.5);
    EXPECT_EQ(sizeWithFont("Hi", font, 6, &actual, 44, LineBreakMode::TruncatingTail), cg::SizeMake(10, 10));
    EXPECT_EQ(actual, 10);
}

TEST_F(TextLayout, FrameLinesOriginsAndRanges) {
    auto text = styled("ab cd\nef", {{ParagraphStyleSpecifier::Alignment, double(TextAlignment::Center)}});
    auto fs = Framesetter::create(*text);
    auto frame = fs->createFrame({0, 0}, cg::Path::withRect(cg::RectMake(0, 0, 100, 100)));
    ASSERT_EQ(frame->lines().size(), 2u);
    EXPECT_EQ(frame->lines()[0]->stringRange(), (ns::Range{0, 6}));
    EXPECT_EQ(frame->lines()[1]->stringRange(), (ns::Range{6, 2}));
    auto origins = frame->lineOrigins();
    EXPECT_EQ(origins[0], cg::PointMake(37.5, 92));
    EXPECT_EQ(origins[1], cg::PointMake(45, 82));
    EXPECT_EQ(frame->visibleStringRange(), (ns::Range{0, 8}));

    // A box one and a half lines tall shows one line.
    auto small = fs->createFrame({0, 0}, cg::Path::withRect(cg::RectMake(0, 0, 100, 15)));
    EXPECT_EQ(small->lines().size(), 1u);
    EXPECT_EQ(small->visibleStringRange(), (ns::Range{0, 6}));

    ns::Range fit;
    EXPECT_EQ(fs->suggestFrameSizeWithConstraints({0, 0}, {100, 0}, &fit), cg::SizeMake(25, 20));
    EXPECT_EQ(fit, (ns::Range{0, 8}));
    EXPECT_EQ(fs->suggestFrameSizeWithConstraints({0, 0}, {100, 15}, &fit), cg::SizeMake(25, 10));
    EXPECT_EQ(fit, (ns::Range{0, 6}));
    EXPECT_EQ(Framesetter::create(*ns::AttributedString::create(""))->suggestFrameSizeWithConstraints({0, 0}, {100, 100}),
              cg::SizeZero);
}

TEST_F(TextLayout, ParagraphSpacingIndentsAndLineHeights) {
    auto text = styled("aa bb\ncc", {{ParagraphStyleSpecifier::FirstLineHeadIndent, 10},
                                     {ParagraphStyleSpecifier::LineSpacing, 2},
                                     {ParagraphStyleSpecifier::ParagraphSpacing, 5},
                                     {ParagraphStyleSpecifier::MinimumLineHeight, 12}});
    auto frame = Framesetter::create(*text)->createFrame({0, 0}, cg::Path::withRect(cg::RectMake(0, 0, 30, 100)));
    // "aa " fits after the 10-point first-line indent; "bb\n" wraps without it.
    ASSERT_EQ(frame->lines().size(), 3u);
    auto o = frame->lineOrigins();
    // Lines are 12 tall (the minimum), the extra above the ascent.
    EXPECT_EQ(o[0], cg::PointMake(10, 100 - 10));
    EXPECT_EQ(o[1], cg::PointMake(0, 100 - (12 + 2) - 10));
    // A new paragraph: its first line indented again, after the paragraph spacing.
    EXPECT_EQ(o[2], cg::PointMake(10, 100 - 2 * (12 + 2) - 5 - 10));
}

TEST_F(TextLayout, PositionsIndicesAndTruncation) {
    ns::Attributes attrs;
    attrs.set(kFontAttributeName, ns::Value(font));
    auto line = Line::createWithAttributedString(*ns::AttributedString::create("ab cd ", attrs));
    double ascent, descent, leading;
    EXPECT_EQ(line->typographicBounds(&ascent, &descent, &leading), 30);
    EXPECT_EQ(ascent, 8);
    EXPECT_EQ(line->trailingWhitespaceWidth(), 5);
    EXPECT_EQ(line->imageBounds(), cg::RectMake(0, -2, 25, 10));
    struct { double x; std::size_t index; } hits[] = {{-3, 0}, {2, 0}, {3, 1}, {7, 1}, {8, 2}, {100, 6}};
    for (const auto& h : hits) EXPECT_EQ(line->stringIndexForPosition({h.x, 0}), h.index) << h.x;
    EXPECT_EQ(line->offsetForStringIndex(3), 15);
    EXPECT_EQ(line->offsetForStringIndex(99), 30);
    EXPECT_EQ(line->penOffsetForFlush(1, 45), 20);

    auto cut = line->createTruncatedLine(20, LineTruncationType::End, nullptr);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->width(), 20);
    EXPECT_EQ(cut->glyphRuns()[0]->text(), u"ab \u2026");
    auto middle = line->createTruncatedLine(20, LineTruncationType::Middle, nullptr);
    EXPECT_EQ(middle->glyphRuns()[0]->text(), u"ab\u2026d");
    EXPECT_FALSE(line->createTruncatedLine(2, LineTruncationType::End, nullptr));

    // Two fonts on one line: runs split, metrics are the larger font's.
    auto mixed = ns::AttributedString::create("aabb", attrs);
    mixed->addAttribute(kFontAttributeName, ns::Value(Font::createWithName("Helvetica-Bold", 20)), {2, 2});
    auto ml = Line::createWithAttributedString(*mixed);
    ASSERT_EQ(ml->glyphRuns().size(), 2u);
    EXPECT_EQ(ml->glyphRuns()[1]->stringRange(), (ns::Range{2, 2}));
    EXPECT_EQ(ml->glyphRuns()[1]->positions()[0].x, 10);
    EXPECT_EQ(ml->ascent(), 16);
    EXPECT_EQ(ml->width(), 30);
}
