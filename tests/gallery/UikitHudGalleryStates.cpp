// The states of the progress HUD, the popup, the on/off switch and the page
// dots: each on a plain screen pushed over the launched application.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "uikit/DotPageControl.h"
#include "uikit/PGProgressHUD.h"
#include "uikit/ToggleSwitch.h"
#include "uikit/UIViewControllerPUPopupViewController.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

ui::LabelPtr label(const std::string& text, const cg::Rect& frame) {
    auto l = ui::Label::create(frame);
    l->setText(text);
    return l;
}

// A plain white screen with a title, on top of the application's stack.
ui::ViewControllerPtr pushPlainScreen(AppFixture& app, const std::string& title) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::create();
    screen->view()->setBackgroundColor(ui::Color::whiteColor());
    auto heading = label(title, cg::RectMake(20, 40, 280, 30));
    heading->setFont(ui::Font::boldSystemFontOfSize(20));
    screen->view()->addSubview(heading);
    screen->view()->addSubview(label("What the screen shows", cg::RectMake(20, 80, 280, 20)));
    app.push(screen);
    app.screen().wait(1.0);
    return screen;
}

void hudInMode(AppFixture& app, int mode) {
    auto screen = pushPlainScreen(app, "Progress HUD");
    auto hud = PGProgressHUD::showHUDAddedTo(screen->view(), false);
    hud->setMode(mode);
    hud->setProgress(0.6f);
    if (mode == PGProgressHUDModeCustomView) hud->setCustomView(ui::ImageView::createWithImage(ui::Image::imageNamed("success")));
    hud->setLabelText(mode == PGProgressHUDModeText ? "Saved" : "Loading");
    hud->setDetailsLabelText("The router is applying the new settings, please wait");
}

}  // namespace

void registerUikitHudGalleryStates() {
    for (int mode = PGProgressHUDModeIndeterminate; mode <= PGProgressHUDModeText; ++mode)
        GalleryRegistry::add("uikit_hud_mode_" + std::to_string(mode), [mode](AppFixture& app) { hudInMode(app, mode); });

    GalleryRegistry::add("uikit_popup_over_screen", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Popup");
        auto popup = ui::ViewController::create();
        popup->setView(ui::View::create(cg::RectMake(0, 0, 260, 300)));
        popup->view()->setBackgroundColor(ui::Color::whiteColor());
        popup->view()->layer()->setCornerRadius(8);
        popup->view()->addSubview(label("A popup card", cg::RectMake(20, 20, 220, 24)));
        UIViewControllerPUPopupViewController::presentPopupViewController(screen, popup, 0);
        app.screen().wait(UIViewControllerPUPopupViewController::kAnimationDuration);
    });

    GalleryRegistry::add("uikit_toggle_switch_states", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Toggle switch");
        const char* names[] = {"Off", "On", "Pressed"};
        ToggleSwitchPtr pressed;
        for (int i = 0; i < 3; ++i) {
            double y = 140 + i * 60;
            screen->view()->addSubview(label(names[i], cg::RectMake(20, y + 5, 120, 20)));
            auto toggle = ToggleSwitch::create(cg::RectMake(220, y, 50, 30));
            toggle->setOn(i == 1);
            screen->view()->addSubview(toggle);
            if (i == 2) pressed = toggle;
        }
        // A finger held on the third: its knob widens over a grey track.
        // The screen is laid out first, as it is before anyone can touch it.
        app.window()->layoutIfNeeded();
        app.screen().finger().down(app.window(), pressed->convertPointToView({25, 15}, nullptr));
        app.screen().wait(ToggleSwitch::kAnimationDuration);
    });

    GalleryRegistry::add("uikit_page_control_5_pages", [](AppFixture& app) {
        auto screen = pushPlainScreen(app, "Page control");
        auto strip = ui::View::create(cg::RectMake(0, 200, 320, 36));
        strip->setBackgroundColor(ui::Color::rgba(0.2, 0.5, 0.8));
        screen->view()->addSubview(strip);
        auto dots = DotPageControl::create(strip->bounds());
        dots->setNumberOfPages(5);
        dots->setCurrentPage(2);
        strip->addSubview(dots);
        auto tinted = DotPageControl::create(cg::RectMake(0, 260, 320, 36));
        tinted->setNumberOfPages(5);
        tinted->setCurrentPage(0);
        tinted->setIndicatorDiameter(10);
        tinted->setPageIndicatorTintColor(ui::Color::lightGrayColor());
        tinted->setCurrentPageIndicatorTintColor(ui::Color::rgba(0.30, 0.85, 0.39));
        tinted->setNeedsDisplay();
        screen->view()->addSubview(tinted);
    });
}

}  // namespace keelbox::gallery
