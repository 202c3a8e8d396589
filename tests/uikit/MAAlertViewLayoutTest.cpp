// The panel's layout: its height from the title, the message (at least
// three, at most five lines) or a caller's view, and the buttons side by
// side or stacked; the frames of all of them and of the hairlines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/graphics/StringDrawing.h"
#include "platform/ui/Application.h"
#include "tests/uikit/AlertTestSupport.h"
#include "uikit/MAAlertLayout.h"
#include "uikit/MAAlertViewController.h"

namespace keelbox::test {
namespace {

constexpr int D = MAAlertViewButtonTypeDefault;
constexpr int X = MAAlertViewButtonTypeDestructive;
constexpr int C = MAAlertViewButtonTypeCancel;

const std::string kLongMessage =
    "The router restarts to finish the upgrade. Every device loses its connection for about two minutes, "
    "downloads in progress stop and have to start again, and the guest network is switched off until the "
    "router is back. Keep the router plugged in while its light blinks; pulling the plug now can leave it "
    "unable to start. You will be asked to sign in again afterwards.";

struct Row {
    const char* name;
    std::string title;
    std::string message;
    double customHeight;  // 0: no caller's view
    std::vector<int> types;
    int listStyle;
    // The height above the buttons, from the title's line T and the
    // message font's line L.
    std::function<double(double T, double L)> top;
    // The buttons' frames, y from the top of the buttons.
    std::vector<cg::Rect> buttons;
    bool horizontalLine;
    bool verticalLine;
};

TEST_F(AlertTest, ThePanelIsAsTallAsItsPartsAndLaysThemOutInOrder) {
    const double W = MAAlertLayout::kPanelWidth;
    const std::vector<Row> rows{
        {"title, message, two buttons", "Unbind router", "Make sure to unbind the router", 0, {C, D}, 0,
         [](double T, double L) { return 12 + T + 15 + 3 * L + 15; },
         {cg::RectMake(0, 0, W / 2, 44), cg::RectMake(W / 2, 0, W / 2, 44)}, true, true},
        {"message, one button", "", "Confirm safe quit of the USB disk", 0, {D}, 0,
         [](double, double L) { return 12 + 3 * L + 15; }, {cg::RectMake(0, 0, W, 44)}, true, false},
        {"three stacked, cancel last", "Restart", "", 0, {D, X, C}, 0,
         [](double T, double) { return 12 + T + 15; },
         {cg::RectMake(0, 0, W, 44), cg::RectMake(0, 44, W, 44), cg::RectMake(0, 93, W, 44)}, false, false},
        {"nothing but a button", "", "", 0, {D}, 0, [](double, double) { return 12.0; }, {cg::RectMake(0, 0, W, 44)},
         true, false},
        {"long message cut to five lines", "Upgrade", kLongMessage, 0, {D}, 0,
         [](double T, double L) { return 12 + T + 15 + std::ceil(5 * L) + 15; }, {cg::RectMake(0, 0, W, 44)}, true,
         false},
        {"a caller's view in the message's place", "Speed limit", "", 182, {C, D}, 0,
         [](double T, double) { return 12 + T + 15 + 182 + 15; },
         {cg::RectMake(0, 0, W / 2, 44), cg::RectMake(W / 2, 0, W / 2, 44)}, true, true},
        // Stacked by choice: the cancel button is set apart and the panel
        // grows for it rather than cutting it.
        {"two stacked by choice, cancel last", "Quit", "", 0, {D, C}, 1,
         [](double T, double) { return 12 + T + 15; }, {cg::RectMake(0, 0, W, 44), cg::RectMake(0, 49, W, 44)}, true,
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto alert = MAAlertView::create(row.title, row.message);
        ui::ViewPtr custom;
        if (row.customHeight > 0) {
            custom = ui::View::create(cg::RectMake(0, 0, MAAlertView::getContainerWidth(), row.customHeight));
            alert->setCustomizedViewInsteadOfMsgLabel(custom);
        }
        for (int type : row.types) alert->addButtonWithTitle("Button", type, nullptr);
        alert->setButtonsListStyle(row.listStyle);
        alert->show();
        advance(kSettle);

        const auto& panel = alert->containerView();
        ASSERT_TRUE(panel);
        const double T = alert->titleLabel() ? std::ceil(alert->titleLabel()->font().lineHeight()) : 0;
        const double L = alert->messageLabel() ? alert->messageLabel()->font().lineHeight() : 0;
        const double top = row.top(T, L);
        const double height = top + cg::RectGetMaxY(row.buttons.back());
        EXPECT_DOUBLE_EQ(alert->preferredHeight(), height);
        const cg::Size screenSize = alert->bounds().size;
        EXPECT_EQ(panel->frame(), cg::RectMake((screenSize.width - W) / 2, (screenSize.height - height) / 2, W, height));

        if (!row.title.empty()) {
            ASSERT_TRUE(alert->titleLabel());
            EXPECT_EQ(alert->titleLabel()->frame(), cg::RectMake(15, 12, 242, T));
        } else {
            EXPECT_FALSE(alert->titleLabel());
        }
        const double bodyTop = row.title.empty() ? 12 : 12 + T + 15;
        if (!row.message.empty()) {
            ASSERT_TRUE(alert->messageLabel());
            const cg::Rect frame = alert->messageLabel()->frame();
            EXPECT_EQ(frame.origin, cg::PointMake(15, bodyTop));
            EXPECT_EQ(frame.size.width, 242);
            const auto lines = ct::layoutLines(row.message, alert->messageLabel()->font().ctFont(), frame.size,
                                               alert->messageLabel()->lineBreakMode());
            EXPECT_LE(lines.size(), 5u);
            if (row.message == kLongMessage) {
                EXPECT_EQ(lines.size(), 5u);
                EXPECT_EQ(lines.back().text.substr(lines.back().text.size() - 3), "\u2026") << "cut short";
            }
        } else {
            EXPECT_FALSE(alert->messageLabel());
        }
        if (custom) {
            EXPECT_EQ(custom->frame(), cg::RectMake(15, bodyTop, 242, row.customHeight));
        }

        ASSERT_EQ(alert->buttons().size(), row.buttons.size());
        for (std::size_t i = 0; i < row.buttons.size(); ++i) {
            cg::Rect expected = row.buttons[i];
            expected.origin.y += top;
            EXPECT_EQ(alert->buttons()[i]->frame(), expected) << "button " << i;
            EXPECT_EQ(alert->buttons()[i]->tag(), static_cast<long>(i));
            EXPECT_LE(cg::RectGetMaxY(alert->buttons()[i]->frame()), height) << "inside the panel";
        }
        ASSERT_EQ(alert->horizontalLine() != nullptr, row.horizontalLine);
        ASSERT_EQ(alert->verticalLine() != nullptr, row.verticalLine);
        if (row.horizontalLine) {
            EXPECT_EQ(alert->horizontalLine()->frame(), cg::RectMake(0, top, W, MAAlertLayout::kHairline));
            // Over the buttons.
            const auto& subviews = panel->subviews();
            EXPECT_GT(std::find(subviews.begin(), subviews.end(), alert->horizontalLine()),
                      std::find(subviews.begin(), subviews.end(), alert->buttons().back()));
        }
        if (row.verticalLine && row.listStyle == 0) {
            EXPECT_EQ(alert->verticalLine()->frame(), cg::RectMake(W / 2 - 0.5, top, 0.5, height - top));
        }

        alert->dismissAnimated(false);
        EXPECT_FALSE(alert->containerView());
    }
}

TEST_F(AlertTest, ALongTitleShrinksToOneLineAndTheButtonsKeepTheirOrder) {
    auto alert = MAAlertView::create("A title far too long to fit the alert's width at its own size", "");
    alert->addButtonWithTitle("sure", D, nullptr);
    alert->addButtonWithTitle("remove", X, nullptr);
    alert->addButtonWithTitle("cancel", C, nullptr);
    alert->show();
    advance(kSettle);
    const auto& title = alert->titleLabel();
    ASSERT_TRUE(title);
    const double size = title->font().pointSize();
    EXPECT_LT(title->displayedFontSize(), size);
    EXPECT_GE(title->displayedFontSize(), size * 0.75);
    EXPECT_EQ(title->numberOfLines(), 1);
    ASSERT_TRUE(screen.alert());
    EXPECT_EQ(screen.alert()->buttonTitles(), (std::vector<std::string>{"sure", "remove", "cancel"}));
}

TEST_F(AlertTest, ARotationCentresThePanelInTheNewBounds) {
    auto alert = MAAlertView::create("Rotate", "The panel follows the screen");
    alert->addButtonWithTitle("OK", D, nullptr);
    alert->show();
    advance(kSettle);
    auto controller = std::dynamic_pointer_cast<MAAlertViewController>(alert->alertWindow()->rootViewController());
    ASSERT_TRUE(controller);
    controller->willRotateToInterfaceOrientation(ui::InterfaceOrientation::LandscapeLeft, 0.3);
    EXPECT_TRUE(alert->isLayoutDirty());
    EXPECT_TRUE(alert->containerView()->layer()->animationKeys().empty());
    const cg::Size landscape{alert->bounds().size.height, alert->bounds().size.width};
    alert->alertWindow()->setFrame(cg::Rect{{0, 0}, landscape});
    alert->alertWindow()->layoutIfNeeded();
    EXPECT_EQ(cg::RectGetMidX(alert->containerView()->frame()), landscape.width / 2);
    EXPECT_EQ(cg::RectGetMidY(alert->containerView()->frame()), landscape.height / 2);
}

}  // namespace
}  // namespace keelbox::test
