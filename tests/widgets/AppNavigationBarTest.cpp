// The application's own navigation bar: where its buttons and title sit,
// their sizes, the pressed images, and which buttons send the screen's
// actions.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/ui/Device.h"
#include "platform/ui/Label.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "widgets/AppNavigationBar.h"

namespace keelbox::test {
namespace {

class Taps : public ns::Object {
public:
    void left() { ++lefts; }
    int lefts = 0;
};

double textWidth(const std::string& text) {
    return ui::Font::systemFontOfSize(AppNavigationBar::kButtonFontSize).sizeOfString(text).width;
}

class AppNavigationBarTest : public ::testing::Test {
public:
    void SetUp() override { bar = AppNavigationBar::create(cg::RectMake(0, 0, 320, 64)); }
    AppNavigationBarPtr bar;
};

TEST_F(AppNavigationBarTest, ButtonsAreAtLeast44WideAndKeepTheirOuterEdges) {
    bar->setLeftBarItemText("Back");
    auto left = bar->leftBarButtonItem();
    ASSERT_TRUE(left);
    EXPECT_EQ(left->currentTitle(), "Back");
    EXPECT_EQ(left->frame(), cg::RectMake(2, 20, std::max(44.0, textWidth("Back") + 15), 44));
    bar->setLeftBarItemText("Cancel the whole thing");
    EXPECT_EQ(bar->leftBarButtonItem()->frame().size.width, textWidth("Cancel the whole thing") + 15);
    EXPECT_FALSE(left->superview()) << "the earlier button is replaced";

    // A 22-point image, the narrowest of the bar's icons.
    bar->setRightBarItemImage(ui::Image::imageNamed("home_menu_ic"));
    auto right = bar->rightBarButtonItem();
    EXPECT_EQ(right->frame(), cg::RectMake(320 - 2 - 22 - 22, 20, 44, 44)) << "widened leftwards by 22";
    EXPECT_EQ(right->imageForState(ui::ControlStateNormal)->name(), "home_menu_ic");
    ASSERT_TRUE(right->imageForState(ui::ControlStateHighlighted));
    EXPECT_NE(right->imageForState(ui::ControlStateHighlighted), right->imageForState(ui::ControlStateNormal));

    bar->setRightBarItemText("Save");
    EXPECT_EQ(bar->rightBarButtonItem()->currentTitle(), "Save");
    EXPECT_EQ(cg::RectGetMaxX(bar->rightBarButtonItem()->frame()), 318);
}

TEST_F(AppNavigationBarTest, EachLeftStyleHasItsLook) {
    struct Case {
        int style;
        std::string text;
        std::string image;
        std::string title;
    };
    const std::vector<Case> cases{
        {1, "", "topbar_ic_back", ""},         {1, "Back", "", "Back"},
        {2, "", "topbar_ic_back_b", ""},       {3, "My Wi-Fi", "left_button_mywifi_nav", "My Wi-Fi"},
        {4, "Phone", "device-home_wifi00", "Phone"}, {7, "Lost", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        bar->setLeftBarItemText(c.text, c.style);
        auto button = bar->leftBarButtonItem();
        ASSERT_TRUE(button);
        auto image = button->imageForState(ui::ControlStateNormal);
        EXPECT_EQ(image ? image->name() : "", c.image);
        EXPECT_EQ(button->currentTitle(), c.title);
        EXPECT_GE(button->frame().size.width, 44);
        EXPECT_EQ(button->frame().origin.x, 2);
        EXPECT_EQ(button->imageView()->contentMode(), ui::ContentMode::Left);
    }
    bar->setLeftBarItemText(std::string(200, 'W'), AppNavigationBar::LeftStyleMyWiFi);
    EXPECT_EQ(bar->leftBarButtonItem()->frame().size.width, std::ceil(320 * 3 / 4.0)) << "capped";
    bar->setLeftBarItemText("Phone", AppNavigationBar::LeftStyleDevice);
    EXPECT_EQ(bar->leftBarButtonItem()->currentTitleColor(), ui::OptionalColor(ui::Color::rgb255(102, 102, 102)));
}

TEST_F(AppNavigationBarTest, TheTitleSpansBetweenTheInsetsBelowTheStatusBar) {
    bar->setTitle("Devices");
    auto title = std::dynamic_pointer_cast<ui::Label>(bar->titleView());
    ASSERT_TRUE(title);
    EXPECT_EQ(title->frame(), cg::RectMake(60, 20, 200, 44));
    EXPECT_EQ(title->textColor(), ui::Color::rgb255(51, 51, 51));
    EXPECT_EQ(title->font().pointSize(), 18);
    bar->setTitle("Devices", ui::Color::whiteColor());
    EXPECT_EQ(std::dynamic_pointer_cast<ui::Label>(bar->titleView())->textColor(), ui::Color::whiteColor());
}

TEST_F(AppNavigationBarTest, BeforeIOS7ItemsTakeTheWholeBarForGood) {
    auto device = ui::Device::currentDevice();
    const std::string version = device->systemVersion;
    device->systemVersion = "6.1";
    auto old = AppNavigationBar::create(cg::RectMake(0, 0, 320, 44));
    device->systemVersion = version;
    EXPECT_TRUE(AppNavigationBar::oldSystemFlag());
    old->setLeftBarItemText("Back");
    EXPECT_EQ(old->leftBarButtonItem()->frame().origin.y, 0);
    EXPECT_EQ(old->leftBarButtonItem()->frame().size.height, 44);
    EXPECT_EQ(AppNavigationBar::create(cg::RectMake(0, 0, 320, 44))->itemTop(), 0) << "the flag stays";
    AppNavigationBar::resetOldSystemFlagForTesting();
}

TEST_F(AppNavigationBarTest, ButtonsMadeAfterTheTargetIsKnownSendItsAction) {
    auto window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    window->makeKeyAndVisible();
    window->addSubview(bar);
    ScreenDriver screen;
    auto taps = std::make_shared<Taps>();

    bar->setLeftBarItemText("Early");
    auto early = bar->leftBarButtonItem();
    bar->setRightBarItemText("Right");
    bar->addLeftBarItemTarget(taps, &Taps::left, "left");
    ASSERT_TRUE(screen.tap(early));
    EXPECT_EQ(taps->lefts, 1) << "the current left button is wired when the target arrives";
    ASSERT_TRUE(screen.tap(bar->rightBarButtonItem()));
    EXPECT_EQ(taps->lefts, 1);

    bar->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
    ASSERT_TRUE(screen.tap(bar->leftBarButtonItem()));
    EXPECT_EQ(taps->lefts, 2);
    bar->setEnableLeftBarItem(false);
    EXPECT_FALSE(bar->isEnableLeftBarItem());
    EXPECT_FALSE(bar->leftBarButtonItem()->isEnabled());
}

}  // namespace
}  // namespace keelbox::test
