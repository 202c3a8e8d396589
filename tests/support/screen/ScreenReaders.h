// How the screen driver reads what views show, kept open for the view
// classes still to come: each kit registers readers for its own classes
// (the text a custom label draws, the image a custom button shows, its
// toast or progress HUD, its alert) and tests keep asking the driver the
// same questions.
//
// Readers asked later win over earlier ones: a kit's reader for a subclass
// goes before the platform's reader for the base class. The platform's
// and the application's own readers are in place from the first use;
// later libraries add theirs in installKitReaders() (ScreenReaders.cpp).
// Main thread only.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/screen/ShownAlert.h"
#include "tests/support/screen/ShownToast.h"

namespace keelbox::test {

class ScreenReaders {
public:
    // What a view shows as text or as a named image; nothing when the
    // reader does not know the view's class.
    using TextReader = std::function<std::optional<std::string>(const ui::View&)>;
    using ImageReader = std::function<std::optional<std::string>(const ui::View&)>;
    // The newest toast or HUD one presenter shows, if any.
    using ToastReader = std::function<std::optional<ShownToast>()>;
    // The alerts of one alert class on screen, oldest first.
    using AlertReader = std::function<std::vector<std::shared_ptr<ShownAlert>>()>;

    static void addTextReader(TextReader reader);
    static void addImageReader(ImageReader reader);
    static void addToastReader(ToastReader reader);
    static void addAlertReader(AlertReader reader);

    static std::optional<std::string> textOf(const ui::View& view);
    static std::optional<std::string> imageNameOf(const ui::View& view);
    static std::optional<ShownToast> currentToast();
    static std::vector<std::shared_ptr<ShownAlert>> shownAlerts();
};

}  // namespace keelbox::test
