// The time picker's confirmation and the health-mode help panel's close,
// each told only to a delegate that takes it.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "screens/wifi/TAVODatePickerViewController.h"
#include "screens/wifi/TAVOHealthModeHelpViewController.h"
#include "screens/wifi/TAVOHealthModeViewController.h"
#include "tests/support/screen/AppFixture.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::test {
namespace {

TEST(DatePicker, ConfirmingTellsTheDelegateEachTimeAndNothingWithoutOne) {
    struct Heard : TAVODatePickerViewControllerDelegate {
        std::vector<std::pair<std::string, bool>> times;
        void dateIsSet(const ns::Date& date, TAVODatePickerViewController& picker) override {
            times.emplace_back(TAVOHealthModeViewController::getDateString(date), picker.isOpen());
        }
    };
    auto picker = TAVODatePickerViewController::create();
    EXPECT_EQ(picker->titleLable()->text(), TAVOLocalizedString("设置WiFi开始时间"));
    EXPECT_EQ(picker->picker()->datePickerMode, ui::DatePickerMode::Time);
    EXPECT_EQ(picker->picker()->frame().origin.y, 41);
    EXPECT_EQ(picker->confirmButton()->frame().origin.y, 41 + 220);
    picker->setDate(*TAVOCommonUtility::getDateFromString("22:40"));
    picker->confirm();  // no delegate: nothing, and no crash

    auto heard = std::make_shared<Heard>();
    picker->setDelegate(heard);
    picker->setIsOpen(false);
    EXPECT_EQ(picker->titleLable()->text(), TAVOLocalizedString("setting wifi close time"));
    picker->confirm();
    picker->setIsOpen(true);
    picker->confirm();
    EXPECT_EQ(heard->times, (std::vector<std::pair<std::string, bool>>{{"22:40", false}, {"22:40", true}}));

    // A delegate that does not take the call hears nothing.
    auto silent = std::make_shared<TAVODatePickerViewControllerDelegate>();
    picker->setDelegate(silent);
    picker->confirm();
    EXPECT_EQ(heard->times.size(), 2u);
}

TEST(HealthModeHelpPanel, ClosingTellsADelegateThatListens) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    struct Heard : TAVOHealthModeHelpViewControllerDelegate {
        int closed = 0;
        void healthModeHelpViewControllerWillDismiss(TAVOHealthModeHelpViewController&) override { ++closed; }
    };
    auto panel = TAVOHealthModeHelpViewController::create();
    auto heard = std::make_shared<Heard>();
    panel->setDelegate(heard);
    app.push(panel);
    app.screen().wait(0.5);
    EXPECT_FALSE(panel->navBar()->superview()) << "the panel has no bar";
    EXPECT_TRUE(app.screen().viewWithText(TAVOLocalizedString("wifi time help text")));
    EXPECT_EQ(panel->logoView()->frame().origin.y, 25);
    EXPECT_EQ(panel->textLabel()->numberOfLines(), 2);

    auto popup = TAVOPopupViewController::create();
    panel->userDidClickClose(*popup);
    EXPECT_EQ(heard->closed, 1);
    panel->setDelegate(std::make_shared<TAVOHealthModeHelpViewControllerDelegate>());
    panel->userDidClickClose(*popup);
    EXPECT_EQ(heard->closed, 1);
}

}  // namespace
}  // namespace keelbox::test
