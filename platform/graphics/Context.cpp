#include "platform/graphics/Context.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/graphics/ShadowBlur.h"
#include "platform/graphics/SurfacePool.h"

namespace cg {

struct Context::State {
    RGBA fill{0, 0, 0, 1};
    RGBA stroke{0, 0, 0, 1};
    double lineWidth = 1;
    LineCap cap = LineCap::Butt;
    LineJoin join = LineJoin::Miter;
    double miterLimit = 10;
    std::vector<double> dashes;
    double dashPhase = 0;
    double alpha = 1;
    BlendMode blend = BlendMode::Normal;
    bool shadow = false;
    Size shadowOffset;
    double shadowBlur = 0;
    RGBA shadowColor;
    // A device-sized A8 coverage surface, shared between copies of the state.
    std::shared_ptr<cairo_surface_t> mask;
    InterpolationQuality interpolation = InterpolationQuality::Default;
    // A singular transform was set: nothing draws until it is restored away.
    bool degenerate = false;
};

namespace {

constexpr std::size_t kMaxSide = 16384;

cairo_matrix_t toCairo(const AffineTransform& t) {
    cairo_matrix_t m;
    cairo_matrix_init(&m, t.a, t.b, t.c, t.d, t.tx, t.ty);
    return m;
}

AffineTransform fromCairo(const cairo_matrix_t& m) { return {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0}; }

bool invertible(const AffineTransform& t) {
    double det = t.a * t.d - t.b * t.c;
    return std::isfinite(det) && det != 0 && std::isfinite(t.tx) && std::isfinite(t.ty);
}

cairo_operator_t toCairo(BlendMode mode) {
    switch (mode) {
    case BlendMode::Normal: return CAIRO_OPERATOR_OVER;
    case BlendMode::Multiply: return CAIRO_OPERATOR_MULTIPLY;
    case BlendMode::Screen: return CAIRO_OPERATOR_SCREEN;
    case BlendMode::Overlay: return CAIRO_OPERATOR_OVERLAY;
    case BlendMode::Darken: return CAIRO_OPERATOR_DARKEN;
    case BlendMode::Lighten: return CAIRO_OPERATOR_LIGHTEN;
    case BlendMode::ColorDodge: return CAIRO_OPERATOR_COLOR_DODGE;
    case BlendMode::ColorBurn: return CAIRO_OPERATOR_COLOR_BURN;
    case BlendMode::SoftLight: return CAIRO_OPERATOR_SOFT_LIGHT;
    case BlendMode::HardLight: return CAIRO_OPERATOR_HARD_LIGHT;
    case BlendMode::Difference: return CAIRO_OPERATOR_DIFFERENCE;
    case BlendMode::Exclusion: return CAIRO_OPERATOR_EXCLUSION;
    case BlendMode::Hue: return CAIRO_OPERATOR_HSL_HUE;
    case BlendMode::Saturation: return CAIRO_OPERATOR_HSL_SATURATION;
    case BlendMode::Color: return CAIRO_OPERATOR_HSL_COLOR;
    case BlendMode::Luminosity: return CAIRO_OPERATOR_HSL_LUMINOSITY;
    case BlendMode::Clear: return CAIRO_OPERATOR_CLEAR;
    case BlendMode::Copy: return CAIRO_OPERATOR_SOURCE;
    case BlendMode::SourceIn: return CAIRO_OPERATOR_IN;
    case BlendMode::SourceOut: return CAIRO_OPERATOR_OUT;
    case BlendMode::SourceAtop: return CAIRO_OPERATOR_ATOP;
    case BlendMode::DestinationOver: return CAIRO_OPERATOR_DEST_OVER;
    case BlendMode::DestinationIn: return CAIRO_OPERATOR_DEST_IN;
    case BlendMode::DestinationOut: return CAIRO_OPERATOR_DEST_OUT;
    case BlendMode::DestinationAtop: return CAIRO_OPERATOR_DEST_ATOP;
    case BlendMode::XOR: return CAIRO_OPERATOR_XOR;
    // Cairo has no darker-sum; multiply is the closest darkening operator.
    case BlendMode::PlusDarker: return CAIRO_OPERATOR_MULTIPLY;
    case BlendMode::PlusLighter: return CAIRO_OPERATOR_ADD;
    }
    return CAIRO_OPERATOR_OVER;
}

// Operators that change the destination even where the source is
// transparent: composing under them must cover the whole clip.
bool unbounded(cairo_operator_t op) {
    switch (op) {
    case CAIRO_OPERATOR_CLEAR:
    case CAIRO_OPERATOR_SOURCE:
    case CAIRO_OPERATOR_IN:
    case CAIRO_OPERATOR_OUT:
    case CAIRO_OPERATOR_DEST_IN:
    case CAIRO_OPERATOR_DEST_ATOP: return true;
    default: return false;
    }
}

void setSource(cairo_t* cr, const RGBA& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void emitElement(cairo_t* cr, const PathElement& e) {
    switch (e.type) {
    case PathElementType::MoveToPoint: cairo_move_to(cr, e.points[0].x, e.points[0].y); break;
    case PathElementType::AddLineToPoint: cairo_line_to(cr, e.points[0].x, e.points[0].y); break;
    case PathElementType::AddQuadCurveToPoint: {
        double x0 = 0, y0 = 0;
        if (cairo_has_current_point(cr)) cairo_get_current_point(cr, &x0, &y0);
        const Point c = e.points[0], p = e.points[1];
        cairo_curve_to(cr, x0 + 2.0 / 3 * (c.x - x0), y0 + 2.0 / 3 * (c.y - y0), p.x + 2.0 / 3 * (c.x - p.x),
                       p.y + 2.0 / 3 * (c.y - p.y), p.x, p.y);
        break;
    }
    case PathElementType::AddCurveToPoint:
        cairo_curve_to(cr, e.points[0].x, e.points[0].y, e.points[1].x, e.points[1].y, e.points[2].x, e.points[2].y);
        break;
    case PathElementType::CloseSubpath: cairo_close_path(cr); break;
    case PathElementType::AddArc: {
        const Arc& a = e.arc;
        if (!invertible(a.transform)) {
            cairo_line_to(cr, e.points[0].x, e.points[0].y);
            break;
        }
        cairo_matrix_t saved;
        cairo_get_matrix(cr, &saved);
        cairo_matrix_t m = toCairo(a.transform);
        cairo_transform(cr, &m);
        double d = a.clockwise ? a.startAngle - a.endAngle : a.endAngle - a.startAngle;
        if (d >= 2 * M_PI) d = 2 * M_PI;
        if (d < 0) {
            d = std::fmod(d, 2 * M_PI);
            if (d < 0) d += 2 * M_PI;
        }
        if (a.clockwise) {
            cairo_arc_negative(cr, a.center.x, a.center.y, a.radius, a.startAngle, a.startAngle - d);
        } else {
            cairo_arc(cr, a.center.x, a.center.y, a.radius, a.startAngle, a.startAngle + d);
        }
        cairo_set_matrix(cr, &saved);
        break;
    }
    }
}

void emitPath(cairo_t* cr, const Path& path) {
    for (const auto& e : path.elements()) emitElement(cr, e);
}

// Maps the stored pixels (w by h, row 0 at the top) onto the image as shown.
cairo_matrix_t orientationMatrix(ImageOrientation o, double w, double h) {
    cairo_matrix_t m;
    switch (o) {
    case ImageOrientation::Up: cairo_matrix_init(&m, 1, 0, 0, 1, 0, 0); break;
    case ImageOrientation::Down: cairo_matrix_init(&m, -1, 0, 0, -1, w, h); break;
    case ImageOrientation::Left: cairo_matrix_init(&m, 0, -1, 1, 0, 0, w); break;
    case ImageOrientation::Right: cairo_matrix_init(&m, 0, 1, -1, 0, h, 0); break;
    case ImageOrientation::UpMirrored: cairo_matrix_init(&m, -1, 0, 0, 1, w, 0); break;
    case ImageOrientation::DownMirrored: cairo_matrix_init(&m, 1, 0, 0, -1, 0, h); break;
    case ImageOrientation::LeftMirrored: cairo_matrix_init(&m, 0, 1, 1, 0, 0, 0); break;
    case ImageOrientation::RightMirrored: cairo_matrix_init(&m, 0, -1, -1, 0, h, w); break;
    }
    return m;
}

// Draws `image`, as its orientation shows it, so that it fills `rect`;
// topDown puts the shown image's top row at the rectangle's minimum y.
void paintImage(cairo_t* cr, const Rect& rect, const Image& image, bool topDown, InterpolationQuality q) {
    double w = double(image.width()), h = double(image.height());
    bool sideways = orientationIsSideways(image.orientation());
    double shownW = sideways ? h : w, shownH = sideways ? w : h;
    cairo_save(cr);
    if (topDown) {
        cairo_translate(cr, rect.origin.x, rect.origin.y);
        cairo_scale(cr, rect.size.width / shownW, rect.size.height / shownH);
    } else {
        cairo_translate(cr, rect.origin.x, rect.origin.y + rect.size.height);
        cairo_scale(cr, rect.size.width / shownW, -rect.size.height / shownH);
    }
    cairo_matrix_t orient = orientationMatrix(image.orientation(), w, h);
    cairo_transform(cr, &orient);
    cairo_set_source_surface(cr, image.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), q == InterpolationQuality::None ? CAIRO_FILTER_NEAREST
                                                   : q == InterpolationQuality::High ? CAIRO_FILTER_GOOD
                                                                                     : CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
}

bool validRect(const Rect& r) {
    return std::isfinite(r.origin.x) && std::isfinite(r.origin.y) && std::isfinite(r.size.width) &&
           std::isfinite(r.size.height) && !RectIsNull(r);
}

}  // namespace

Context::Context(cairo_surface_t* surface, std::size_t w, std::size_t h, double scale, BitmapFormat format, bool yUp,
                 bool pixels)
    : surface_(surface), cr_(cairo_create(surface)), widthPx_(w), heightPx_(h), scale_(scale), format_(format),
      yUp_(yUp), pixels_(pixels) {
    states_.push_back(std::make_unique<State>());
    base_ = yUp ? AffineTransformMake(1, 0, 0, -1, 0, double(h)) : AffineTransformMakeScale(scale, scale);
    cairo_matrix_t m = toCairo(base_);
    cairo_set_matrix(cr_, &m);
    cairo_set_line_width(cr_, 1);
    cairo_set_miter_limit(cr_, 10);
}

Context::~Context() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

std::shared_ptr<Context> Context::createBitmap(std::size_t w, std::size_t h, BitmapFormat format) {
    if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) return nullptr;
    cairo_format_t cf = CAIRO_FORMAT_ARGB32;
    switch (format) {
    case BitmapFormat::AlphaOnly: cf = CAIRO_FORMAT_A8; break;
    case BitmapFormat::RGBX:
    case BitmapFormat::XRGB:
    case BitmapFormat::BGRX:
    case BitmapFormat::Gray: cf = CAIRO_FORMAT_RGB24; break;
    default: break;
    }
    cairo_surface_t* s = cairo_image_surface_create(cf, int(w), int(h));
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return std::make_shared<Context>(s, w, h, 1.0, format, true, true);
}

std::shared_ptr<Context> Context::createImageContext(Size points, bool opaque, double scale) {
    if (!(scale > 0) || !std::isfinite(scale)) scale = 1;
    if (!(points.width > 0) || !(points.height > 0)) return nullptr;
    double wd = std::ceil(points.width * scale - 1e-9), hd = std::ceil(points.height * scale - 1e-9);
    if (wd > double(kMaxSide) || hd > double(kMaxSide)) return nullptr;
    auto w = std::size_t(wd), h = std::size_t(hd);
    cairo_surface_t* s = SurfacePool::take(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32, int(w), int(h));
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    return std::make_shared<Context>(s, w, h, scale, opaque ? BitmapFormat::BGRX : BitmapFormat::PremultipliedBGRA,
                                     false, true);
}

std::shared_ptr<Context> Context::createRecording(Size points) {
    double w = std::isfinite(points.width) ? std::clamp(points.width, 1.0, double(kMaxSide)) : 1.0;
    double h = std::isfinite(points.height) ? std::clamp(points.height, 1.0, double(kMaxSide)) : 1.0;
    cairo_rectangle_t extents{0, 0, std::ceil(w), std::ceil(h)};
    cairo_surface_t* s = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
    auto ctx = std::make_shared<Context>(s, std::size_t(extents.width), std::size_t(extents.height), 1.0,
                                         BitmapFormat::PremultipliedBGRA, false, false);
    ctx->recording_ = true;
    return ctx;
}

// --- state ---

void Context::saveGState() {
    cairo_save(cr_);
    states_.push_back(std::make_unique<State>(*states_.back()));
}

void Context::restoreGState() {
    if (states_.size() <= 1) return;
    // A transparency layer's own state is popped by its end, not by a restore.
    if (!layerDepths_.empty() && states_.size() <= layerDepths_.back()) return;
    cairo_restore(cr_);
    states_.pop_back();
}

void Context::concatCTM(const AffineTransform& t) {
    State& s = *states_.back();
    if (!invertible(t)) {
        s.degenerate = true;
        return;
    }
    cairo_matrix_t m = toCairo(t);
    cairo_transform(cr_, &m);
}

void Context::translateCTM(Float tx, Float ty) { concatCTM(AffineTransformMakeTranslation(tx, ty)); }
void Context::scaleCTM(Float sx, Float sy) { concatCTM(AffineTransformMakeScale(sx, sy)); }
void Context::rotateCTM(Float angle) { concatCTM(AffineTransformMakeRotation(angle)); }

AffineTransform Context::deviceTransform() const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    return fromCairo(m);
}

