// The attributed label on a window, driven as a finger would: links are
// drawn in the link style, a tap on a link opens it (even on the right half
// of its last character), a tap on plain text reaches the view behind, and
// a finger that wanders off cancels the link.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/TextAttributes.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "tests/uikit/LoggedWarnings.h"
#include "uikit/LXAttributedLabel.h"
#include "uikit/LXCommodityConstructors.h"
#include "uikit/TextCheckingResultExtendedURL.h"

namespace keelbox::test {
namespace {

using Constructors = LXCommodityConstructors;

constexpr const char* kText = "see http://example.com";
constexpr ns::Range kLinkRange{4, 18};

class RefusingDelegate : public LXAttributedLabelDelegate {
public:
    bool attributedLabelShouldFollowLink(const LXAttributedLabel&, const ns::TextCheckingResult&) override {
        ++asked;
        return false;
    }
    int asked = 0;
};

class AttributedLabelOnAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->setBackgroundColor(ui::Color::whiteColor());
        window->makeKeyAndVisible();
        behind = ui::Button::create(cg::RectMake(0, 0, 320, 200));
        behind->addTarget(target, "pressed", [this](ui::Control&) { ++pressedBehind; }, ui::ControlEventTouchUpInside);
        window->addSubview(behind);
        label = LXAttributedLabel::create(cg::RectMake(10, 50, 300, 40));
        label->setText(kText);
        window->addSubview(label);
    }

    // A window point on the character at `index`, `fraction` of the way
    // across it, in the middle of its line.
    cg::Point pointOnCharacter(std::size_t index, double fraction) const {
        auto frame = label->textFrame();
        const auto origins = frame->lineOrigins();
        const cg::Rect area = label->drawingRect();
        for (std::size_t i = 0; i < frame->lines().size(); ++i) {
            const auto& line = frame->lines()[i];
            if (!line->stringRange().contains(index)) continue;
            const double from = line->offsetForStringIndex(index), to = line->offsetForStringIndex(index + 1);
            const double baselineFromTop = area.size.height - origins[i].y;
            const cg::Point inLabel{area.origin.x + origins[i].x + from + (to - from) * fraction,
                                    label->bounds().size.height - cg::RectGetMaxY(area) + baselineFromTop -
                                        line->ascent() / 2};
            return label->convertPointToView(inLabel, nullptr);
        }
        ADD_FAILURE() << "no line holds character " << index;
        return {};
    }

    std::vector<std::string> opened() const { return ui::Application::sharedApplication()->openedURLs(); }

    ui::WindowPtr window;
    std::shared_ptr<ui::Button> behind;
    std::shared_ptr<ns::Object> target = std::make_shared<ns::Object>();
    int pressedBehind = 0;
    LXAttributedLabelPtr label;
    ScreenDriver screen;
};

TEST_F(AttributedLabelOnAWindow, DrawsTheDetectedLinkInTheLinkStyle) {
    auto drawn = label->attributedTextWithLinks();
    ns::Range colored;
    EXPECT_EQ(Constructors::textColorAtIndex(*drawn, 10, &colored), ui::Color::blueColor());
    EXPECT_EQ(colored, kLinkRange);
    EXPECT_EQ(Constructors::textUnderlineStyleAtIndex(*drawn, 10), 1);
    EXPECT_EQ(Constructors::textColorAtIndex(*drawn, 0), ui::Color::blackColor());
    EXPECT_EQ(Constructors::textUnderlineStyleAtIndex(*drawn, 0), 0);

    // On the pixels: blue only right of where the link starts.
    cg::beginImageContext(label->bounds().size, false, 1);
    label->drawRect(label->bounds());
    auto image = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    ASSERT_TRUE(image);
    const double linkStartX = pointOnCharacter(kLinkRange.location, 0).x - label->frame().origin.x;
    std::size_t bluePixels = 0, blueBeforeLink = 0, darkPixels = 0;
    for (std::size_t y = 0; y < image->height(); ++y)
        for (std::size_t x = 0; x < image->width(); ++x) {
            const cg::RGBA p = image->pixel(x, y);
            if (p.a < 0.5) continue;
            if (p.b > 0.6 && p.r < 0.4 && p.g < 0.4) {
                ++bluePixels;
                if (double(x) < linkStartX - 1) ++blueBeforeLink;
            } else if (p.r < 0.4 && p.g < 0.4 && p.b < 0.4) {
                ++darkPixels;
            }
        }
    EXPECT_GT(bluePixels, 50u);
    EXPECT_GT(darkPixels, 10u) << "the plain text stays black";
    EXPECT_EQ(blueBeforeLink, 0u);

    // What the label shows is its attributed text, whatever its plain text.
    label->setAttributedText(ns::AttributedString::create("styled only"));
    EXPECT_EQ(screen.viewWithText("styled only"), label);
}

