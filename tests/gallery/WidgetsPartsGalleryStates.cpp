// The states of the password and free-text alerts, the switch row, the
// title strip, the speed labels and the popover controller, over the
// launched application.
#include <gtest/gtest.h>

#include <string>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Button.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "widgets/MAPasswordAlertView.h"
#include "widgets/MATextFieldAlertView.h"
#include "widgets/PopoverController.h"
#include "widgets/TAVOSpeedLabel.h"
#include "widgets/TAVOSwitcherCellView.h"
#include "widgets/TAVOViewPager.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

constexpr double kSettle = 1.0;

ui::LabelPtr label(const std::string& text, const cg::Rect& frame) {
    auto l = ui::Label::create(frame);
    l->setText(text);
    return l;
}

// A plain grey screen with a title, on top of the application's stack.
ui::ViewControllerPtr pushPlainScreen(AppFixture& app, const std::string& title) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::create();
    screen->view()->setBackgroundColor(ui::Color::white(248.0 / 255));
    auto heading = label(title, cg::RectMake(20, 30, 280, 30));
    heading->setFont(ui::Font::boldSystemFontOfSize(20));
    screen->view()->addSubview(heading);
    app.push(screen);
    app.screen().wait(kSettle);
    return screen;
}

MAPasswordAlertViewPtr routerPasswordAlert() {
    auto alert = MAPasswordAlertView::create("Keelbox-5G");
    alert->psw()->setPlaceholder(TAVOLocalizedString("placeholder for login router"));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel,
                              [](const MAPasswordAlertViewPtr& a) {
                                  a->dismissAnimated(true);
                                  return std::string();
                              });
    alert->addButtonWithTitle(TAVOLocalizedString("connect"), MAAlertViewButtonTypeDefault,
                              [](const MAPasswordAlertViewPtr&) { return std::string(); });
    return alert;
}

void showAlert(AppFixture& app, const MAAlertViewPtr& alert) {
    ASSERT_TRUE(app.launch());
    alert->show();
    app.screen().wait(kSettle);
    EXPECT_TRUE(app.screen().alert()) << app.screen().describe();
}

// The date picker a schedule screen shows in its bottom sheet.
class SchedulePicker : public ui::ViewController, public ContentViewControllerProtocol {
public:
    using ui::ViewController::ViewController;
    void viewDidLoad() override {
        ui::ViewController::viewDidLoad();
        view()->setBackgroundColor(ui::Color::whiteColor());
        auto title = label("Turn the Wi-Fi off at", cg::RectMake(20, 12, 280, 24));
        title->setFont(ui::Font::boldSystemFontOfSize(16));
        view()->addSubview(title);
        // The wheels draw nothing here: the chosen time stands in for them.
        // All of it within the top 300 points: the sheet's last 80 lie
        // below the screen's edge.
        auto picker = ui::DatePicker::create(cg::RectMake(0, 44, 320, 216));
        picker->datePickerMode = ui::DatePickerMode::Time;
        view()->addSubview(picker);
        const char* rows[] = {"21   28", "22   29", "23   30", "00   31", "01   32"};
        for (int i = 0; i < 5; ++i) {
            auto row = label(rows[i], cg::RectMake(0, 44 + 40.0 * i, 320, 40));
            row->setTextAlignment(ui::TextAlignment::Center);
            row->setFont(i == 2 ? ui::Font::boldSystemFontOfSize(24) : ui::Font::systemFontOfSize(18));
            row->setTextColor(i == 2 ? ui::Color::white(0.2) : ui::Color::white(0.7));
            view()->addSubview(row);
        }
        for (int i = 0; i < 2; ++i) {
            auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
            button->setFrame(cg::RectMake(20 + 150.0 * i, 250, 130, 40));
            button->setTitle(i == 0 ? TAVOLocalizedString("cancel") : std::string("Done"), ui::ControlStateNormal);
            button->setTitleColor(i == 0 ? ui::Color::white(0.4) : ui::Color::whiteColor(), ui::ControlStateNormal);
            button->setBackgroundColor(i == 0 ? ui::Color::white(0.93) : ui::Color::rgb255(10, 167, 75));
            button->layer()->setCornerRadius(6);
            view()->addSubview(button);
        }
    }
    std::shared_ptr<PopoverControllerProtocol> popoverDelegate() const override { return popover_.lock(); }
    void setPopoverDelegate(const std::shared_ptr<PopoverControllerProtocol>& d) override { popover_ = d; }

private:
    std::weak_ptr<PopoverControllerProtocol> popover_;
};

// A schedule screen keeps its popover and closes it when it goes, as the
// application's schedule screens do.
class ScheduleScreen : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    ~ScheduleScreen() override {
        if (popoverDelegate) popoverDelegate->dismissAnimated(false);
    }
    PopoverControllerPtr popoverDelegate;
};

}  // namespace