AffineTransform Context::getCTM() const { return AffineTransformConcat(deviceTransform(), AffineTransformInvert(base_)); }

Point Context::convertPointToDeviceSpace(Point p) const { return PointApplyAffineTransform(p, deviceTransform()); }
Point Context::convertPointToUserSpace(Point p) const {
    return PointApplyAffineTransform(p, AffineTransformInvert(deviceTransform()));
}

void Context::setFillColorWithColor(const ColorPtr& c) { states_.back()->fill = c ? c->rgba() : RGBA{}; }
void Context::setStrokeColorWithColor(const ColorPtr& c) { states_.back()->stroke = c ? c->rgba() : RGBA{}; }
void Context::setRGBFillColor(double r, double g, double b, double a) { setFillColorWithColor(Color::createRGB(r, g, b, a)); }
void Context::setRGBStrokeColor(double r, double g, double b, double a) {
    setStrokeColorWithColor(Color::createRGB(r, g, b, a));
}
void Context::setGrayFillColor(double w, double a) { setFillColorWithColor(Color::createGray(w, a)); }
void Context::setGrayStrokeColor(double w, double a) { setStrokeColorWithColor(Color::createGray(w, a)); }
RGBA Context::fillColor() const { return states_.back()->fill; }
RGBA Context::strokeColor() const { return states_.back()->stroke; }

