#include "app/lib/KeelboxMain.h"

#include <cstdlib>

#include "app/lib/TAVOStartupServices.h"
#include "core/app/TAVOApplicationMain.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

namespace {

// Test hook, for the test that types into the desktop window: no screen has
// a text field yet, so with KEELBOX_TEST_TEXT_FIELD set one empty field lies
// in a window of its own over the screen, its frame 10, 110, 300, 40.
void showTestTextField() {
    ui::mainloop::performLater([] {
        static std::shared_ptr<ui::Window> window = ui::Window::create(cg::RectMake(0, 100, 320, 60));
        window->setWindowLevel(ui::WindowLevelStatusBar);
        window->setBackgroundColor(ui::Color::whiteColor());
        auto field = ui::TextField::create(cg::RectMake(10, 10, 300, 40));
        field->borderStyle = ui::TextBorderStyle::RoundedRect;
        field->setFont(ui::Font::systemFontOfSize(20));
        window->addSubview(field);
        window->setHidden(false);
    });
}

}  // namespace

int KeelboxMain(int argc, char** argv, const ns::Value& launchOptions) {
    // Shared objects are freed at exit in the reverse order of their making,
    // and many leave the default centre when freed: made first, it outlives
    // them all.
    ns::NotificationCenter::defaultCenter();
    // The application is laid out for the tall phone screen.
    ui::Screen::mainScreen()->setTallScreen(true);
    TAVOStartupServices::registerAll();
    if (std::getenv("KEELBOX_TEST_TEXT_FIELD")) showTestTextField();
    return TAVOApplicationMain(argc, argv, launchOptions);
}
