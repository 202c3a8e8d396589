// Where the parts of an alert's panel go: the panel's height and the
// frames of its title, its body (the message, or a caller's view in its
// place) and its buttons, from the heights of title and body and the types
// of the buttons. Plain arithmetic, so that the alert and its tests share
// one set of rules.
#pragma once

#include <optional>
#include <vector>

#include "platform/graphics/Geometry.h"

class MAAlertLayout {
public:
    static constexpr double kPanelWidth = 272;
    static constexpr double kSideInset = 15;
    static constexpr double kContentWidth = kPanelWidth - 2 * kSideInset;  // 242
    static constexpr double kTopInset = 12;
    static constexpr double kGap = 15;
    static constexpr double kButtonHeight = 44;
    static constexpr double kHairline = 0.5;
    // A trailing cancel button of a stacked list sits this much apart.
    static constexpr double kCancelOffset = 5;

    struct Content {
        std::optional<double> titleHeight;  // when there is a title
        std::optional<double> bodyHeight;   // when there is a message or a caller's view
        std::vector<int> buttonTypes;       // MAAlertViewButtonType of each button, in order
        int buttonsListStyle = 0;           // 0 lets two buttons share one row
    };

    struct Frames {
        cg::Rect panel;  // in the alert view
        std::optional<cg::Rect> title;
        std::optional<cg::Rect> body;
        std::vector<cg::Rect> buttons;  // in the panel
        double buttonsTop = 0;          // where the hairlines start
    };

    // Two buttons side by side in one row.
    static bool sharesOneRow(const Content& content);
    // A stacked list whose last button is a cancel button, set apart.
    static bool setsCancelApart(const Content& content);
    static double preferredHeight(const Content& content);
    // The panel centred in an alert view of the size.
    static Frames frames(const Content& content, const cg::Size& alertSize);
};