void Context::setLineWidth(Float width) {
    if (!std::isfinite(width) || width < 0) return;
    states_.back()->lineWidth = width;
    cairo_set_line_width(cr_, width);
}

void Context::setLineCap(LineCap cap) {
    states_.back()->cap = cap;
    cairo_set_line_cap(cr_, cap == LineCap::Round ? CAIRO_LINE_CAP_ROUND
                            : cap == LineCap::Square ? CAIRO_LINE_CAP_SQUARE
                                                     : CAIRO_LINE_CAP_BUTT);
}

void Context::setLineJoin(LineJoin join) {
    states_.back()->join = join;
    cairo_set_line_join(cr_, join == LineJoin::Round ? CAIRO_LINE_JOIN_ROUND
                             : join == LineJoin::Bevel ? CAIRO_LINE_JOIN_BEVEL
                                                       : CAIRO_LINE_JOIN_MITER);
}

void Context::setMiterLimit(Float limit) {
    if (!std::isfinite(limit) || limit < 1) return;
    states_.back()->miterLimit = limit;
    cairo_set_miter_limit(cr_, limit);
}

void Context::setLineDash(Float phase, const std::vector<Float>& lengths) {
    State& s = *states_.back();
    bool usable = !lengths.empty() && std::isfinite(phase);
    double sum = 0;
    for (double l : lengths) {
        if (!std::isfinite(l) || l < 0) usable = false;
        sum += l;
    }
    if (!usable || sum <= 0) {
        s.dashes.clear();
        s.dashPhase = 0;
    } else {
        s.dashes = lengths;
        s.dashPhase = phase;
    }
    applyDash();
}

void Context::applyDash() {
    const State& s = *states_.back();
    cairo_set_dash(cr_, s.dashes.empty() ? nullptr : s.dashes.data(), int(s.dashes.size()), s.dashPhase);
}

void Context::setAlpha(double alpha) { states_.back()->alpha = std::isfinite(alpha) ? std::clamp(alpha, 0.0, 1.0) : 1.0; }
void Context::setBlendMode(BlendMode mode) { states_.back()->blend = mode; }

