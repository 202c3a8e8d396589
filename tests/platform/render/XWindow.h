// A window on the test's X server as a person meets it: what it shows now,
// read back from the server, and the close button (the window manager's
// delete request).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/graphics/Geometry.h"

class XWindow {
public:
    explicit XWindow(unsigned long id) : id_(id) {}

    struct Pixel {
        double r = 0, g = 0, b = 0;  // 0 to 1
    };
    class Shot {
    public:
        Shot(int width, int height, std::vector<Pixel> pixels)
            : width_(width), height_(height), pixels_(std::move(pixels)) {}
        int width() const { return width_; }
        int height() const { return height_; }
        Pixel at(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }
        // How many pixels of the rectangle (window pixels) satisfy the test.
        template <typename Test>
        int count(const cg::Rect& r, Test test) const {
            int n = 0;
            for (int y = int(r.origin.y); y < int(cg::RectGetMaxY(r)) && y < height_; ++y)
                for (int x = int(r.origin.x); x < int(cg::RectGetMaxX(r)) && x < width_; ++x)
                    if (test(at(x, y))) ++n;
            return n;
        }

    private:
        int width_, height_;
        std::vector<Pixel> pixels_;
    };

    // Empty when the window cannot be read (unmapped, or no server).
    std::optional<Shot> shot() const;
    // Asks the window's owner to close it, as its close button does.
    bool requestClose() const;

private:
    unsigned long id_;
};
