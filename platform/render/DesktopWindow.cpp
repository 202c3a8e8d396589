#include "platform/render/DesktopWindow.h"

#include <SDL.h>
#include <cairo.h>

#include <cstdlib>

#include "platform/render/LayerRenderer.h"
#include "platform/ui/Application.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Screen.h"

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
    // at the screen's scale, shown pixel for pixel on a high-density display
    // and shrunk to fit on others.
    impl->window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, int(size.width),
                                    int(size.height), SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!impl->window) return nullptr;
    impl->renderer = SDL_CreateRenderer(impl->window, -1, SDL_RENDERER_SOFTWARE);
    if (!impl->renderer) return nullptr;
    SDL_RenderSetLogicalSize(impl->renderer, int(size.width), int(size.height));
    impl->texture = SDL_CreateTexture(impl->renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                      impl->pixelWidth, impl->pixelHeight);
    if (!impl->texture) return nullptr;
    // Nearest-pixel shrinking would break up the text's strokes.
    SDL_SetTextureScaleMode(impl->texture, SDL_ScaleModeLinear);
    // Typing reaches the application only while a text input has the focus.
    SDL_StopTextInput();
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

namespace {

// How far one notch of the wheel scrolls, in points.
constexpr double kWheelStep = 40;

}  // namespace

void DesktopWindow::handle(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT: closed_ = true; break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) closed_ = true;
        // Released elsewhere, the button would never come up here.
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST && input_.isTouching()) input_.cancel();
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (e.button.button == SDL_BUTTON_LEFT) input_.press({double(e.button.x), double(e.button.y)}, e.button.clicks);
        break;
    case SDL_MOUSEMOTION: input_.move({double(e.motion.x), double(e.motion.y)}); break;
    case SDL_MOUSEBUTTONUP:
        if (e.button.button == SDL_BUTTON_LEFT) input_.release({double(e.button.x), double(e.button.y)});
        break;
    case SDL_MOUSEWHEEL: {
        // Rolling the wheel away from the user (positive y) shows what is
        // above: the offset goes down.
        double flip = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
        input_.wheel({flip * e.wheel.preciseX * kWheelStep, -flip * e.wheel.preciseY * kWheelStep});
        break;
    }
    case SDL_TEXTINPUT: input_.text(e.text.text); break;
    case SDL_KEYDOWN:
        if (e.key.keysym.sym == SDLK_BACKSPACE) input_.backspace();
        if ((e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) && !e.key.repeat) input_.returnKey();
        break;
    default: break;
    }
}

void DesktopWindow::followKeyboard() {
    const bool wanted = ui::Keyboard::isVisible();
    if (wanted == bool(SDL_IsTextInputActive())) return;
    if (wanted) {
        SDL_StartTextInput();
    } else {
        SDL_StopTextInput();
    }
}

void DesktopWindow::leave() {
    input_.cancel();
    if (auto app = ui::Application::existing()) app->enterBackground();
}

bool DesktopWindow::pump() {
    if (closed_) return false;
    SDL_Event e;
    while (!closed_ && SDL_PollEvent(&e)) handle(e);
    if (closed_) {
        leave();
        return false;
    }
    input_.flush();
    followKeyboard();
    redraw();
    return true;
}

}  // namespace cg