void Context::setShadow(Size offset, Float blur) { setShadowWithColor(offset, blur, Color::createGray(0, 1.0 / 3.0)); }

void Context::setShadowWithColor(Size offset, Float blur, const ColorPtr& color) {
    State& s = *states_.back();
    s.shadow = color && color->alpha() > 0 && std::isfinite(offset.width) && std::isfinite(offset.height);
    s.shadowOffset = offset;
    s.shadowBlur = std::isfinite(blur) ? std::clamp(blur, 0.0, 500.0) : 0.0;
    s.shadowColor = color ? color->rgba() : RGBA{};
}

void Context::setShouldAntialias(bool antialias) {
    cairo_set_antialias(cr_, antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void Context::setInterpolationQuality(InterpolationQuality q) { states_.back()->interpolation = q; }

// --- path ---

void Context::beginPath() {
    path_.removeAll();
    cairo_new_path(cr_);
}

void Context::moveToPoint(Float x, Float y) {
    path_.moveToPoint({x, y});
    if (!path_.isEmpty()) emitElement(cr_, path_.elements().back());
}

void Context::addLineToPoint(Float x, Float y) {
    std::size_t n = path_.elements().size();
    path_.addLineToPoint({x, y});
    for (std::size_t i = n; i < path_.elements().size(); ++i) emitElement(cr_, path_.elements()[i]);
}

void Context::addCurveToPoint(Float c1x, Float c1y, Float c2x, Float c2y, Float x, Float y) {
    std::size_t n = path_.elements().size();
    path_.addCurveToPoint({c1x, c1y}, {c2x, c2y}, {x, y});
    for (std::size_t i = n; i < path_.elements().size(); ++i) emitElement(cr_, path_.elements()[i]);
}

void Context::addQuadCurveToPoint(Float cx, Float cy, Float x, Float y) {
    std::size_t n = path_.elements().size();
    path_.addQuadCurveToPoint({cx, cy}, {x, y});
    for (std::size_t i = n; i < path_.elements().size(); ++i) emitElement(cr_, path_.elements()[i]);
}

void Context::addArc(Float x, Float y, Float radius, Float start, Float end, bool clockwise) {
    std::size_t n = path_.elements().size();
    path_.addArc({x, y}, radius, start, end, clockwise);
    for (std::size_t i = n; i < path_.elements().size(); ++i) emitElement(cr_, path_.elements()[i]);
}

void Context::addArcToPoint(Float x1, Float y1, Float x2, Float y2, Float radius) {
    std::size_t n = path_.elements().size();
    path_.addArcToPoint({x1, y1}, {x2, y2}, radius);
    for (std::size_t i = n; i < path_.elements().size(); ++i) emitElement(cr_, path_.elements()[i]);
}

void Context::addPath(const Path& path) {
    std::size_t n = path_.elements().size();
    path_.addPath(path);
    for (std::size_t i = n; i < path_.elements().size(); ++i) emitElement(cr_, path_.elements()[i]);
}

void Context::addRect(const Rect& rect) {
    if (validRect(rect)) addPath(Path::withRect(rect));
}

void Context::addRects(const std::vector<Rect>& rects) {
    for (const auto& r : rects) addRect(r);
}

void Context::addEllipseInRect(const Rect& rect) {
    if (validRect(rect)) addPath(Path::withEllipseInRect(rect));
}

void Context::addLines(const std::vector<Point>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i == 0) {
            moveToPoint(points[i].x, points[i].y);
        } else {
            addLineToPoint(points[i].x, points[i].y);
        }
    }
}

void Context::closePath() {
    std::size_t n = path_.elements().size();
    path_.closeSubpath();
    if (path_.elements().size() > n) cairo_close_path(cr_);
}

bool Context::isPathEmpty() const { return path_.isEmpty(); }
Point Context::getPathCurrentPoint() const { return path_.currentPoint(); }
Rect Context::getPathBoundingBox() const { return path_.boundingBox(); }

bool Context::pathContainsPoint(Point p, PathDrawingMode mode) const {
    bool eo = mode == PathDrawingMode::EOFill || mode == PathDrawingMode::EOFillStroke;
    return path_.containsPoint(p, eo);
}

// --- painting ---

DrawCall Context::makeCall(DrawOp op) const {
    const State& s = *states_.back();
    DrawCall c;
    c.op = op;
    c.ctm = getCTM();
    c.fillColor = s.fill;
    c.strokeColor = s.stroke;
    c.lineWidth = s.lineWidth;
    c.lineCap = s.cap;
    c.lineJoin = s.join;
    c.dashes = s.dashes;
    c.dashPhase = s.dashPhase;
    c.alpha = s.alpha;
    c.blendMode = s.blend;
    c.hasShadow = s.shadow;
    c.shadowOffset = s.shadowOffset;
    c.shadowBlur = s.shadowBlur;
    c.shadowColor = s.shadowColor;
    return c;
}

void Context::record(DrawCall call) {
    if (recording_) calls_.push_back(std::move(call));
}

Rect Context::deviceBoxOfUserRect(const Rect& r) const {
    if (!validRect(r)) return RectNull();
    return RectApplyAffineTransform(r, deviceTransform());
}

