#include "tests/platform/render/XWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;

DisplayPtr openDisplay() { return DisplayPtr(XOpenDisplay(nullptr), XCloseDisplay); }

// A channel's value, 0 to 1, from a pixel under the visual's mask.
double channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const unsigned long max = mask >> shift;
    return double((pixel & mask) >> shift) / double(max);
}

}  // namespace

std::optional<XWindow::Shot> XWindow::shot() const {
    auto display = openDisplay();
    if (!display) return std::nullopt;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display.get(), id_, &attributes) || attributes.map_state != IsViewable)
        return std::nullopt;
    XImage* image = XGetImage(display.get(), id_, 0, 0, unsigned(attributes.width), unsigned(attributes.height),
                              AllPlanes, ZPixmap);
    if (!image) return std::nullopt;
    std::vector<Pixel> pixels;
    pixels.reserve(std::size_t(attributes.width) * std::size_t(attributes.height));
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            unsigned long p = XGetPixel(image, x, y);
            pixels.push_back({channel(p, image->red_mask), channel(p, image->green_mask), channel(p, image->blue_mask)});
        }
    }
    XDestroyImage(image);
    return Shot(attributes.width, attributes.height, std::move(pixels));
}

bool XWindow::requestClose() const {
    auto display = openDisplay();
    if (!display) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id_;
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display.get(), id_, False, NoEventMask, &event) != 0;
    XFlush(display.get());
    return sent;
}
