#include "tests/gallery/ScreenPicture.h"

#include "platform/render/LayerRenderer.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "tests/gallery/PlatformAlertPicture.h"

namespace keelbox::gallery {

cg::ImagePtr ScreenPicture::take() {
    auto screen = ui::Screen::mainScreen();
    std::vector<ui::WindowPtr> windows;
    if (auto app = ui::Application::existing()) windows = app->windows();
    // Held until drawn: the pictures' windows are the gallery's alone.
    for (const auto& alert : ui::AlertView::visibleAlerts())
        windows.push_back(PlatformAlertPicture::windowFor(*alert, screen->bounds().size));
    return cg::LayerRenderer::renderWindows(windows, screen->bounds().size, screen->scale());
}

bool ScreenPicture::isBlank(const cg::Image& image) {
    if (image.width() == 0 || image.height() == 0) return true;
    const cg::RGBA first = image.pixel(0, 0);
    for (std::size_t y = 0; y < image.height(); ++y)
        for (std::size_t x = 0; x < image.width(); ++x)
            if (!(image.pixel(x, y) == first)) return false;
    return true;
}

}  // namespace keelbox::gallery