void Context::drawShadow(cairo_t* cr, void* patternPtr, const Rect& contentBox) {
    auto* pattern = static_cast<cairo_pattern_t*>(patternPtr);
    const State& s = *states_.back();
    double blurPx = s.shadowBlur * scale_;
    double dx = s.shadowOffset.width * scale_;
    double dy = s.shadowOffset.height * scale_ * (yUp_ ? -1 : 1);
    double margin = std::ceil(blurPx * 1.5) + 1;
    Rect box = RectInset(contentBox, -margin, -margin);
    // Only the part that lands on the surface matters.
    Rect landed = RectIntersection(RectOffset(box, dx, dy), RectMake(0, 0, double(widthPx_), double(heightPx_)));
    if (RectIsEmpty(landed)) return;
    box = RectIntegral(RectOffset(landed, -dx, -dy));
    int w = int(box.size.width), h = int(box.size.height);
    cairo_surface_t* tmp = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* t = cairo_create(tmp);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    m.x0 -= box.origin.x;
    m.y0 -= box.origin.y;
    cairo_set_matrix(t, &m);
    cairo_set_source(t, pattern);
    cairo_paint(t);
    cairo_destroy(t);
    cairo_surface_flush(tmp);
    blurAlpha(cairo_image_surface_get_data(tmp), w, h, cairo_image_surface_get_stride(tmp), blurPx / 2);
    cairo_surface_mark_dirty(tmp);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_source_rgba(cr, s.shadowColor.r, s.shadowColor.g, s.shadowColor.b, s.shadowColor.a * s.alpha);
    cairo_mask_surface(cr, tmp, box.origin.x + dx, box.origin.y + dy);
    cairo_restore(cr);
    cairo_surface_destroy(tmp);
}

void Context::clipToDeviceBox(const Rect& box) {
    // The caller's path survives: clipping would otherwise consume it.
    cairo_path_t* saved = cairo_copy_path(cr_);
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    cairo_identity_matrix(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, box.origin.x, box.origin.y, box.size.width, box.size.height);
    cairo_clip(cr_);
    cairo_set_matrix(cr_, &m);
    cairo_append_path(cr_, saved);
    cairo_path_destroy(saved);
}

Rect Context::paintedDeviceBox(const Rect& userExtents) const {
    Rect box = deviceBoxOfUserRect(userExtents);
    if (RectIsNull(box)) return box;
    // Antialiasing touches the pixels around the geometry.
    box = RectIntegral(RectInset(box, -2, -2));
    return RectIntersection(box, RectMake(0, 0, double(widthPx_), double(heightPx_)));
}

void Context::paintWithEffects(const Rect& userExtents, const std::function<void(cairo_t*)>& paint) {
    const State& s = *states_.back();
    if (s.degenerate || s.alpha <= 0) {
        cairo_new_path(cr_);
        return;
    }
    if (s.alpha >= 1 && !s.shadow && !s.mask) {
        cairo_set_operator(cr_, toCairo(s.blend));
        paint(cr_);
        cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
        return;
    }
    // The content goes into a group first; the group only needs to be as
    // large as what is painted, not as large as the clip (often the screen).
    Rect box = paintedDeviceBox(userExtents);
    if (RectIsNull(box)) {
        // Outside the surface: only a shadow could still land on it.
        if (!s.shadow) return;
        box = deviceBoxOfUserRect(userExtents);
        if (RectIsNull(box)) return;
        box = RectIntegral(RectInset(box, -2, -2));
    }
    cairo_save(cr_);
    clipToDeviceBox(box);
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
    cairo_push_group(cr_);
    paint(cr_);
    cairo_pattern_t* content = cairo_pop_group(cr_);
    cairo_restore(cr_);
    composeWithEffects(box, content);
    cairo_pattern_destroy(content);
}

void Context::composeWithEffects(const Rect& deviceBox, void* contentPtr) {
    auto* content = static_cast<cairo_pattern_t*>(contentPtr);
    const State& s = *states_.back();
    cairo_operator_t op = toCairo(s.blend);
    bool mask = s.mask != nullptr;
    bool hasBox = !RectIsNull(deviceBox) && !RectIsEmpty(deviceBox);
    cairo_save(cr_);
    if (hasBox && !unbounded(op)) {
        // Everything drawn here lands inside the content's box or its shadow's.
        Rect reach = deviceBox;
        if (s.shadow) {
            double margin = std::ceil(s.shadowBlur * scale_ * 1.5) + 1;
            double dx = s.shadowOffset.width * scale_, dy = s.shadowOffset.height * scale_ * (yUp_ ? -1 : 1);
            reach = RectUnion(reach, RectInset(RectOffset(deviceBox, dx, dy), -margin, -margin));
        }
        clipToDeviceBox(RectIntegral(reach));
    }
    cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
    if (mask) cairo_push_group(cr_);
    cairo_set_operator(cr_, mask ? CAIRO_OPERATOR_OVER : op);
    if (s.shadow && hasBox) drawShadow(cr_, content, deviceBox);
    cairo_set_source(cr_, content);
    cairo_paint_with_alpha(cr_, s.alpha);
    if (mask) {
        cairo_pattern_t* composed = cairo_pop_group(cr_);
        cairo_set_operator(cr_, op);
        cairo_set_source(cr_, composed);
        cairo_identity_matrix(cr_);
        cairo_mask_surface(cr_, s.mask.get(), 0, 0);
        cairo_pattern_destroy(composed);
    }
    cairo_restore(cr_);
}

