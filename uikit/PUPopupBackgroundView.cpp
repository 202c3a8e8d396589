#include "uikit/PUPopupBackgroundView.h"

#include <algorithm>

#include "platform/graphics/ColorSpace.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/Gradient.h"
#include "platform/graphics/GraphicsContextStack.h"

namespace {

constexpr double kCentreAlpha = 0.0;
constexpr double kEdgeAlpha = 0.75;

}  // namespace

void PUPopupBackgroundView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    cg::Rect b = bounds();
    auto gradient = cg::Gradient::createWithColorComponents(
        cg::ColorSpace::createDeviceRGB(), {0, 0, 0, kCentreAlpha, 0, 0, 0, kEdgeAlpha}, {0, 1}, 2);
    cg::Point centre{cg::RectGetMidX(b), cg::RectGetMidY(b)};
    double radius = std::min(b.size.width, b.size.height);
    context->drawRadialGradient(gradient, centre, 0, centre, radius, cg::GradientDrawsAfterEndLocation);
}
