#include "widgets/TAVOLinePlotView.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/Gradient.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"

namespace {

// The best slot distance starts here; a nearer one replaces it.
constexpr double kFarAway = 10000;
constexpr double kTickerLabelGap = 10;
constexpr double kTickerLabelX = 2;
constexpr double kTickerLabelLift = 2;
constexpr double kBubbleGap = 2;
constexpr double kBubbleVerticalInset = 2;
constexpr double kDotGap = 2;

void setFill(cg::Context& c, const ui::Color& color) { c.setRGBFillColor(color.red(), color.green(), color.blue(), color.alpha()); }
void setStroke(cg::Context& c, const ui::Color& color) {
    c.setRGBStrokeColor(color.red(), color.green(), color.blue(), color.alpha());
}

struct QueuedLabel {
    std::string text;
    cg::Point at;
};

struct ReadOutRecord {
    double y = 0;
    std::string text;
    ui::Color color;
    ui::Font font;
};

// Where a series' samples sit in the plot area.
struct SeriesGeometry {
    double step = 0;
    double shift = 0;
    double height = 0;
    float minValue = 0;
    float maxValue = 1;
    double x(std::size_t j) const { return shift + step * static_cast<double>(j); }
    double y(float v) const { return height * (1 - (v - minValue) / (maxValue - minValue)); }
};

bool drawsNothing(const TAVOLinePlotData& plot) {
    return plot.values().size() > plot.maxPointCount || plot.minValue >= plot.maxValue || plot.maxPointCount < 2;
}

bool hasLine(const TAVOLinePlotData& plot) { return plot.lineWidth > 0 && plot.lineColor; }

}  // namespace

void TAVOLinePlotView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    panIndex_ = -1;
}

void TAVOLinePlotView::setEnablePanGesture(bool on) {
    if (on == enablePanGesture_) return;
    enablePanGesture_ = on;
    if (on) {
        auto self = this->self<TAVOLinePlotView>();
        auto asDelegate = std::static_pointer_cast<ui::GestureRecognizerDelegate>(self);
        if (!longPressGesture_) {
            longPressGesture_ = ui::LongPressGestureRecognizer::create();
            longPressGesture_->minimumPressDuration = kMinimumPressDuration;
            longPressGesture_->addTarget(self, &TAVOLinePlotView::handleGesture, "handleGesture");
            longPressGesture_->setDelegate(asDelegate);
        }
        if (!panGesture_) {
            panGesture_ = ui::PanGestureRecognizer::create();
            panGesture_->addTarget(self, &TAVOLinePlotView::handleGesture, "handleGesture");
            panGesture_->setDelegate(asDelegate);
        }
        addGestureRecognizer(longPressGesture_);
        addGestureRecognizer(panGesture_);
    } else {
        if (longPressGesture_) removeGestureRecognizer(longPressGesture_);
        if (panGesture_) removeGestureRecognizer(panGesture_);
        longPressGesture_.reset();
        panGesture_.reset();
    }
    panIndex_ = -1;
}

void TAVOLinePlotView::handleGesture(ui::GestureRecognizer& recognizer) {
    switch (recognizer.state()) {
        case ui::GestureRecognizerState::Began:
        case ui::GestureRecognizerState::Changed:
            setPanLocation(recognizer.locationInView(self<TAVOLinePlotView>()));
            break;
        case ui::GestureRecognizerState::Ended:
        case ui::GestureRecognizerState::Failed:
            setPanLocation({0, 0});
            break;
        default:
            break;
    }
}

int TAVOLinePlotView::panIndexAfterCorrection() const {
    if (panIndex_ < 0) return -1;
    int index = panIndex_;
    if (auto first = firstPlot(); first && first->alignRight && first->values().size() < first->maxPointCount)
        index -= static_cast<int>(first->maxPointCount - first->values().size());
    return index < 0 ? -1 : index;
}

