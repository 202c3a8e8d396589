#include "platform/render/DesktopWindow.h"

#include <SDL.h>
#include <cairo.h>

#include <cstdlib>

#include "platform/render/LayerRenderer.h"
#include "platform/ui/Application.h"
#include "platform/ui/Responder.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TextField.h"

namespace cg {

struct DesktopWindow::Impl {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int pixelWidth = 0, pixelHeight = 0;
    double scale = 1;
    ~Impl() {
        if (texture) SDL_DestroyTexture(texture);
        if (renderer) SDL_DestroyRenderer(renderer);
        if (window) SDL_DestroyWindow(window);
        // SDL's video subsystem stays up for the process: shutting it down
        // unloads the display libraries, which cannot be loaded again cleanly.
    }
};

DesktopWindow::DesktopWindow(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
DesktopWindow::~DesktopWindow() = default;

std::unique_ptr<DesktopWindow> DesktopWindow::open(const std::string& title) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!display || !*display) && (!wayland || !*wayland)) return nullptr;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    auto impl = std::make_unique<Impl>();
    auto screen = ui::Screen::mainScreen();
    Size size = screen->bounds().size;
    impl->scale = screen->scale();
    impl->pixelWidth = int(size.width * impl->scale);
    impl->pixelHeight = int(size.height * impl->scale);
    // The desktop window is the screen's size in points; the frame is drawn
    // at the screen's scale and shrunk to fit.
    impl->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, int(size.width),
                                    int(size.height), SDL_WINDOW_SHOWN);
    if (!impl->window) return nullptr;
    impl->renderer = SDL_CreateRenderer(impl->window, -1, SDL_RENDERER_SOFTWARE);
    if (!impl->renderer) return nullptr;
    SDL_RenderSetLogicalSize(impl->renderer, int(size.width), int(size.height));
    impl->texture = SDL_CreateTexture(impl->renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                      impl->pixelWidth, impl->pixelHeight);
    if (!impl->texture) return nullptr;
    SDL_StartTextInput();
    auto out = std::unique_ptr<DesktopWindow>(new DesktopWindow(std::move(impl)));
    out->redraw();
    return out;
}

void DesktopWindow::redraw() {
    frame_ = LayerRenderer::renderWindowStack();
    if (!frame_ || int(frame_->width()) != impl_->pixelWidth || int(frame_->height()) != impl_->pixelHeight) return;
    cairo_surface_t* s = frame_->surface();
    cairo_surface_flush(s);
    // Cairo's ARGB32 is SDL's ARGB8888 on this byte order: upload as is.
    SDL_UpdateTexture(impl_->texture, nullptr, cairo_image_surface_get_data(s), cairo_image_surface_get_stride(s));
    SDL_RenderClear(impl_->renderer);
    SDL_RenderCopy(impl_->renderer, impl_->texture, nullptr, nullptr);
    SDL_RenderPresent(impl_->renderer);
}

void DesktopWindow::pointer(bool down, bool up, double x, double y) {
    Point p{x, y};
    if (down) {
        auto app = ui::Application::existing();
        auto window = app ? app->windowAtPoint(p) : nullptr;
        if (!window) return;
        Point local{p.x - window->frame().origin.x, p.y - window->frame().origin.y};
        driver_.down(window, local);
        touching_ = true;
        return;
    }
    if (!touching_) return;
    driver_.moveTo(p);
    if (up) {
        driver_.up();
        touching_ = false;
    }
}

bool DesktopWindow::pump() {
    SDL_Event e;
    bool open = true;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT: open = false; break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) pointer(true, false, e.button.x, e.button.y);
            break;
        case SDL_MOUSEMOTION:
            if (e.motion.state & SDL_BUTTON_LMASK) pointer(false, false, e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT) pointer(false, true, e.button.x, e.button.y);
            break;
        case SDL_TEXTINPUT:
            if (auto field = std::dynamic_pointer_cast<ui::TextField>(ui::Responder::currentFirstResponder())) {
                field->insertText(e.text.text);
            }
            break;
        case SDL_KEYDOWN:
            if (auto field = std::dynamic_pointer_cast<ui::TextField>(ui::Responder::currentFirstResponder())) {
                if (e.key.keysym.sym == SDLK_BACKSPACE) field->deleteBackward();
                if (e.key.keysym.sym == SDLK_RETURN) field->insertText("\n");
            }
            break;
        default: break;
        }
    }
    redraw();
    return open;
}

}  // namespace cg