void Context::strokeOrFill(DrawOp op) {
    const State& s = *states_.back();
    if (!path_.isEmpty()) {
        DrawCall call = makeCall(op);
        call.path = path_;
        record(std::move(call));
    }
    double x1, y1, x2, y2;
    bool stroke = op == DrawOp::StrokePath;
    if (stroke) {
        cairo_stroke_extents(cr_, &x1, &y1, &x2, &y2);
    } else {
        cairo_set_fill_rule(cr_, op == DrawOp::EOFillPath ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        cairo_fill_extents(cr_, &x1, &y1, &x2, &y2);
    }
    RGBA color = stroke ? s.stroke : s.fill;
    paintWithEffects(RectMake(x1, y1, x2 - x1, y2 - y1), [&](cairo_t* cr) {
        setSource(cr, color);
        if (stroke) {
            cairo_stroke_preserve(cr);
        } else {
            cairo_fill_preserve(cr);
        }
    });
    cairo_new_path(cr_);
    path_.removeAll();
}

void Context::fillPath() { strokeOrFill(DrawOp::FillPath); }
void Context::eoFillPath() { strokeOrFill(DrawOp::EOFillPath); }
void Context::strokePath() { strokeOrFill(DrawOp::StrokePath); }

void Context::drawPath(PathDrawingMode mode) {
    switch (mode) {
    case PathDrawingMode::Fill: return fillPath();
    case PathDrawingMode::EOFill: return eoFillPath();
    case PathDrawingMode::Stroke: return strokePath();
    case PathDrawingMode::FillStroke:
    case PathDrawingMode::EOFillStroke: {
        Path saved = path_;
        cairo_path_t* copy = cairo_copy_path(cr_);
        strokeOrFill(mode == PathDrawingMode::FillStroke ? DrawOp::FillPath : DrawOp::EOFillPath);
        path_ = saved;
        cairo_append_path(cr_, copy);
        cairo_path_destroy(copy);
        strokeOrFill(DrawOp::StrokePath);
        return;
    }
    }
}

void Context::fillRect(const Rect& rect) {
    beginPath();
    addRect(rect);
    fillPath();
}

void Context::fillRects(const std::vector<Rect>& rects) {
    beginPath();
    addRects(rects);
    fillPath();
}

void Context::strokeRect(const Rect& rect) {
    beginPath();
    addRect(rect);
    strokePath();
}

void Context::strokeRectWithWidth(const Rect& rect, Float width) {
    saveGState();
    setLineWidth(width);
    strokeRect(rect);
    restoreGState();
}

void Context::clearRect(const Rect& rect) {
    if (!validRect(rect)) return;
    DrawCall call = makeCall(DrawOp::ClearRect);
    call.rect = rect;
    record(std::move(call));
    if (states_.back()->degenerate) return;
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr_);
    cairo_restore(cr_);
    // The clear used a private path; put the caller's path back.
    cairo_new_path(cr_);
    emitPath(cr_, path_);
}

void Context::fillEllipseInRect(const Rect& rect) {
    beginPath();
    addEllipseInRect(rect);
    fillPath();
}

void Context::strokeEllipseInRect(const Rect& rect) {
    beginPath();
    addEllipseInRect(rect);
    strokePath();
}

void Context::strokeLineSegments(const std::vector<Point>& points) {
    beginPath();
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        moveToPoint(points[i].x, points[i].y);
        addLineToPoint(points[i + 1].x, points[i + 1].y);
    }
    strokePath();
}

void Context::drawLinearGradient(const GradientPtr& gradient, Point start, Point end, unsigned options) {
    if (!gradient) return;
    DrawCall call = makeCall(DrawOp::LinearGradient);
    call.startPoint = start;
    call.endPoint = end;
    call.gradientOptions = options;
    call.stops = gradient->stops();
    record(std::move(call));
    double vx = end.x - start.x, vy = end.y - start.y, len = std::hypot(vx, vy);
    if (!(len > 0) || !std::isfinite(len)) return;
    cairo_pattern_t* p = cairo_pattern_create_linear(start.x, start.y, end.x, end.y);
    for (const auto& s : gradient->stops()) {
        cairo_pattern_add_color_stop_rgba(p, s.location, s.color.r, s.color.g, s.color.b, s.color.a);
    }
    cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
    cairo_save(cr_);
    cairo_path_t* saved = cairo_copy_path(cr_);
    // Limit the padded pattern to the band the options allow: half-planes
    // through the start and end points, perpendicular to the gradient.
    const double big = 1e5;
    double ux = vx / len, uy = vy / len, nx = -uy, ny = ux;
    auto halfPlane = [&](Point origin, double dir) {
        cairo_new_path(cr_);
        cairo_move_to(cr_, origin.x + nx * big, origin.y + ny * big);
        cairo_line_to(cr_, origin.x + nx * big + dir * ux * big, origin.y + ny * big + dir * uy * big);
        cairo_line_to(cr_, origin.x - nx * big + dir * ux * big, origin.y - ny * big + dir * uy * big);
        cairo_line_to(cr_, origin.x - nx * big, origin.y - ny * big);
        cairo_close_path(cr_);
        cairo_clip(cr_);
    };
    if (!(options & GradientDrawsBeforeStartLocation)) halfPlane(start, 1);
    if (!(options & GradientDrawsAfterEndLocation)) halfPlane(end, -1);
    cairo_new_path(cr_);
    double x1, y1, x2, y2;
    cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
    paintWithEffects(RectMake(x1, y1, x2 - x1, y2 - y1), [&](cairo_t* cr) {
        cairo_set_source(cr, p);
        cairo_paint(cr);
    });
    cairo_restore(cr_);
    cairo_new_path(cr_);
    cairo_append_path(cr_, saved);
    cairo_path_destroy(saved);
    cairo_pattern_destroy(p);
}

