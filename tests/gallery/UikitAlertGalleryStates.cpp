// The queued alert's looks over the running application: title, message
// and two buttons side by side; one button; three stacked with a cancel
// button set apart; a caller's view in the message's place; a long message
// cut to five lines.
#include <gtest/gtest.h>

#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "tests/gallery/GalleryRegistry.h"
#include "uikit/MAAlertView.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

// Long enough for the entrance to end.
constexpr double kEntranceSeconds = 1.0;

void showUp(AppFixture& app, const MAAlertViewPtr& alert) {
    ASSERT_TRUE(app.launch());
    alert->show();
    app.screen().wait(kEntranceSeconds);
    EXPECT_TRUE(app.screen().alert()) << app.screen().describe();
}

MAAlertViewPtr withButtons(MAAlertViewPtr alert, const std::vector<std::pair<std::string, int>>& buttons) {
    for (const auto& [title, type] : buttons) alert->addButtonWithTitle(title, type, nullptr);
    return alert;
}

// A view as a screen builds one for the alert: two labelled fields.
ui::ViewPtr speedLimitView() {
    const double width = MAAlertView::getContainerWidth();
    auto view = ui::View::create(cg::RectMake(0, 0, width, 84));
    const char* names[] = {"Upload (KB/s)", "Download (KB/s)"};
    const char* values[] = {"128", "1024"};
    for (int i = 0; i < 2; ++i) {
        auto label = ui::Label::create(cg::RectMake(0, 4 + 42.0 * i, 120, 34));
        label->setText(names[i]);
        label->setFont(ui::Font::systemFontOfSize(14));
        label->setTextColor(ui::Color::white(0.2));
        view->addSubview(label);
        auto field = ui::TextField::create(cg::RectMake(124, 4 + 42.0 * i, width - 124, 34));
        field->setText(values[i]);
        field->setBackgroundColor(ui::Color::whiteColor());
        field->layer()->setBorderWidth(0.5);
        field->layer()->setBorderColor(ui::Color::white(0.7));
        field->layer()->setCornerRadius(4);
        view->addSubview(field);
    }
    return view;
}

}  // namespace

void registerUikitAlertGalleryStates() {
    GalleryRegistry::add("uikit_alert_title_message_two_buttons", [](AppFixture& app) {
        showUp(app, withButtons(MAAlertView::create("Unbind router", "Make sure to unbind the router \"Keelbox-5G\"."),
                                {{"Cancel", MAAlertViewButtonTypeCancel}, {"Sure", MAAlertViewButtonTypeDefault}}));
    });
    GalleryRegistry::add("uikit_alert_one_button", [](AppFixture& app) {
        showUp(app, withButtons(MAAlertView::create("", "The USB disk can now be removed safely."),
                                {{"OK", MAAlertViewButtonTypeDefault}}));
    });
    GalleryRegistry::add("uikit_alert_stacked_with_cancel", [](AppFixture& app) {
        showUp(app, withButtons(MAAlertView::create("Guest network", "Choose what to do with the guest network."),
                                {{"Keep it on", MAAlertViewButtonTypeDefault},
                                 {"Switch it off", MAAlertViewButtonTypeDestructive},
                                 {"Cancel", MAAlertViewButtonTypeCancel}}));
    });
    GalleryRegistry::add("uikit_alert_custom_view", [](AppFixture& app) {
        auto alert = MAAlertView::createWithCustomView(speedLimitView());
        alert->setTitle("Speed limit");
        showUp(app, withButtons(alert, {{"Cancel", MAAlertViewButtonTypeCancel}, {"Sure", MAAlertViewButtonTypeDefault}}));
    });
    GalleryRegistry::add("uikit_alert_long_message", [](AppFixture& app) {
        showUp(app, withButtons(MAAlertView::create("Upgrade the router",
                                                    "The router restarts to finish the upgrade. Every device loses "
                                                    "its connection for about two minutes, downloads in progress stop "
                                                    "and have to start again, and the guest network is switched off "
                                                    "until the router is back. Keep the router plugged in while its "
                                                    "light blinks; pulling the plug now can leave it unable to start."),
                                {{"Later", MAAlertViewButtonTypeCancel}, {"Upgrade", MAAlertViewButtonTypeDefault}}));
    });
}

}  // namespace keelbox::gallery
