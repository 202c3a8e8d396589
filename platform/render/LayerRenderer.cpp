#include "platform/render/LayerRenderer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/Application.h"
#include "platform/ui/GradientLayer.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ShapeLayer.h"
#include "platform/ui/Image.h"

namespace cg {

namespace {

ColorPtr toColor(const ui::Color& c, double alpha = 1) { return Color::createRGB(c.red(), c.green(), c.blue(), c.alpha() * alpha); }

bool visibleColor(const ui::OptionalColor& c) { return c && c->alpha() > 0; }

Path boundsPath(const Rect& bounds, double radius) {
    return radius > 0 ? Path::withRoundedRect(bounds, radius, radius) : Path::withRect(bounds);
}

double pathLength(const Path& path) {
    double total = 0;
    for (const auto& poly : path.flattened()) {
        for (std::size_t i = 1; i < poly.size(); ++i) total += std::hypot(poly[i].x - poly[i - 1].x, poly[i].y - poly[i - 1].y);
    }
    return total;
}

LineCap capNamed(const std::string& s) { return s == "round" ? LineCap::Round : s == "square" ? LineCap::Square : LineCap::Butt; }
LineJoin joinNamed(const std::string& s) { return s == "round" ? LineJoin::Round : s == "bevel" ? LineJoin::Bevel : LineJoin::Miter; }

void drawShape(Context& ctx, const ca::ShapeLayer& shape) {
    if (!shape.path || shape.path->isEmpty()) return;
    if (visibleColor(shape.fillColor)) {
        ctx.setFillColorWithColor(toColor(*shape.fillColor));
        ctx.beginPath();
        ctx.addPath(*shape.path);
        if (shape.fillRule == "even-odd") {
            ctx.eoFillPath();
        } else {
            ctx.fillPath();
        }
    }
    double start = std::clamp(shape.strokeStart, 0.0, 1.0), end = std::clamp(shape.strokeEnd, 0.0, 1.0);
    if (visibleColor(shape.strokeColor) && shape.lineWidth > 0 && end > start) {
        ctx.saveGState();
        ctx.setStrokeColorWithColor(toColor(*shape.strokeColor));
        ctx.setLineWidth(shape.lineWidth);
        ctx.setLineCap(capNamed(shape.lineCap));
        ctx.setLineJoin(joinNamed(shape.lineJoin));
        if (start > 0 || end < 1) {
            // A partial stroke is one dash as long as the visible part.
            double length = pathLength(*shape.path);
            ctx.setLineDash(-length * start, {length * (end - start), length * 2 + 1});
        } else if (!shape.lineDashPattern.empty()) {
            ctx.setLineDash(shape.lineDashPhase, shape.lineDashPattern);
        }
        ctx.beginPath();
        ctx.addPath(*shape.path);
        ctx.strokePath();
        ctx.restoreGState();
    }
}

void drawGradient(Context& ctx, const ca::GradientLayer& layer) {
    if (layer.colors.empty()) return;
    std::vector<ColorPtr> colors;
    for (const auto& c : layer.colors) colors.push_back(toColor(c));
    std::vector<double> locations = layer.locations.size() == colors.size() ? layer.locations : std::vector<double>{};
    auto gradient = Gradient::createWithColors(ColorSpace::createDeviceRGB(), colors, locations);
    if (!gradient) return;
    Rect b = layer.bounds();
    auto at = [&](Point unit) { return PointMake(b.origin.x + unit.x * b.size.width, b.origin.y + unit.y * b.size.height); };
    unsigned extend = GradientDrawsBeforeStartLocation | GradientDrawsAfterEndLocation;
    ctx.saveGState();
    ctx.clipToRect(b);
    if (layer.type == "radial") {
        Point c = at(layer.startPoint), e = at(layer.endPoint);
        ctx.drawRadialGradient(gradient, c, 0, c, std::hypot(e.x - c.x, e.y - c.y), extend);
    } else {
        ctx.drawLinearGradient(gradient, at(layer.startPoint), at(layer.endPoint), extend);
    }
    ctx.restoreGState();
}

// Where the contents image goes inside the bounds, by the layer's gravity.
Rect contentsRect(const Rect& b, Size img, const std::string& gravity) {
    if (gravity == "resize" || img.width <= 0 || img.height <= 0) return b;
    if (gravity == "resizeAspect" || gravity == "resizeAspectFill") {
        double sx = b.size.width / img.width, sy = b.size.height / img.height;
        double s = gravity == "resizeAspect" ? std::min(sx, sy) : std::max(sx, sy);
        Size sz{img.width * s, img.height * s};
        return RectMake(RectGetMidX(b) - sz.width / 2, RectGetMidY(b) - sz.height / 2, sz.width, sz.height);
    }
    double x = RectGetMidX(b) - img.width / 2, y = RectGetMidY(b) - img.height / 2;
    // Corner gravities are camel-cased ("topLeft").
    std::string g = gravity;
    std::transform(g.begin(), g.end(), g.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (g.find("left") != std::string::npos) x = b.origin.x;
    if (g.find("right") != std::string::npos) x = RectGetMaxX(b) - img.width;
    if (g.find("top") != std::string::npos) y = b.origin.y;
    if (g.find("bottom") != std::string::npos) y = RectGetMaxY(b) - img.height;
    return RectMake(x, y, img.width, img.height);
}

// What a layer and its visible sublayers cover, in the layer's own space.
Rect subtreeExtents(const ca::Layer& layer) {
    Rect r = layer.bounds();
    if (layer.masksToBounds()) return r;
    for (const auto& sub : layer.sublayers()) {
        if (sub->isHidden()) continue;
        Rect inner = subtreeExtents(*sub);
        Rect sb = sub->bounds();
        Point anchor = sub->anchorPoint();
        AffineTransform t = AffineTransformMakeTranslation(-anchor.x * sb.size.width - sb.origin.x,
                                                           -anchor.y * sb.size.height - sb.origin.y);
        t = AffineTransformConcat(t, sub->affineTransform());
        t = AffineTransformConcat(t, AffineTransformMakeTranslation(sub->position().x, sub->position().y));
        r = RectUnion(r, RectApplyAffineTransform(inner, t));
    }
    return r;
}

// A resizable image over a rectangle: its corners keep their size, its
// edges stretch along their length and its middle both ways (nine slices;
// a dimension without caps stretches whole). Caps wider than the rectangle
// shrink in proportion.
void drawResizable(Context& ctx, const Rect& rect, const ui::Image& image) {
    const Size size = image.size();
    const cg::EdgeInsets caps = image.capInsets();
    auto slices = [](double total, double target, double first, double last) {
        first = std::max(0.0, first);
        last = std::max(0.0, last);
        if (first + last > total) first = last = 0;  // nonsense caps: stretch whole
        double shrink = first + last > target && first + last > 0 ? target / (first + last) : 1;
        // Source and destination spans: head, middle, tail.
        return std::array<std::pair<std::pair<double, double>, std::pair<double, double>>, 3>{{
            {{0, first}, {0, first * shrink}},
            {{first, total - first - last}, {first * shrink, target - (first + last) * shrink}},
            {{total - last, last}, {target - last * shrink, last * shrink}},
        }};
    };
    const auto xs = slices(size.width, rect.size.width, caps.left, caps.right);
    const auto ys = slices(size.height, rect.size.height, caps.top, caps.bottom);
    // Each slice is drawn from its own pixels, so that stretching never
    // blends in the pixels of the slice beside it.
    const double scale = image.scale();
    for (const auto& [sy, dy] : ys) {
        for (const auto& [sx, dx] : xs) {
            if (sx.second <= 0 || sy.second <= 0 || dx.second <= 0 || dy.second <= 0) continue;
            auto piece = image.CGImage()->createWithImageInRect(
                RectMake(sx.first * scale, sy.first * scale, sx.second * scale, sy.second * scale));
            if (!piece) continue;
            ctx.drawImageTopDown(RectMake(rect.origin.x + dx.first, rect.origin.y + dy.first, dx.second, dy.second), piece);
        }
    }
}

void applyMask(Context& ctx, ca::Layer& mask);

void renderContent(Context& ctx, ca::Layer& layer) {
    Rect b = layer.bounds();
    if (visibleColor(layer.backgroundColor())) {
        ctx.setFillColorWithColor(toColor(*layer.backgroundColor()));
        ctx.beginPath();
        ctx.addPath(boundsPath(b, layer.cornerRadius()));
        ctx.fillPath();
    }
    ctx.saveGState();
    if (layer.masksToBounds()) {
        ctx.beginPath();
        ctx.addPath(boundsPath(b, layer.cornerRadius()));
        ctx.clip();
    }
    if (const auto& image = layer.contents(); image && image->CGImage()) {
        if (image->isResizable() && layer.contentsGravity() == "resize") {
            drawResizable(ctx, b, *image);
        } else {
            ctx.drawImageTopDown(contentsRect(b, image->size(), layer.contentsGravity()), image->CGImage());
        }
    }
    if (auto* shape = dynamic_cast<ca::ShapeLayer*>(&layer)) drawShape(ctx, *shape);
    if (auto* gradient = dynamic_cast<ca::GradientLayer*>(&layer)) drawGradient(ctx, *gradient);
    // The layer's own drawing (a view's drawRect:, which makes the context current).
    ctx.saveGState();
    layer.display(std::static_pointer_cast<Context>(ctx.shared_from_this()));
    ctx.restoreGState();
    std::vector<ca::LayerPtr> subs = layer.sublayers();
    std::stable_sort(subs.begin(), subs.end(), [](const auto& a, const auto& c) { return a->zPosition() < c->zPosition(); });
    for (const auto& sub : subs) LayerRenderer::renderLayer(ctx, *sub);
    ctx.restoreGState();
    if (layer.borderWidth() > 0 && visibleColor(layer.borderColor())) {
        double w = layer.borderWidth();
        ctx.saveGState();
        ctx.setStrokeColorWithColor(toColor(*layer.borderColor()));
        ctx.setLineWidth(w);
        ctx.beginPath();
        Rect inner = RectInset(b, w / 2, w / 2);
        if (!RectIsNull(inner)) ctx.addPath(boundsPath(inner, std::max(0.0, layer.cornerRadius() - w / 2)));
        ctx.strokePath();
        ctx.restoreGState();
    }
    if (layer.mask()) applyMask(ctx, *layer.mask());
}

// Keeps what the layer drew (inside its transparency layer) only as far as
// the mask layer, drawn in the layer's own space, covers it with its alpha.
void applyMask(Context& ctx, ca::Layer& mask) {
    ctx.saveGState();
    ctx.setBlendMode(BlendMode::DestinationIn);
    ctx.beginTransparencyLayer();
    LayerRenderer::renderLayer(ctx, mask);
    ctx.endTransparencyLayer();
    ctx.restoreGState();
}

// Opacity, shadow, mask and content of a layer whose space the context
// already has.
void renderInOwnSpace(Context& ctx, ca::Layer& layer) {
    bool shadow = layer.shadowOpacity() > 0 && visibleColor(layer.shadowColor());
    // A mask needs the layer drawn on its own first, as do a shadow and opacity.
    bool group = shadow || layer.opacity() < 1 || layer.mask();
    if (group) {
        ctx.setAlpha(layer.opacity());
        if (shadow) {
            ctx.setShadowWithColor(layer.shadowOffset(), layer.shadowRadius() * 2,
                                   toColor(*layer.shadowColor(), layer.shadowOpacity()));
        }
        if (shadow && layer.shadowPath()) {
            // An explicit shadow path: its shadow alone, then the layer without one.
            ctx.saveGState();
            ctx.setFillColorWithColor(toColor(*layer.shadowColor(), layer.shadowOpacity()));
            ctx.beginPath();
            ctx.addPath(*layer.shadowPath());
            ctx.fillPath();
            ctx.restoreGState();
            ctx.setShadowWithColor({0, 0}, 0, nullptr);
        }
        // Limited to what the subtree covers (plus a point for antialiasing),
        // so that composing the group and its shadow stays cheap.
        ctx.beginTransparencyLayerWithRect(RectInset(subtreeExtents(layer), -1, -1));
    }
    renderContent(ctx, layer);
    if (group) ctx.endTransparencyLayer();
}

}  // namespace

void LayerRenderer::renderLayer(Context& ctx, ca::Layer& layer) {
    if (layer.isHidden() || layer.opacity() <= 0.001) return;
    Rect b = layer.bounds();
    Point pos = layer.position(), anchor = layer.anchorPoint();
    ctx.saveGState();
    ctx.translateCTM(pos.x, pos.y);
    ctx.concatCTM(layer.affineTransform());
    ctx.translateCTM(-anchor.x * b.size.width - b.origin.x, -anchor.y * b.size.height - b.origin.y);
    renderInOwnSpace(ctx, layer);
    ctx.restoreGState();
}

void LayerRenderer::renderInContext(Context& ctx, ca::Layer& layer) {
    if (layer.isHidden() || layer.opacity() <= 0.001) return;
    ctx.saveGState();
    renderInOwnSpace(ctx, layer);
    ctx.restoreGState();
}

ImagePtr LayerRenderer::snapshotView(ui::View& view, double scale) {
    Rect b = view.bounds();
    auto ctx = Context::createImageContext(b.size, false, scale > 0 ? scale : mainScreenScale());
    if (!ctx) return nullptr;
    view.layoutIfNeeded();
    // The visible part: the bounds' origin goes to the image's corner.
    ctx->translateCTM(-b.origin.x, -b.origin.y);
    renderInContext(*ctx, *view.layer());
    return ctx->takeImage();
}

ImagePtr LayerRenderer::renderWindows(const std::vector<std::shared_ptr<ui::Window>>& windows, Size screen, double scale) {
    auto ctx = Context::createImageContext(screen, false, scale);
    if (!ctx) return nullptr;
    ctx->setRGBFillColor(0, 0, 0, 1);
    ctx->fillRect(RectMake(0, 0, screen.width, screen.height));
    for (const auto& w : windows) {
        if (!w || w->isHidden()) continue;
        w->layoutIfNeeded();
        renderLayer(*ctx, *w->layer());
    }
    return ctx->takeImage();
}

ImagePtr LayerRenderer::renderWindowStack() {
    auto screen = ui::Screen::mainScreen();
    auto app = ui::Application::existing();
    std::vector<std::shared_ptr<ui::Window>> windows;
    if (app) windows = app->windows();
    return renderWindows(windows, screen->bounds().size, screen->scale());
}

ImagePtr LayerRenderer::renderWindow(ui::Window& window, double scale) {
    Rect f = window.frame();
    auto ctx = Context::createImageContext(f.size, false, scale);
    if (!ctx) return nullptr;
    window.layoutIfNeeded();
    ctx->translateCTM(-f.origin.x, -f.origin.y);
    bool hidden = window.isHidden();
    if (hidden) window.layer()->setHidden(false);
    renderLayer(*ctx, *window.layer());
    if (hidden) window.layer()->setHidden(true);
    return ctx->takeImage();
}

bool LayerRenderer::writePNG(const ImagePtr& image, const std::string& path) {
    if (!image) return false;
    ns::Data png = image->pngData();
    if (png.empty()) return false;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.bytes(), 1, png.length(), f) == png.length();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace cg