void Context::drawRadialGradient(const GradientPtr& gradient, Point c0, Float r0, Point c1, Float r1, unsigned options) {
    if (!gradient) return;
    DrawCall call = makeCall(DrawOp::RadialGradient);
    call.startPoint = c0;
    call.endPoint = c1;
    call.startRadius = r0;
    call.endRadius = r1;
    call.gradientOptions = options;
    call.stops = gradient->stops();
    record(std::move(call));
    if (!std::isfinite(r0) || !std::isfinite(r1) || r0 < 0 || r1 < 0 || (r0 == 0 && r1 == 0)) return;
    cairo_pattern_t* p = cairo_pattern_create_radial(c0.x, c0.y, r0, c1.x, c1.y, r1);
    for (const auto& s : gradient->stops()) {
        cairo_pattern_add_color_stop_rgba(p, s.location, s.color.r, s.color.g, s.color.b, s.color.a);
    }
    bool before = options & GradientDrawsBeforeStartLocation, after = options & GradientDrawsAfterEndLocation;
    cairo_pattern_set_extend(p, before || after ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_NONE);
    cairo_save(cr_);
    cairo_path_t* saved = cairo_copy_path(cr_);
    cairo_new_path(cr_);
    if (before && !after) {
        cairo_arc(cr_, c1.x, c1.y, r1, 0, 2 * M_PI);
        cairo_clip(cr_);
    } else if (after && !before && r0 > 0) {
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_rectangle(cr_, -1e5, -1e5, 2e5, 2e5);
        cairo_arc(cr_, c0.x, c0.y, r0, 0, 2 * M_PI);
        cairo_clip(cr_);
    }
    double x1, y1, x2, y2;
    cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
    paintWithEffects(RectMake(x1, y1, x2 - x1, y2 - y1), [&](cairo_t* cr) {
        cairo_set_source(cr, p);
        cairo_paint(cr);
    });
    cairo_restore(cr_);
    cairo_new_path(cr_);
    cairo_append_path(cr_, saved);
    cairo_path_destroy(saved);
    cairo_pattern_destroy(p);
}

void Context::drawImage(const Rect& rect, const ImagePtr& image) {
    if (!image || !validRect(rect)) return;
    DrawCall call = makeCall(DrawOp::DrawImage);
    call.rect = rect;
    record(std::move(call));
    auto q = states_.back()->interpolation;
    paintWithEffects(rect, [&](cairo_t* cr) { paintImage(cr, rect, *image, false, q); });
}

void Context::drawImageTopDown(const Rect& rect, const ImagePtr& image) {
    if (!image || !validRect(rect)) return;
    DrawCall call = makeCall(DrawOp::DrawImage);
    call.rect = rect;
    record(std::move(call));
    auto q = states_.back()->interpolation;
    paintWithEffects(rect, [&](cairo_t* cr) { paintImage(cr, rect, *image, true, q); });
}

// --- clipping ---

void Context::clip() {
    DrawCall call = makeCall(DrawOp::Clip);
    call.path = path_;
    record(std::move(call));
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr_);
    path_.removeAll();
}

void Context::eoClip() {
    DrawCall call = makeCall(DrawOp::EOClip);
    call.path = path_;
    record(std::move(call));
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr_);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
    path_.removeAll();
}

void Context::clipToRect(const Rect& rect) { clipToRects({rect}); }

void Context::clipToRects(const std::vector<Rect>& rects) {
    // Clipping to rectangles leaves the current path alone.
    Path saved = path_;
    cairo_path_t* copy = cairo_copy_path(cr_);
    beginPath();
    for (const auto& r : rects) {
        if (validRect(r)) addRect(RectStandardize(r));
    }
    clip();
    path_ = saved;
    cairo_append_path(cr_, copy);
    cairo_path_destroy(copy);
}

