// The device screens' fixed texts in the fonts they are drawn with: every
// swipe button of every kind of row, the blacklist's button and the
// speed-limit dialog's labels fit their places on one line, so none is cut.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/app/TAVOLocalizedString.h"
#include "platform/graphics/StringDrawing.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "tests/screens/wifi/DeviceListDriver.h"

namespace keelbox::test {
namespace {

double oneLineWidth(const ui::Label& label) { return ct::sizeWithFont(label.text(), label.font().ctFont()).width; }

void expectTitleFits(ui::Button& button) {
    button.layoutIfNeeded();
    auto title = button.titleLabel();
    ASSERT_TRUE(title);
    EXPECT_LE(oneLineWidth(*title), button.bounds().size.width) << '"' << title->text() << '"';
}

// Every label with a text under the view, each within its own width.
void expectLabelsFit(const ui::ViewPtr& view) {
    if (auto* label = dynamic_cast<ui::Label*>(view.get()); label && !label->text().empty()) {
        EXPECT_LE(oneLineWidth(*label), label->bounds().size.width) << '"' << label->text() << '"';
    }
    for (const auto& sub : view->subviews()) expectLabelsFit(sub);
}

class DeviceTextsFit : public DeviceListDriver {};

TEST_F(DeviceTextsFit, EverySwipeButtonAndTheSpeedLimitDialog) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    // The phone's own row, a Wi-Fi device, a wired one cut off and one
    // connected, the unfamiliar device (its own two buttons).
    std::size_t measured = 0;
    for (const char* name : {"my-phone", "living-room-pad", "old-laptop", "office-pc"}) {
        SCOPED_TRACE(name);
        auto cell = deviceCell(name);
        ASSERT_TRUE(cell);
        for (const auto& button : cell->rightUtilityButtons()) expectTitleFits(*button);
        measured += cell->rightUtilityButtons().size();
    }
    EXPECT_GE(measured, 9u) << "two, three, three and three buttons";
    auto unfamiliar = std::dynamic_pointer_cast<TAVOUnfamiliarCell>(deviceCell("new-tablet"));
    ASSERT_TRUE(unfamiliar);
    expectTitleFits(*unfamiliar->accessBtn());
    expectTitleFits(*unfamiliar->forbiddenBtn());

    ASSERT_TRUE(pressSwipeButton("game-console", TAVOLocalizedString("limit speed")));
    ASSERT_TRUE(app.screen().alert());
    ASSERT_FALSE(list->bottomView()->isHidden()) << "a limited device shows its limits";
    expectLabelsFit(list->bottomView()->superview());
}

TEST_F(DeviceTextsFit, TheBlacklistsButton) {
    ASSERT_TRUE(launchAtHome());
    auto screen = TAVORouterBlackListViewController::create();
    app.push(screen);
    std::shared_ptr<TAVOBlackDeviceItemCell> cell;
    ASSERT_TRUE(app.screen().waitWhileTimePasses(
        [&] {
            screen->tableView()->layoutIfNeeded();
            cell = std::dynamic_pointer_cast<TAVOBlackDeviceItemCell>(
                screen->tableView()->cellForRowAtIndexPath(ui::IndexPath{0, 0}));
            return cell != nullptr;
        },
        kAnswerSeconds));
    cell->layoutIfNeeded();
    expectTitleFits(*cell->restoreButton());
}

}  // namespace
}  // namespace keelbox::test