TEST_F(AttributedLabelOnAWindow, TheTouchedLinkIsHighlightedOverItsOwnCharactersOnly) {
    // Unstyled, the link shares its glyph run with the text after it.
    label->setText("see http://example.com now");
    label->setLinkColor(std::nullopt);
    label->setUnderlineLinks(false);
    label->setActiveLink(label->linkAtCharacterIndex(10));
    ASSERT_TRUE(label->activeLink());

    cg::beginImageContext(label->bounds().size, false, 1);
    label->drawRect(label->bounds());
    auto image = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    // The fill behind the link is white 0.4 at alpha 0.3; the text is opaque.
    double left = 1e9, right = -1;
    for (std::size_t y = 0; y < image->height(); ++y)
        for (std::size_t x = 0; x < image->width(); ++x) {
            const cg::RGBA p = image->pixel(x, y);
            if (p.a > 0.2 && p.a < 0.4 && std::abs(p.r - 0.4) < 0.05) {
                left = std::min(left, double(x));
                right = std::max(right, double(x) + 1);
            }
        }
    const double origin = label->frame().origin.x;
    EXPECT_NEAR(left, pointOnCharacter(kLinkRange.location, 0).x - origin, 2.5);
    EXPECT_NEAR(right, pointOnCharacter(kLinkRange.max(), 0).x - origin, 2.5);
}

TEST_F(AttributedLabelOnAWindow, LinkStyleBitsDecideUnderlineAndWeight) {
    struct Case {
        const char* name;
        std::int32_t style;
        std::int32_t underline;
        bool bold;
    };
    const Case cases[] = {
        {"default", 1, 1, false},
        {"bold and underlined", (3 << 16) | 1, (3 << 16) | 1, true},
        {"not bold, no underline", 2 << 16, 0, false},
        {"pattern only", 0x100, 0x100, false},
    };
    for (const auto& c : cases) {
        label->setFont(ui::Font::boldSystemFontOfSize(15));
        label->setLinkUnderlineStyle(c.style);
        auto drawn = label->attributedTextWithLinks();
        EXPECT_EQ(Constructors::textUnderlineStyleAtIndex(*drawn, 10), c.underline) << c.name;
        const bool keepsWeight = (c.style >> 16) == 0;
        EXPECT_EQ(Constructors::textIsBoldAtIndex(*drawn, 10), keepsWeight || c.bold) << c.name;
        EXPECT_EQ(Constructors::textColorAtIndex(*drawn, 10), ui::Color::blueColor()) << c.name;
    }
    label->setLinkUnderlineStyle(1);
    label->setUnderlineLinks(false);
    EXPECT_EQ(Constructors::textUnderlineStyleAtIndex(*label->attributedTextWithLinks(), 10), 0);
}

TEST_F(AttributedLabelOnAWindow, ATapOnTheRightHalfOfTheLinksLastCharacterOpensIt) {
    ASSERT_TRUE(screen.tapAt(pointOnCharacter(kLinkRange.max() - 1, 0.8)));
    EXPECT_EQ(opened(), std::vector<std::string>{"http://example.com"});
    EXPECT_EQ(pressedBehind, 0);
    EXPECT_FALSE(label->activeLink()) << "the touch is over";
}

TEST_F(AttributedLabelOnAWindow, ATapOnPlainTextReachesTheViewBehind) {
    ASSERT_TRUE(screen.tapAt(pointOnCharacter(1, 0.5)));
    EXPECT_EQ(pressedBehind, 1);
    EXPECT_TRUE(opened().empty());
}

TEST_F(AttributedLabelOnAWindow, AFingerThatWandersFollowsTheLinkOnlyWhileNearWhereItBegan) {
    struct Case {
        const char* name;
        double moveBy;
        bool follows;
    };
    const Case cases[] = {{"ends 9 points off on plain text", 9, true}, {"moves more than 10 points", 11, false}};
    for (const auto& c : cases) {
        const std::size_t before = opened().size();
        const cg::Point start = pointOnCharacter(kLinkRange.location, 0.3);
        ASSERT_TRUE(screen.finger().down(window, start));
        screen.finger().moveTo({start.x - c.moveBy, start.y});
        screen.finger().up();
        drainMainLoop();
        EXPECT_EQ(opened().size() - before, c.follows ? 1u : 0u) << c.name;
        EXPECT_FALSE(label->activeLink()) << c.name;
    }
}