void Context::clipToMask(const Rect& rect, const ImagePtr& mask) {
    if (!mask || !validRect(rect)) return;
    DrawCall call = makeCall(DrawOp::ClipToMask);
    call.rect = rect;
    record(std::move(call));
    State& s = *states_.back();
    int w = int(widthPx_), h = int(heightPx_);
    cairo_surface_t* drawn = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* t = cairo_create(drawn);
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    cairo_set_matrix(t, &m);
    paintImage(t, rect, *mask, false, s.interpolation);
    cairo_destroy(t);
    cairo_surface_flush(drawn);
    bool alphaMask = mask->hasAlpha();
    cairo_surface_t* cov = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_surface_flush(cov);
    const unsigned char* src = cairo_image_surface_get_data(drawn);
    unsigned char* dst = cairo_image_surface_get_data(cov);
    const unsigned char* old = s.mask ? cairo_image_surface_get_data(s.mask.get()) : nullptr;
    int ss = cairo_image_surface_get_stride(drawn), ds = cairo_image_surface_get_stride(cov);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<const std::uint32_t*>(src + y * ss);
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = row[x];
            unsigned v = alphaMask ? p >> 24
                                   : (((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114) / 1000;
            if (old) v = v * old[y * ds + x] / 255;
            dst[y * ds + x] = static_cast<unsigned char>(v);
        }
    }
    cairo_surface_mark_dirty(cov);
    cairo_surface_destroy(drawn);
    s.mask = std::shared_ptr<cairo_surface_t>(cov, cairo_surface_destroy);
    // Outside the rectangle nothing draws any more.
    Path saved = path_;
    cairo_path_t* copy = cairo_copy_path(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
    cairo_clip(cr_);
    cairo_append_path(cr_, copy);
    cairo_path_destroy(copy);
}

Rect Context::getClipBoundingBox() const {
    double x1, y1, x2, y2;
    cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
    Rect r = RectMake(x1, y1, x2 - x1, y2 - y1);
    return RectIsEmpty(r) ? RectNull() : r;
}

void Context::beginTransparencyLayer() { beginTransparencyLayerWithRect(RectNull()); }

void Context::beginTransparencyLayerWithRect(const Rect& rect) {
    DrawCall call = makeCall(DrawOp::BeginTransparencyLayer);
    call.rect = rect;
    record(std::move(call));
    saveGState();
    layerDepths_.push_back(states_.size());
    layerRects_.push_back(rect);
    if (!RectIsNull(rect) && validRect(rect)) {
        cairo_new_path(cr_);
        cairo_rectangle(cr_, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
        cairo_clip(cr_);
        emitPath(cr_, path_);
    }
    // Inside the layer everything draws plainly; the layer as a whole gets
    // the alpha, shadow, blend mode and mask when it ends.
    State& s = *states_.back();
    s.alpha = 1;
    s.shadow = false;
    s.blend = BlendMode::Normal;
    s.mask.reset();
    cairo_push_group(cr_);
}

void Context::endTransparencyLayer() {
    if (layerDepths_.empty()) return;
    while (states_.size() > layerDepths_.back()) {
        cairo_restore(cr_);
        states_.pop_back();
    }
    cairo_pattern_t* layer = cairo_pop_group(cr_);
    layerDepths_.pop_back();
    Rect limit = layerRects_.back();
    layerRects_.pop_back();
    cairo_restore(cr_);
    states_.pop_back();
    record(makeCall(DrawOp::EndTransparencyLayer));
    const State& s = *states_.back();
    if (s.degenerate || s.alpha <= 0) {
        cairo_pattern_destroy(layer);
        return;
    }
    double x1, y1, x2, y2;
    cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
    Rect extents = RectMake(x1, y1, x2 - x1, y2 - y1);
    if (!RectIsNull(limit) && validRect(limit)) extents = RectIntersection(extents, RectStandardize(limit));
    if (RectIsNull(extents)) extents = RectZero;
    // The layer is already a group: compose it as it is. An empty layer
    // still matters under operators that clear what they do not cover.
    Rect box = paintedDeviceBox(extents);
    if (RectIsNull(box)) box = RectIntegral(deviceBoxOfUserRect(extents));
    if (!RectIsNull(box) || unbounded(toCairo(s.blend))) composeWithEffects(box, layer);
    cairo_pattern_destroy(layer);
}

// --- pixels ---

std::size_t Context::bytesPerRow() const {
    return widthPx_ * (format_ == BitmapFormat::Gray || format_ == BitmapFormat::AlphaOnly ? 1 : 4);
}

RGBA Context::pixel(std::size_t x, std::size_t y) const {
    if (!pixels_ || x >= widthPx_ || y >= heightPx_) return {};
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    if (format_ == BitmapFormat::AlphaOnly) return {0, 0, 0, data[y * stride + x] / 255.0};
    std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
    bool opaque = cairo_image_surface_get_format(surface_) == CAIRO_FORMAT_RGB24;
    double a = opaque ? 1.0 : (p >> 24) / 255.0;
    if (a == 0) return {};
    auto ch = [&](int shift) { return std::min(1.0, ((p >> shift) & 0xFF) / 255.0 / a); };
    RGBA c{ch(16), ch(8), ch(0), a};
    if (format_ == BitmapFormat::Gray) {
        double l = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
        c = {l, l, l, 1};
    }
    return c;
}

ns::Data Context::bitmapData() const {
    if (!pixels_) return {};
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    std::size_t bpr = bytesPerRow();
    ns::Data out = ns::Data::withLength(bpr * heightPx_);
    std::uint8_t* o = out.mutableBytes();
    for (std::size_t y = 0; y < heightPx_; ++y) {
        const unsigned char* row = data + y * stride;
        std::uint8_t* orow = o + y * bpr;
        if (format_ == BitmapFormat::AlphaOnly) {
            std::memcpy(orow, row, widthPx_);
            continue;
        }
        for (std::size_t x = 0; x < widthPx_; ++x) {
            std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
            std::uint8_t a = std::uint8_t(p >> 24), r = std::uint8_t(p >> 16), g = std::uint8_t(p >> 8), b = std::uint8_t(p);
            std::uint8_t* q = orow + x * 4;
            switch (format_) {
            case BitmapFormat::PremultipliedRGBA: q[0] = r, q[1] = g, q[2] = b, q[3] = a; break;
            case BitmapFormat::PremultipliedARGB: q[0] = a, q[1] = r, q[2] = g, q[3] = b; break;
            case BitmapFormat::PremultipliedBGRA: q[0] = b, q[1] = g, q[2] = r, q[3] = a; break;
            case BitmapFormat::RGBX: q[0] = r, q[1] = g, q[2] = b, q[3] = 0xFF; break;
            case BitmapFormat::XRGB: q[0] = 0xFF, q[1] = r, q[2] = g, q[3] = b; break;
            case BitmapFormat::BGRX: q[0] = b, q[1] = g, q[2] = r, q[3] = 0xFF; break;
            case BitmapFormat::Gray: orow[x] = std::uint8_t((r * 299 + g * 587 + b * 114) / 1000); break;
            case BitmapFormat::AlphaOnly: break;
            }
        }
    }
    return out;
}

ImagePtr Context::takeImage() {
    if (!pixels_ || cairo_image_surface_get_format(surface_) != CAIRO_FORMAT_ARGB32) return createImage();
    cairo_surface_flush(surface_);
    // Unwind any open state so the context stays consistent for whatever comes after.
    cairo_destroy(cr_);
    ImagePtr image = Image::adoptSurface(surface_, scale_);
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cr_ = cairo_create(surface_);
    widthPx_ = heightPx_ = 1;
    states_.resize(1);
    *states_.back() = State();
    layerDepths_.clear();
    layerRects_.clear();
    path_.removeAll();
    return image;
}

ImagePtr Context::createImage() const {
    if (!pixels_) return nullptr;
    auto img = Image::create(widthPx_, heightPx_, scale_);
    if (!img) return nullptr;
    cairo_surface_flush(surface_);
    cairo_t* t = cairo_create(img->surface());
    if (format_ == BitmapFormat::AlphaOnly) {
        cairo_set_source_rgb(t, 0, 0, 0);
        cairo_mask_surface(t, surface_, 0, 0);
    } else {
        cairo_set_operator(t, CAIRO_OPERATOR_SOURCE);
        cairo_set_source_surface(t, surface_, 0, 0);
        cairo_paint(t);
    }
    cairo_destroy(t);
    return img;
}

}  // namespace cg
