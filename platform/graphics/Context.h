// The drawing context over Cairo. It keeps the platform's model: a graphics
// state (transform, colours, line settings, alpha, blend mode, shadow, clip)
// saved and restored as a stack, and one current path that fill, stroke and
// clip consume. Shadows with blur, global alpha, clipping to a mask and
// transparency layers are composed here, since Cairo has none of them.
//
// Three kinds of context exist: bitmap contexts in the platform's pixel
// formats (y up, origin bottom left, as the platform's bitmap contexts),
// image contexts (y down and scaled, as a view's or an image renderer's
// context) and recording contexts that keep no pixels. Any context can
// record its calls (setRecording) for tests to inspect.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/DrawCall.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Gradient.h"
#include "platform/graphics/Image.h"
#include "platform/graphics/Path.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace cg {

enum class PathDrawingMode { Fill, EOFill, Stroke, FillStroke, EOFillStroke };
enum class InterpolationQuality { Default, None, Low, Medium, High };

// Pixel layouts a bitmap context can hold (the platform's bitmap-info values
// map onto these, see BitmapContext.h).
enum class BitmapFormat {
    PremultipliedRGBA,      // bytes R G B A
    PremultipliedARGB,      // bytes A R G B
    PremultipliedBGRA,      // bytes B G R A (32-bit little-endian ARGB)
    RGBX,                   // bytes R G B x, opaque
    XRGB,                   // bytes x R G B, opaque
    BGRX,                   // bytes B G R x, opaque
    Gray,                   // one byte of luminance, opaque
    AlphaOnly,              // one byte of alpha
};

class Context : public ns::Object {
public:
    // A bitmap context of whole pixels, transparent (or black when the
    // format is opaque). Null for a zero or absurd size.
    static std::shared_ptr<Context> createBitmap(std::size_t widthPixels, std::size_t heightPixels,
                                                 BitmapFormat format = BitmapFormat::PremultipliedRGBA);
    // A y-down context measured in points, `scale` pixels per point.
    static std::shared_ptr<Context> createImageContext(Size points, bool opaque, double scale);
    // A y-down context in points that records its calls and keeps no pixels.
    static std::shared_ptr<Context> createRecording(Size points);

    ~Context() override;

    // --- graphics state ---
    void saveGState();
    // Unbalanced restores are ignored.
    void restoreGState();
    void translateCTM(Float tx, Float ty);
    void scaleCTM(Float sx, Float sy);
    void rotateCTM(Float angle);
    void concatCTM(const AffineTransform& t);
    // User space to the context's initial space (identity when created).
    AffineTransform getCTM() const;
    // User space to device pixels (row 0 at the top).
    AffineTransform deviceTransform() const;
    Point convertPointToDeviceSpace(Point p) const;
    Point convertPointToUserSpace(Point p) const;

    void setFillColorWithColor(const ColorPtr& color);
    void setStrokeColorWithColor(const ColorPtr& color);
    void setRGBFillColor(double r, double g, double b, double a);
    void setRGBStrokeColor(double r, double g, double b, double a);
    void setGrayFillColor(double white, double a);
    void setGrayStrokeColor(double white, double a);
    RGBA fillColor() const;
    RGBA strokeColor() const;
    void setLineWidth(Float width);
    void setLineCap(LineCap cap);
    void setLineJoin(LineJoin join);
    void setMiterLimit(Float limit);
    // An empty list draws solid lines.
    void setLineDash(Float phase, const std::vector<Float>& lengths);
    void setAlpha(double alpha);
    void setBlendMode(BlendMode mode);
    // Offset in the context's initial space (a positive height moves the
    // shadow down in y-down contexts, up in y-up ones); blur in points.
    void setShadow(Size offset, Float blur);
    // A null colour turns the shadow off.
    void setShadowWithColor(Size offset, Float blur, const ColorPtr& color);
    void setShouldAntialias(bool antialias);
    void setInterpolationQuality(InterpolationQuality quality);

    // --- the current path ---
    void beginPath();
    void moveToPoint(Float x, Float y);
    void addLineToPoint(Float x, Float y);
    void addCurveToPoint(Float cp1x, Float cp1y, Float cp2x, Float cp2y, Float x, Float y);
    void addQuadCurveToPoint(Float cpx, Float cpy, Float x, Float y);
    void addArc(Float x, Float y, Float radius, Float startAngle, Float endAngle, bool clockwise);
    void addArcToPoint(Float x1, Float y1, Float x2, Float y2, Float radius);
    void addRect(const Rect& rect);
    void addRects(const std::vector<Rect>& rects);
    void addEllipseInRect(const Rect& rect);
    void addLines(const std::vector<Point>& points);
    void addPath(const Path& path);
    void closePath();
    bool isPathEmpty() const;
    Point getPathCurrentPoint() const;
    Rect getPathBoundingBox() const;
    const Path& currentPath() const { return path_; }
    bool pathContainsPoint(Point p, PathDrawingMode mode) const;

