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

// What a layer draws itself, in its own space: a bare shape layer only its
// path (and the stroke's half width), everything else its bounds.
Rect ownExtents(const ca::Layer& layer) {
    const auto* shape = dynamic_cast<const ca::ShapeLayer*>(&layer);
    if (!shape || layer.delegate() || layer.contents() || visibleColor(layer.backgroundColor()) || layer.borderWidth() > 0)
        return layer.bounds();
    if (!shape->path || shape->path->isEmpty()) return RectNull();
    const double margin = (visibleColor(shape->strokeColor) ? shape->lineWidth / 2 : 0) + 1;
    Rect r = RectInset(shape->path->boundingBox(), -margin, -margin);
    if (!layer.masksToBounds()) return r;
    return RectIntersection(r, layer.bounds());
}

// What a layer and its visible sublayers cover, in the layer's own space.
Rect subtreeExtents(const ca::Layer& layer) {
    Rect r = ownExtents(layer);
    if (layer.masksToBounds()) return RectIsNull(r) ? layer.bounds() : r;
    for (const auto& sub : layer.sublayers()) {
        if (sub->isHidden()) continue;
        Rect inner = subtreeExtents(*sub);
        if (RectIsNull(inner)) continue;
        Rect sb = sub->bounds();
        Point anchor = sub->anchorPoint();
        AffineTransform t = AffineTransformMakeTranslation(-anchor.x * sb.size.width - sb.origin.x,
                                                           -anchor.y * sb.size.height - sb.origin.y);
        t = AffineTransformConcat(t, sub->affineTransform());
        t = AffineTransformConcat(t, AffineTransformMakeTranslation(sub->position().x, sub->position().y));
        Rect moved = RectApplyAffineTransform(inner, t);
        r = RectIsNull(r) ? moved : RectUnion(r, moved);
    }
    return r;
}

// A resizable image keeps its caps: its corners at their own size, its
// edges stretched along one side and its middle along both. False when the
// image has no caps to keep (it is then drawn scaled as a whole).
bool drawResizable(Context& ctx, const Rect& target, const ui::Image& image) {
    EdgeInsets caps = image.capInsets();
    if (!image.isResizable() || (caps.left <= 0 && caps.right <= 0 && caps.top <= 0 && caps.bottom <= 0)) return false;
    const Size size = image.size();
    const double scale = image.scale();
    // Caps that leave no middle (a left cap as wide as the image) stretch
    // the last pixel they cover.
    const double pixel = scale > 0 ? 1 / scale : 1;
    auto keepMiddle = [pixel](double& first, double& second, double extent) {
        if (first + second < extent) return;
        second = std::min(second, std::max(0.0, extent - pixel));
        first = std::max(0.0, extent - second - pixel);
    };
    keepMiddle(caps.left, caps.right, size.width);
    keepMiddle(caps.top, caps.bottom, size.height);
    // Caps that do not fit the target share what room there is.
    auto fit = [](double first, double second, double room) {
        const double total = first + second;
        if (total <= room || total <= 0) return std::pair{first, second};
        return std::pair{first * room / total, second * room / total};
    };
    const auto [left, right] = fit(caps.left, caps.right, target.size.width);
    const auto [top, bottom] = fit(caps.top, caps.bottom, target.size.height);
    const double srcX[] = {0, caps.left, size.width - caps.right, size.width};
    const double srcY[] = {0, caps.top, size.height - caps.bottom, size.height};
    const double dstX[] = {target.origin.x, target.origin.x + left, RectGetMaxX(target) - right, RectGetMaxX(target)};
    const double dstY[] = {target.origin.y, target.origin.y + top, RectGetMaxY(target) - bottom, RectGetMaxY(target)};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const double sw = srcX[column + 1] - srcX[column], sh = srcY[row + 1] - srcY[row];
            const double dw = dstX[column + 1] - dstX[column], dh = dstY[row + 1] - dstY[row];
            if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) continue;
            auto piece = image.CGImage()->createWithImageInRect(
                RectMake(srcX[column] * scale, srcY[row] * scale, sw * scale, sh * scale));
            if (piece) ctx.drawImageTopDown(RectMake(dstX[column], dstY[row], dw, dh), piece);
        }
    return true;
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
        const Rect target = contentsRect(b, image->size(), layer.contentsGravity());
        if (!drawResizable(ctx, target, *image)) ctx.drawImageTopDown(target, image->CGImage());
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
        Rect extents = subtreeExtents(layer);
        if (RectIsNull(extents)) extents = layer.bounds();
        ctx.beginTransparencyLayerWithRect(RectInset(extents, -1, -1));
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
