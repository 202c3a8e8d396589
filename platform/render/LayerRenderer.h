// Draws the interface kit's layer tree with the drawing layer: each layer's
// geometry and transform, opacity, background with corner radius, shadow,
// contents image, its own drawing (a view's drawRect: through the context),
// shape and gradient layers, sublayers in order, the border and the mask
// layer (whose alpha limits all of that); and whole
// window stacks, in level order, into an image at the screen's scale.
//
// It also captures a layer or view into an image context (the platform's
// renderInContext: and view snapshots). That entry point lives here rather
// than on ca::Layer because the interface kit sits below this library; code
// above both (widgets) calls it directly, so no registration hook is needed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Context.h"
#include "platform/ui/Layer.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace cg {

class LayerRenderer {
public:
    // Draws a layer and everything below it into the context, whose user
    // space is taken as the layer's superlayer's (y down, in points).
    static void renderLayer(Context& context, ca::Layer& layer);
    // Draws a layer and everything below it in the layer's own space (its
    // position and transform left out), as renderInContext: does: usually
    // into the current image context, which then makes the image.
    static void renderInContext(Context& context, ca::Layer& layer);
    // The view's visible bounds captured into a new transparent image of
    // the bounds' size at `scale` pixels per point (0: the main screen's),
    // after laying the view out; null for an empty view.
    static ImagePtr snapshotView(ui::View& view, double scale);

    // The windows (visible ones only, in the order given) drawn on a screen
    // of `screenSize` points at `scale` pixels per point.
    static ImagePtr renderWindows(const std::vector<std::shared_ptr<ui::Window>>& windows, Size screenSize, double scale);
    // The application's window stack on the main screen, in level order.
    static ImagePtr renderWindowStack();
    // One window alone, on a transparent background the window's size.
    static ImagePtr renderWindow(ui::Window& window, double scale);

    // Writes the image as a PNG file; false when it cannot be written.
    static bool writePNG(const ImagePtr& image, const std::string& path);
};

}  // namespace cg