    // --- painting ---
    void fillPath();
    void eoFillPath();
    void strokePath();
    void drawPath(PathDrawingMode mode);
    void fillRect(const Rect& rect);
    void fillRects(const std::vector<Rect>& rects);
    void strokeRect(const Rect& rect);
    void strokeRectWithWidth(const Rect& rect, Float width);
    void clearRect(const Rect& rect);
    void fillEllipseInRect(const Rect& rect);
    void strokeEllipseInRect(const Rect& rect);
    // Pairs of points, one segment per pair.
    void strokeLineSegments(const std::vector<Point>& points);
    void drawLinearGradient(const GradientPtr& gradient, Point start, Point end, unsigned options);
    void drawRadialGradient(const GradientPtr& gradient, Point startCenter, Float startRadius, Point endCenter,
                            Float endRadius, unsigned options);
    // The platform's image drawing: the image's top row lands on the
    // rectangle's maximum y, so it reads upright in a y-up context.
    void drawImage(const Rect& rect, const ImagePtr& image);
    // Image drawing as views do it: the top row on the rectangle's minimum y.
    void drawImageTopDown(const Rect& rect, const ImagePtr& image);

    // --- clipping ---
    void clip();
    void eoClip();
    void clipToRect(const Rect& rect);
    void clipToRects(const std::vector<Rect>& rects);
    // An image with alpha clips by its alpha, an opaque one by its
    // brightness; outside the rectangle everything is clipped away.
    void clipToMask(const Rect& rect, const ImagePtr& mask);
    Rect getClipBoundingBox() const;

    void beginTransparencyLayer();
    // A layer limited to a rectangle: nothing inside it draws outside the
    // rectangle, and composing it (its shadow above all) costs only that much.
    void beginTransparencyLayerWithRect(const Rect& rect);
    void endTransparencyLayer();

    // Text placement used by line and run drawing.
    void setTextMatrix(const AffineTransform& t) { textMatrix_ = t; }
    AffineTransform getTextMatrix() const { return textMatrix_; }
    void setTextPosition(Float x, Float y) { textPosition_ = {x, y}; }
    Point getTextPosition() const { return textPosition_; }

    // --- pixels ---
    std::size_t width() const { return widthPx_; }
    std::size_t height() const { return heightPx_; }
    double scale() const { return scale_; }
    BitmapFormat bitmapFormat() const { return format_; }
    std::size_t bytesPerRow() const;
    // The pixels in the context's format, row 0 at the top.
    ns::Data bitmapData() const;
    // Straight RGBA of a device pixel (row 0 at the top).
    RGBA pixel(std::size_t x, std::size_t y) const;
    // A snapshot of the pixels; null for a recording context.
    ImagePtr createImage() const;
    // The pixels as an image without copying them, for a context that is
    // done drawing: afterwards the context is empty (1 by 1) and draws nowhere.
    ImagePtr takeImage();

    // --- recording ---
    void setRecording(bool on) { recording_ = on; }
    bool isRecording() const { return recording_; }
    const std::vector<DrawCall>& recordedCalls() const { return calls_; }
    void clearRecordedCalls() { calls_.clear(); }
    // A call filled with the current state, for drawing code outside this class.
    DrawCall makeCall(DrawOp op) const;
    void record(DrawCall call);

    // For text and image drawing elsewhere in this layer: runs `paint` (which
    // draws with Cairo in the current user space) through alpha, shadow,
    // blend mode and mask clipping. `userExtents` bounds what it paints.
    void paintWithEffects(const Rect& userExtents, const std::function<void(cairo_t*)>& paint);
    cairo_t* cairo() const { return cr_; }

    struct State;
    Context(cairo_surface_t* surface, std::size_t w, std::size_t h, double scale, BitmapFormat format, bool yUp,
            bool pixels);

private:
    void strokeOrFill(DrawOp op);
    void drawShadow(cairo_t* cr, void* pattern, const Rect& deviceBox);
    Rect deviceBoxOfUserRect(const Rect& r) const;
    // What painting within the user-space extents can touch, in device pixels.
    Rect paintedDeviceBox(const Rect& userExtents) const;
    // Narrows the clip to a device rectangle, keeping the current path.
    void clipToDeviceBox(const Rect& box);
    // Draws a painted group through shadow, alpha, blend mode and mask.
    void composeWithEffects(const Rect& deviceBox, void* content);
    void applyDash();

    cairo_surface_t* surface_;
    cairo_t* cr_;
    std::size_t widthPx_, heightPx_;
    double scale_;
    BitmapFormat format_;
    bool yUp_;
    bool pixels_;
    AffineTransform base_;  // initial user space to device
    std::vector<std::unique_ptr<State>> states_;
    std::vector<std::size_t> layerDepths_;
    std::vector<Rect> layerRects_;  // RectNull for unlimited layers
    Path path_;
    AffineTransform textMatrix_;
    Point textPosition_;
    bool recording_ = false;
    std::vector<DrawCall> calls_;
};

using ContextPtr = std::shared_ptr<Context>;

}  // namespace cg
