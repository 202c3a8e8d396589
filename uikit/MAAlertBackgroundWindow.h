// The window that dims the screen behind the alerts: one for all queued
// alerts, just below the alert windows, drawing a dark radial gradient
// (style 0) or a flat half-black (style 1).
#pragma once

#include <memory>

#include "platform/ui/Window.h"

enum MAAlertViewBackgroundStyle : int {
    MAAlertViewBackgroundStyleGradient = 0,
    MAAlertViewBackgroundStyleSolid = 1,
};

class MAAlertBackgroundWindow : public ui::Window {
public:
    using ui::Window::Window;
    static constexpr double kWindowLevel = 1998.0;

    static std::shared_ptr<MAAlertBackgroundWindow> create(const cg::Rect& frame, int style);

    int style() const { return style_; }
    void setStyle(int style) { setProperty(style_, style, ui::PropertyEffectsDisplay); }

    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;

private:
    int style_ = MAAlertViewBackgroundStyleGradient;
};

using MAAlertBackgroundWindowPtr = std::shared_ptr<MAAlertBackgroundWindow>;
