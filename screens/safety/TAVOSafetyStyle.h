// The look the safety screens share: their palette, their diagonal
// background gradients, and the way their texts single out a number.
#pragma once

#include <string>

#include "platform/foundation/Utf16.h"
#include "platform/graphics/AttributedString.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "widgets/TAVOGradientView.h"

class TAVOSafetyStyle {
public:
    TAVOSafetyStyle() = delete;

    static ui::Color safeGreen() { return ui::Color::rgb255(10, 167, 75); }
    static ui::Color warningRed() { return ui::Color::rgb255(241, 120, 87); }
    static ui::Color quietGrey() { return ui::Color::rgb255(187, 187, 187); }
    static ui::Color pageBackground() { return ui::Color::rgb255(248, 248, 248); }
    // Numbers inside white headlines stand out in this yellow.
    static ui::Color highlightYellow() { return ui::Color::rgb255(255, 235, 12); }

    struct Gradient {
        ui::Color topLeft;
        ui::Color bottomRight;
    };
    static Gradient safeGradient() { return {ui::Color::rgb255(132, 209, 126), ui::Color::rgb255(10, 167, 75)}; }
    static Gradient warningGradient() { return {ui::Color::rgb255(246, 211, 89), ui::Color::rgb255(238, 171, 0)}; }
    static Gradient dangerGradient() { return {ui::Color::rgb255(244, 192, 95), ui::Color::rgb255(234, 133, 13)}; }
    static Gradient lostGradient() { return {ui::Color::rgb255(244, 166, 129), ui::Color::rgb255(233, 81, 80)}; }
    static void paint(TAVOGradientView& view, const Gradient& gradient, bool animated);
    // Whether the view shows (or is fading to) the gradient.
    static bool isShown(const TAVOGradientView& view, const Gradient& gradient);

    // The first run of ASCII digits at or after `from` (UTF-16 units), or
    // a not-found range.
    static ns::Range firstDigitRun(const std::u16string& text, std::size_t from = 0);
    // One text in one font and colour.
    static ns::AttributedStringPtr styled(const std::string& text, const ui::Font& font, const ui::Color& color);
    // Colours the first run of digits of the text.
    static void colourFirstNumber(ns::AttributedString& text, const ui::Color& color);
};