void registerWidgetsPartsGalleryStates() {
    GalleryRegistry::add("widgets_password_alert", [](AppFixture& app) {
        showAlert(app, routerPasswordAlert());
    });
    GalleryRegistry::add("widgets_password_alert_error", [](AppFixture& app) {
        auto alert = routerPasswordAlert();
        alert->showErrorMsg(TAVOLocalizedString("psw is null"));
        showAlert(app, alert);
    });
    GalleryRegistry::add("widgets_password_alert_editing", [](AppFixture& app) {
        auto alert = routerPasswordAlert();
        showAlert(app, alert);
        ASSERT_TRUE(app.screen().tap(alert->psw()));
        ASSERT_TRUE(app.screen().type("admin12"));
        app.screen().wait(kSettle);
    });
    GalleryRegistry::add("widgets_text_field_alert", [](AppFixture& app) {
        auto alert = MATextFieldAlertView::create("Device name");
        alert->inputView()->setPlaceholder(TAVOLocalizedString("placeholder for changing nick name"));
        alert->inputView()->setText("Living room TV");
        alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, nullptr);
        alert->addButtonWithTitle("OK", MAAlertViewButtonTypeDefault,
                                  [](const MATextFieldAlertViewPtr&) { return std::string(); });
        showAlert(app, alert);
    });
    GalleryRegistry::add("widgets_switch_rows", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Wi-Fi schedule");
        const char* titles[] = {"Turn the Wi-Fi off", "Turn the Wi-Fi on"};
        for (int i = 0; i < 2; ++i) {
            auto row = TAVOSwitcherCellView::create(cg::RectMake(0, 80 + 54.0 * i, 320, 44));
            row->settingTitle()->setText(titles[i]);
            row->switchControl()->setOn(i == 0);
            screen->view()->addSubview(row);
        }
        app.screen().wait(kSettle);
    });
    GalleryRegistry::add("widgets_view_pager", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Speed history");
        auto pager = TAVOViewPager::create(cg::RectMake(0, 80, 320, 40));
        // No screen makes one: plain white buttons, the chosen one pale green.
        pager->setNormalBGImage(TAVOCommonUtility::createImageFromColor(ui::Color::whiteColor(), {1, 1}));
        pager->setHighBGImage(TAVOCommonUtility::createImageFromColor(ui::Color::rgb255(227, 245, 234), {1, 1}));
        pager->setSplitImage(ui::Image::imageNamed("seperator_line"));
        pager->setTitlesArr({"Day", "Week", "Month"});
        pager->setSelectedIndex(1);
        screen->view()->addSubview(pager);
        app.screen().wait(kSettle);
    });
    GalleryRegistry::add("widgets_speed_labels", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Speeds");
        const double speeds[] = {0.04, 0.5, 1.6, 1024, 1048576, 5.5 * 1048576};
        for (int i = 0; i < 6; ++i) {
            auto speed = TAVOSpeedLabel::create(cg::RectMake(20 + 150.0 * (i % 2), 90 + 50.0 * (i / 2), 140, 40));
            if (i == 5) {
                speed->setSpeedTextSize(24);
                speed->setSpeedTextColor(ui::Color::rgb255(10, 167, 75));
            }
            speed->setSpeedKB(speeds[i]);
            screen->view()->addSubview(speed);
        }
        app.screen().wait(kSettle);
    });
    GalleryRegistry::add("widgets_popover_bottom_sheet", [](AppFixture& app) {
        ASSERT_TRUE(app.launch());
        auto screen = ui::ViewController::make<ScheduleScreen>();
        auto view = screen->view();
        view->setBackgroundColor(ui::Color::white(248.0 / 255));
        auto heading = label("Wi-Fi schedule", cg::RectMake(20, 30, 280, 30));
        heading->setFont(ui::Font::boldSystemFontOfSize(20));
        view->addSubview(heading);
        app.push(screen);
        app.screen().wait(kSettle);
        const cg::Size size = view->bounds().size;
        auto popover = PopoverController::create(ui::ViewController::make<SchedulePicker>());
        screen->popoverDelegate = popover;
        popover->setEventUnableThroughViews({popover->contentViewController()->view()});
        popover->setContentSize({size.width, 380}, false);
        popover->showFromRect(cg::RectMake(0, size.height + 80, size.width, 380), view, 2, 0);
        app.screen().wait(kSettle);
        EXPECT_TRUE(popover->popoverView()->window());
    });
    GalleryRegistry::add("widgets_popover_arrow", [](AppFixture& app) {
        ASSERT_TRUE(app.launch());
        auto screen = ui::ViewController::make<ScheduleScreen>();
        auto view = screen->view();
        view->setBackgroundColor(ui::Color::white(248.0 / 255));
        auto anchor = label("Guest network", cg::RectMake(20, 120, 160, 30));
        anchor->setFont(ui::Font::boldSystemFontOfSize(18));
        view->addSubview(anchor);
        app.push(screen);
        app.screen().wait(kSettle);
        auto content = ui::ViewController::create();
        content->view()->setBackgroundColor(ui::Color::clearColor());
        auto text = label("Guests reach the internet, not your devices.", cg::RectMake(12, 18, 216, 60));
        text->setNumberOfLines(3);
        content->view()->addSubview(text);
        auto popover = PopoverController::create(content);
        popover->setContentSize({240, 90}, false);
        popover->showFromRect(anchor->frame(), view, 0, 10);
        screen->popoverDelegate = popover;
        app.screen().wait(kSettle);
    });
}

}  // namespace keelbox::gallery
