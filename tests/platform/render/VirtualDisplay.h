// An X server of the test's own (Xvfb) on a display number it picks itself,
// so tests running side by side never share one. DISPLAY points at it while
// it lives. When Xvfb is not installed (or does not come up), running() is
// false and the test skips.
#pragma once

#include <sys/types.h>

#include <string>

class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool running() const { return pid_ > 0; }
    // ":N"
    const std::string& name() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_, previous_;
    bool hadPrevious_ = false;
};