TEST_F(AttributedLabelOnAWindow, TheDelegateMayKeepALinkClosed) {
    auto delegate = std::make_shared<RefusingDelegate>();
    label->setDelegate(delegate);
    ASSERT_TRUE(screen.tapAt(pointOnCharacter(10, 0.5)));
    EXPECT_EQ(delegate->asked, 1);
    EXPECT_TRUE(opened().empty());
}

TEST(LXAttributedLabelLinks, ExtendedURLsOfPhoneNumbersAndAddresses) {
    auto phone = ns::TextCheckingResult::phoneNumberResult({0, 12}, "010 8888 123");
    EXPECT_EQ(extendedURL(*phone)->absoluteString(), "tel:0108888123");
    auto address = ns::TextCheckingResult::addressResult(
        {0, 10}, ns::Dictionary{{"Street", "Main_St"}, {"City", "Springfield"}, {"ZIP", "12345"}});
    EXPECT_EQ(extendedURL(*address)->absoluteString(), "http://maps.apple.com/maps?q=Main_St,Springfield,12345");
    auto link = ns::TextCheckingResult::linkResult({0, 3}, ns::URL::URLWithString("http://a.b"));
    EXPECT_EQ(extendedURL(*link)->absoluteString(), "http://a.b");
}

TEST(LXAttributedLabelText, SetTextTrimsAndDrawsTheStoredTextItselfWithoutLinks) {
    auto label = LXAttributedLabel::create(cg::RectMake(0, 0, 200, 40));
    label->setText("\r\nfirst\r\nsecond \r\n");
    EXPECT_EQ(label->attributedText()->string(), "first\nsecond");
    label->setAutomaticallyAddLinksForType(0);
    EXPECT_EQ(label->attributedTextWithLinks(), label->attributedText());

    // The drawing area grows 10 points downwards even when the text fits.
    label->setText("fits");
    label->setExtendBottomToFit(true);
    const cg::Rect area = label->drawingRect();
    EXPECT_EQ(area.origin.y, -10);
    EXPECT_EQ(area.size.height, 50);
}

TEST(LXAttributedLabelText, WarnsOfTheSettingsItIgnores) {
    const std::string truncation =
        "[LXAttributedLabel] Warning: \"UILineBreakMode...Truncation\" lineBreakModes are not yet fully supportedby "
        "CoreText and LXAttributedLabel. See https://keelbox.example/issues/attributed-label-truncation";
    const std::string autoShrink =
        "[LXAttributedLabel] Warning: the \"adjustsFontSizeToFitWidth\" property is not supported by CoreText. It "
        "will be ignored by LXAttributedLabel.";
    const std::string lines =
        "[LXAttributedLabel] Warning: the \"numberOfLines\" property is not yet supported by CoreText. It will be "
        "ignored by LXAttributedLabel. See https://keelbox.example/issues/attributed-label-number-of-lines";
    auto label = LXAttributedLabel::create(cg::RectMake(0, 0, 200, 40));
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> logged;
    };
    const Case cases[] = {
        {"word wrapping", [&] { label->setLineBreakMode(ui::LineBreakMode::WordWrapping); }, {}},
        {"truncating", [&] { label->setLineBreakMode(ui::LineBreakMode::TruncatingMiddle); }, {truncation}},
        {"auto-shrink", [&] { label->setAdjustsFontSizeToFitWidth(true); }, {autoShrink}},
        {"two lines", [&] { label->setNumberOfLines(2); },
         {lines, "  (To avoid this warning, set the numberOfLines property to 0)"}},
        {"any number of lines", [&] { label->setNumberOfLines(0); }, {}},
        {"from an interface file", [&] { label->awakeFromInterfaceFile(); },
         {truncation,
          "  (To avoid this warning, change this property in your XIB file to another lineBreakMode value)",
          autoShrink, "  (To avoid this warning, uncheck the 'Autoshrink' property in your XIB file)"}},
    };
    for (const auto& c : cases) {
        LoggedWarnings warnings;
        c.change();
        EXPECT_EQ(warnings.lines, c.logged) << c.name;
    }
}

}  // namespace
}  // namespace keelbox::test
