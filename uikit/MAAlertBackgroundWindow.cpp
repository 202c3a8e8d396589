#include "uikit/MAAlertBackgroundWindow.h"

#include <algorithm>

#include "platform/graphics/ColorSpace.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/Gradient.h"
#include "platform/graphics/GraphicsContextStack.h"

namespace {

constexpr double kSolidDimAlpha = 0.5;
constexpr double kGradientEdgeAlpha = 0.75;

}  // namespace

std::shared_ptr<MAAlertBackgroundWindow> MAAlertBackgroundWindow::create(const cg::Rect& frame, int style) {
    auto window = make<MAAlertBackgroundWindow>(frame);
    window->setStyle(style);
    return window;
}

void MAAlertBackgroundWindow::initWithFrame(const cg::Rect& frame) {
    ui::Window::initWithFrame(frame);
    setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    setOpaque(false);
    setWindowLevel(kWindowLevel);
}

void MAAlertBackgroundWindow::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const cg::Rect b = bounds();
    if (style_ == MAAlertViewBackgroundStyleSolid) {
        context->setFillColorWithColor(cg::Color::createRGB(0, 0, 0, kSolidDimAlpha));
        context->fillRect(b);
        return;
    }
    if (style_ != MAAlertViewBackgroundStyleGradient) return;
    // Clear in the middle, darkening towards the edges and beyond them.
    auto gradient = cg::Gradient::createWithColorComponents(cg::ColorSpace::createDeviceRGB(),
                                                            {0, 0, 0, 0, 0, 0, 0, kGradientEdgeAlpha}, {0, 1}, 2);
    const cg::Point center{cg::RectGetMidX(b), cg::RectGetMidY(b)};
    const double radius = std::min(b.size.width, b.size.height);
    context->drawRadialGradient(gradient, center, 0, center, radius, cg::GradientDrawsAfterEndLocation);
}