void TAVOLinePlotView::setPanLocation(const cg::Point& point) {
    int slot = -1;
    double x = 0;
    if (point.x != 0 || point.y != 0) {
        auto first = firstPlot();
        const unsigned n = first ? first->maxPointCount : 0;
        bool agree = n > 1;
        for (const auto& plot : plots) {
            if (!plot || plot->maxPointCount != n || plot->values().size() != first->values().size() ||
                plot->alignRight != first->alignRight)
                agree = false;
        }
        if (agree) {
            const double width = bounds().size.width - margins.left - margins.right;
            const double step = width / (n - 1);
            double best = kFarAway;
            for (unsigned i = 0; i < n; ++i) {
                const double distance = std::fabs(margins.left + step * i - point.x);
                if (distance < best) {
                    best = distance;
                    slot = static_cast<int>(i);
                    x = margins.left + step * i;
                }
            }
        }
    }
    const int old = panIndexAfterCorrection();
    panIndex_ = slot;
    panLocationX_ = x;
    if (panIndexAfterCorrection() != old) setNeedsDisplay();
}

void TAVOLinePlotView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    cg::Context& c = *context;
    const cg::Rect b = bounds();
    const double plotWidth = b.size.width - margins.left - margins.right;
    const double plotHeight = b.size.height - margins.top - margins.bottom;

    if (plotsBackgroudColor) {
        setFill(c, *plotsBackgroudColor);
        c.fillRect(cg::RectMake(margins.left, margins.top, plotWidth, plotHeight));
    }

    auto d = panning() ? delegate() : nullptr;
    ui::OptionalColor readLineColor, bubbleFill, bubbleStroke;
    float readLineWidth = 0;
    if (d) {
        readLineColor = d->annotationLineColorOfPlotView(*this);
        bubbleFill = d->annotationFillColorOfPlotView(*this);
        bubbleStroke = d->annotationStokeColorOfPlotView(*this);
        readLineWidth = d->annotationLineWidthOfPlotView(*this);
    }
    const bool readOut = d && readLineWidth > 0 && readLineColor;
    const int readIndex = panIndexAfterCorrection();
    std::vector<ReadOutRecord> records;

    for (const auto& plotPtr : plots) {
        if (!plotPtr || drawsNothing(*plotPtr)) continue;
        TAVOLinePlotData& plot = *plotPtr;
        const auto& values = plot.values();
        SeriesGeometry g;
        g.step = plotWidth / (plot.maxPointCount - 1);
        g.shift = plot.alignRight ? g.step * (plot.maxPointCount - values.size()) : 0;
        g.height = plotHeight;
        g.minValue = plot.minValue;
        g.maxValue = plot.maxValue;

        std::vector<QueuedLabel> labels;
        if (!plot.tickerValuesAndLabelsY.empty() && plot.tickerWeight > 0 && plot.tickerTextColor &&
            plot.tickerTextFont) {
            const auto font = plot.tickerTextFont->ctFont();
            double widest = 0;
            for (const auto& [value, label] : plot.tickerValuesAndLabelsY)
                widest = std::max(widest, ct::sizeWithFont(label, font).width);
            const double labelColumn = widest + kTickerLabelGap;
            for (const auto& [value, label] : plot.tickerValuesAndLabelsY) {
                const double t = margins.top + g.y(value);
                if (plot.tickerColor) {
                    c.setLineWidth(plot.tickerWeight);
                    setStroke(c, *plot.tickerColor);
                    c.beginPath();
                    c.moveToPoint(label.empty() ? 0 : labelColumn, t);
                    c.addLineToPoint(b.size.width - margins.right, t);
                    c.strokePath();
                }
                const double labelHeight = ct::sizeWithFont(label, font).height;
                const double y = value == 0 ? t - labelHeight - kTickerLabelLift : t - labelHeight * 0.5;
                labels.push_back({label, {kTickerLabelX, y}});
            }
        }

        cg::Path line;
        for (std::size_t j = 0; j < values.size(); ++j) {
            if (j == 0)
                line.moveToPoint({g.x(j), g.y(values[j])});
            else
                line.addLineToPoint({g.x(j), g.y(values[j])});
        }
        cg::Path fill = line;
        const double lastX = values.empty() ? 0 : g.x(values.size() - 1);
        const double firstX = values.empty() ? 0 : g.x(0);
        if (values.empty()) fill.moveToPoint({0, plotHeight});
        fill.addLineToPoint({lastX, plotHeight});
        fill.addLineToPoint({firstX, plotHeight});
        fill.closeSubpath();

        c.saveGState();
        c.translateCTM(margins.left, margins.top);
        const bool gradient = plot.fillColors.size() >= 2;
        if (gradient || plot.fillColor) {
            c.setShouldAntialias(!hasLine(plot));
            if (!gradient) {
                setFill(c, *plot.fillColor);
                setStroke(c, *plot.fillColor);
                c.setLineWidth(plot.lineWidth);
                c.beginPath();
                c.addPath(fill);
                c.drawPath(cg::PathDrawingMode::FillStroke);
            } else {
                c.saveGState();
                c.beginPath();
                c.addPath(fill);
                c.clip();
                auto shading = cg::Gradient::createWithColors(cg::ColorSpace::createDeviceRGB(), plot.cgFillColors());
                if (shading) c.drawLinearGradient(shading, {0, 0}, {0, plotHeight}, 0);
                c.restoreGState();
            }
        }
        if (hasLine(plot)) {
            c.setShouldAntialias(true);
            c.setInterpolationQuality(cg::InterpolationQuality::Medium);
            c.setLineWidth(plot.lineWidth);
            setStroke(c, *plot.lineColor);
            c.beginPath();
            c.addPath(line);
            c.strokePath();
        }
        c.restoreGState();

        if (!labels.empty()) {
            setFill(c, *plot.tickerTextColor);
            const auto font = plot.tickerTextFont->ctFont();
            for (const auto& label : labels) ct::drawAtPoint(c, label.text, label.at, font);
        }

        if (readOut && readIndex >= 0 && static_cast<std::size_t>(readIndex) < values.size()) {
            auto text = d->annotationTextAtIndex(readIndex, plot, *this);
            auto color = d->annotationColorAtIndex(readIndex, plot, *this);
            auto font = d->annotationFontAtIndex(readIndex, plot, *this);
            if (text && color && font)
                records.push_back({margins.top + g.y(values[readIndex]), *text, *color, *font});
        }
    }

    // With records from two series the read-out would be ambiguous: none.
    if (records.size() != 1) return;
    const ReadOutRecord& record = records.front();
    c.setLineWidth(readLineWidth);
    const cg::Size textSize = ct::sizeWithFont(record.text, record.font.ctFont());
    const bool bubble = bubbleFill && bubbleStroke;
    const double px = bubble ? textSize.height * 0.5 : 0;
    const double py = bubble ? kBubbleVerticalInset : 0;
    const double bubbleWidth = textSize.width + 2 * px;
    const double bubbleHeight = textSize.height + 2 * py;
    const double bubbleTop = margins.top + kBubbleGap;
    double bubbleX = panLocationX_ - textSize.width * 0.5 - px;
    double lineTop = margins.top;
    if (record.y <= bubbleTop + bubbleHeight) {
        bubbleX = panLocationX_ <= b.size.width * 0.5 ? panLocationX_ + kBubbleGap : panLocationX_ - bubbleWidth - kBubbleGap;
    } else {
        lineTop += textSize.height + 2 * py + kBubbleGap;
    }
    bubbleX = std::max(bubbleX, margins.left + kBubbleGap);
    bubbleX = std::min(bubbleX, b.size.width - margins.right - textSize.width - 2 * px - kBubbleGap);

    if (bubble) {
        setFill(c, *bubbleFill);
        setStroke(c, *bubbleStroke);
        const double radius = textSize.height * 0.5 + 2;
        c.beginPath();
        c.addPath(cg::Path::withRoundedRect(cg::RectMake(bubbleX, bubbleTop, bubbleWidth, bubbleHeight), radius, radius));
        c.drawPath(cg::PathDrawingMode::FillStroke);
    }
    setFill(c, record.color);
    ct::drawAtPoint(c, record.text, {bubbleX + px, bubbleTop + py}, record.font.ctFont());

    setStroke(c, *readLineColor);
    c.beginPath();
    c.moveToPoint(panLocationX_, lineTop);
    c.addLineToPoint(panLocationX_, b.size.height - margins.bottom);
    c.strokePath();

    const double w2 = readLineWidth;
    setFill(c, ui::Color::whiteColor());
    c.beginPath();
    c.addEllipseInRect(cg::RectMake(panLocationX_ - w2 - kDotGap, record.y - w2 - kDotGap, 2 * w2 + 4, 2 * w2 + 4));
    c.drawPath(cg::PathDrawingMode::FillStroke);
}
