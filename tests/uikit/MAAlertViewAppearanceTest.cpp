// The look every alert gets from the class-wide defaults (and keeps when it
// comes back after a newer alert), values set on one alert winning over
// them, and the appearance setters restyling a shown alert.
#include <gtest/gtest.h>

#include "tests/uikit/AlertTestSupport.h"

namespace keelbox::test {
namespace {

const ui::Color kGreen = ui::Color::rgb255(10, 167, 75);

TEST_F(AlertTest, AlertsShowTheDefaultLookAndKeepItWhenTheyComeBack) {
    auto a = MAAlertView::create("Remove the device?", "It can join again later.");
    a->addButtonWithTitle("sure", MAAlertViewButtonTypeDefault, nullptr);
    a->addButtonWithTitle("remove", MAAlertViewButtonTypeDestructive, nullptr);
    a->addButtonWithTitle("cancel", MAAlertViewButtonTypeCancel, nullptr);
    // Set on this alert: the class-wide blue does not replace it.
    a->setDestructiveButtonColor(ui::Color::redColor());
    a->show();
    advance(kSettle);

    auto expectTheLook = [&] {
        const auto& panel = a->containerView();
        ASSERT_TRUE(panel);
        EXPECT_EQ(panel->backgroundColor(), ui::OptionalColor(ui::Color::white(0.95, 0.98)));
        EXPECT_EQ(panel->layer()->cornerRadius(), 5);
        EXPECT_EQ(panel->layer()->shadowRadius(), 0);
        EXPECT_EQ(a->titleLabel()->font(), ui::Font::boldSystemFontOfSize(20));
        EXPECT_EQ(a->titleLabel()->textColor(), ui::Color::blackColor());
        EXPECT_EQ(a->messageLabel()->font(), ui::Font::systemFontOfSize(16));
        EXPECT_EQ(a->messageLabel()->textColor(), ui::Color::white(1.0 / 3.0));

        const struct {
            std::size_t index;
            ui::Color color;
            bool pressedImage;
        } buttons[] = {{0, kGreen, true}, {1, ui::Color::redColor(), false}, {2, kGreen, true}};
        ASSERT_EQ(a->buttons().size(), 3u);
        for (const auto& b : buttons) {
            SCOPED_TRACE(b.index);
            const auto& button = a->buttons()[b.index];
            EXPECT_EQ(button->titleLabel()->font(), ui::Font::systemFontOfSize(ui::Font::buttonFontSize()));
            EXPECT_EQ(button->titleColorForState(ui::ControlStateNormal), ui::OptionalColor(b.color));
            EXPECT_EQ(button->titleColorForState(ui::ControlStateHighlighted),
                      ui::OptionalColor(b.color.colorWithAlphaComponent(0.8)));
            EXPECT_EQ(button->backgroundImageForState(ui::ControlStateNormal), nullptr);
            const auto pressed = button->backgroundImageForState(ui::ControlStateHighlighted);
            EXPECT_EQ(pressed != nullptr, b.pressedImage);
            if (pressed) {
                EXPECT_EQ(pressed->size(), (cg::Size{1, 1}));
            }
        }
    };
    {
        SCOPED_TRACE("first shown");
        expectTheLook();
    }
    auto newer = MAAlertView::create("Newer", "");
    newer->show();
    advance(2 * kSettle);
    newer->dismissAnimated(true);
    advance(2 * kSettle);
    ASSERT_TRUE(a->isVisible());
    {
        SCOPED_TRACE("back after the newer one, its buttons built anew");
        expectTheLook();
    }
}

TEST_F(AlertTest, AppearanceSettersRestyleTheShownAlert) {
    auto a = MAAlertView::create("Title", "Message");
    a->addButtonWithTitle("ok", MAAlertViewButtonTypeDefault, nullptr);
    a->addButtonWithTitle("no", MAAlertViewButtonTypeCancel, nullptr);
    a->show();
    advance(kSettle);
    const double before = a->containerView()->frame().size.height;

    a->setViewBackgroundColor(ui::Color::yellowColor());
    a->setTitleColor(ui::Color::redColor());
    a->setButtonColor(ui::Color::purpleColor());
    a->setCancelButtonImage(nullptr, ui::ControlStateHighlighted);
    a->setTitleFont(ui::Font::boldSystemFontOfSize(40));
    a->setCornerRadius(12);
    EXPECT_TRUE(a->isLayoutDirty());
    a->layoutIfNeeded();

    EXPECT_EQ(a->containerView()->backgroundColor(), ui::OptionalColor(ui::Color::yellowColor()));
    EXPECT_EQ(a->titleLabel()->textColor(), ui::Color::redColor());
    EXPECT_EQ(a->buttons()[0]->titleColorForState(ui::ControlStateNormal), ui::OptionalColor(ui::Color::purpleColor()));
    EXPECT_EQ(a->buttons()[1]->titleColorForState(ui::ControlStateNormal), ui::OptionalColor(kGreen)) << "cancel keeps its own";
    EXPECT_TRUE(a->buttons()[0]->backgroundImageForState(ui::ControlStateHighlighted));
    EXPECT_FALSE(a->buttons()[1]->backgroundImageForState(ui::ControlStateHighlighted));
    EXPECT_EQ(a->containerView()->layer()->cornerRadius(), 12);
    EXPECT_GT(a->containerView()->frame().size.height, before) << "a larger title font makes room";
}

}  // namespace
}  // namespace keelbox::test
