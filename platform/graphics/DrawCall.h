// One recorded drawing call: what was drawn (the path as built, in user
// coordinates) and the state it was drawn with. Contexts record these when
// recording is on, so that tests can check geometry without reading pixels.
#pragma once

#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/Gradient.h"
#include "platform/graphics/Path.h"

namespace cg {

enum class BlendMode {
    Normal, Multiply, Screen, Overlay, Darken, Lighten, ColorDodge, ColorBurn, SoftLight, HardLight,
    Difference, Exclusion, Hue, Saturation, Color, Luminosity,
    Clear, Copy, SourceIn, SourceOut, SourceAtop, DestinationOver, DestinationIn, DestinationOut,
    DestinationAtop, XOR, PlusDarker, PlusLighter
};

enum class DrawOp {
    FillPath, EOFillPath, StrokePath, ClearRect, Clip, EOClip, ClipToMask, DrawImage,
    LinearGradient, RadialGradient, ShowText, BeginTransparencyLayer, EndTransparencyLayer
};

struct DrawCall {
    DrawOp op = DrawOp::FillPath;
    Path path;              // fill, stroke and clip calls
    Rect rect;              // image, mask and clear rectangles
    AffineTransform ctm;    // user space to the context's initial space
    RGBA fillColor;
    RGBA strokeColor;
    double lineWidth = 1;
    LineCap lineCap = LineCap::Butt;
    LineJoin lineJoin = LineJoin::Miter;
    std::vector<double> dashes;
    double dashPhase = 0;
    double alpha = 1;
    BlendMode blendMode = BlendMode::Normal;
    bool hasShadow = false;
    Size shadowOffset;
    double shadowBlur = 0;
    RGBA shadowColor;
    // Gradients.
    Point startPoint, endPoint;
    double startRadius = 0, endRadius = 0;
    unsigned gradientOptions = 0;
    std::vector<GradientStop> stops;
    // Text: the string, its font and where its baseline starts.
    std::string text;
    std::string fontName;
    double fontSize = 0;
};

}  // namespace cg
