#include "screens/home/TAVOSpeedPlotViewController.h"

#include <algorithm>
#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/Format.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/Font.h"

namespace {

// The popup card and its parts (the interface file's layout).
constexpr double kWidth = 290;
constexpr double kHeight = 380;
constexpr cg::Rect kTitleFrame{{0, 14}, {kWidth, 24}};
constexpr cg::Rect kPlotFrame{{0, 44}, {kWidth, 230}};
constexpr cg::Rect kUnitFrame{{10, 54}, {kWidth - 20, 16}};
constexpr double kCaptionsY = 290;
constexpr double kSpeedsY = 312;
constexpr double kColumnWidth = kWidth / 2;
constexpr double kColumnInset = 15;

const ui::Color kLineColor = ui::Color::rgba(0.2, 0.702, 0.2431);
const ui::Color kFillColor = ui::Color::rgba(0.3804, 0.8078, 0.4275, 0.5);

ui::Color grey(double level) { return ui::Color::white(level); }

ui::LabelPtr label(const cg::Rect& frame, double size, double greyLevel, ui::TextAlignment alignment) {
    auto l = ui::Label::create(frame);
    l->setFont(ui::Font::systemFontOfSize(size));
    l->setTextColor(grey(greyLevel));
    l->setTextAlignment(alignment);
    l->setBackgroundColor(ui::Color::clearColor());
    return l;
}

// Two pixels side by side, the left one grey: at scale 2, a half-point line
// along the left edge of whatever the image view spans.
ui::ImagePtr dividerImage() {
    cg::beginImageContext(cg::Size{2, 1}, false, 1);
    cg::ImagePtr bitmap;
    if (auto context = cg::currentContext()) {
        context->setRGBFillColor(0.8667, 0.8667, 0.8667, 1);
        context->fillRect(cg::Rect{{0, 0}, {1, 1}});
        bitmap = cg::imageFromCurrentImageContext();
    }
    cg::endImageContext();
    return bitmap ? ui::Image::imageWithCGImage(bitmap, 2) : nullptr;
}

}  // namespace

TAVOSpeedPlotViewController::~TAVOSpeedPlotViewController() { endListening(); }

TAVOSpeedPlotViewController::Scale TAVOSpeedPlotViewController::scaleForMaxKB(double speedMaxKB) {
    Scale scale;
    const bool megabytes = speedMaxKB > 1024;
    const double s = megabytes ? speedMaxKB / 1024 : speedMaxKB;
    double q = s == 0 ? 0.25 : s * 0.25;
    double p = 1;
    while (q > 1) {
        q /= 10;
        p *= 10;
    }
    // A hair over the product keeps 0.7 * 10 from flooring to 6.
    scale.step = p * std::floor(q * 10 + 1e-9) / 10;
    if (scale.step > 1) {
        scale.labelFormat = "%.0f";
    } else {
        scale.step = std::max(scale.step, 0.1);
        scale.labelFormat = "%.1f";
    }
    scale.megabytes = megabytes || s == 0;
    return scale;
}

void TAVOSpeedPlotViewController::buildInterface() {
    view()->setFrame(cg::RectMake(0, 0, kWidth, kHeight));
    view()->setBackgroundColor(ui::Color::whiteColor());

    linePlotView_ = TAVOLinePlotView::create(kPlotFrame);
    view()->addSubview(linePlotView_);
    titleLabel_ = label(kTitleFrame, 17, 0.2, ui::TextAlignment::Center);
    view()->addSubview(titleLabel_);
    unitLabel_ = label(kUnitFrame, 11, 0.4, ui::TextAlignment::Left);
    view()->addSubview(unitLabel_);

    // Each column: its caption over its speed, both from the column's inset.
    const double textWidth = kColumnWidth - 2 * kColumnInset;
    downoadLabel_ = label(cg::RectMake(kColumnInset, kCaptionsY, textWidth, 18), 13, 0.4, ui::TextAlignment::Left);
    uploadLabel_ = label(cg::RectMake(kColumnWidth + kColumnInset, kCaptionsY, textWidth, 18), 13, 0.4,
                         ui::TextAlignment::Left);
    downloadSpeedLabel_ = TAVOSpeedLabel::create(cg::RectMake(kColumnInset, kSpeedsY, textWidth, 40));
    uploadSpeedLabel_ = TAVOSpeedLabel::create(cg::RectMake(kColumnWidth + kColumnInset, kSpeedsY, textWidth, 40));
    deviderView_ = ui::ImageView::create(cg::RectMake(kColumnWidth, kCaptionsY, 1, kSpeedsY + 40 - kCaptionsY));
    for (const ui::ViewPtr& v : std::initializer_list<ui::ViewPtr>{downoadLabel_, uploadLabel_, downloadSpeedLabel_,
                                                                     uploadSpeedLabel_, deviderView_})
        view()->addSubview(v);
}

void TAVOSpeedPlotViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    buildInterface();
    navBar()->removeFromSuperview();
    titleLabel_->setText(TAVOLocalizedString("current data usage curve"));
    downoadLabel_->setText(TAVOLocalizedString("real-time download speed"));
    uploadLabel_->setText(TAVOLocalizedString("real-time upload speed"));

    for (const auto& speed : {downloadSpeedLabel_, uploadSpeedLabel_}) {
        speed->setSpeedTextSize(20);
        speed->setSpeedTextColor(grey(0.2667));
        speed->setUnitTextSize(12);
        speed->setUnitTextColor(grey(0.4));
        speed->setSpeedKB(0);
    }

    plot_ = TAVOLinePlotData::create();
    plot_->alignRight = true;
    plot_->maxPointCount = kMaxPointCount;
    plot_->minValue = 0;
    plot_->maxValue = 100;
    plot_->lineWidth = 2;
    plot_->lineColor = kLineColor;
    plot_->fillColor = kFillColor;
    plot_->tickerWeight = 0.5f;
    plot_->tickerTextColor = grey(0.4);
    plot_->tickerTextFont = ui::Font::systemFontOfSize(9);
    plot_->tickerColor = ui::Color::whiteColor();
    linePlotView_->plots = {plot_};
    linePlotView_->margins = cg::EdgeInsets{44, 0, 44, 0};
    linePlotView_->plotsBackgroudColor = grey(0.9451);
    linePlotView_->setDelegate(self<TAVOSpeedPlotViewController>());
    linePlotView_->setEnablePanGesture(false);

    // Until data arrives the chart shows an empty history with no line.
    plot_->lineColor = ui::Color::clearColor();
    std::vector<double> empty = speedsKB_;
    empty.insert(empty.begin(), kMaxPointCount - std::min<std::size_t>(empty.size(), kMaxPointCount), 0.0);
    drawPlotViewWithData(empty);

    deviderView_->setImage(dividerImage());
}

void TAVOSpeedPlotViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    // Started once per showing: the popup passes its own appearance on to
    // the screen as well, and a second start would poll twice.
    if (speedListener_) return;
    speedListener_ = TAVORouterGetSpeedListener::create();
    auto facade = TAVOAccountManager::shareInstance();
    speedListener_->startLisener(facade->currentRouter(), facade->currentAccountData(),
                                 self<TAVOSpeedPlotViewController>());
}

void TAVOSpeedPlotViewController::viewWillDisappear(bool animated) {
    TAVOWIFIViewControler::viewWillDisappear(animated);
    endListening();
}

void TAVOSpeedPlotViewController::endListening() {
    if (!speedListener_) return;
    speedListener_->endLisener();
    speedListener_ = nullptr;
}

void TAVOSpeedPlotViewController::userDidClickClose(TAVOPopupViewController&) {
    if (auto d = delegate_.lock()) d->speedVPlotiewControllerWillDismiss(*this);
}

void TAVOSpeedPlotViewController::lisenerSpeed(TAVORouterGetSpeedListener&, const ns::Array& speed) {
    plot_->lineColor = kLineColor;
    linePlotView_->setEnablePanGesture(true);

    std::vector<double> converted;
    for (const auto& element : speed) converted.push_back(static_cast<double>(element.integerValue()) / 1024);
    if (!speedsKB_.empty()) {
        if (!converted.empty()) speedsKB_.push_back(converted.back());
    } else {
        speedsKB_ = converted;
        if (speedsKB_.size() < kMaxPointCount) speedsKB_.insert(speedsKB_.begin(), kMaxPointCount - speedsKB_.size(), 0.0);
    }
    if (speedsKB_.size() > kMaxPointCount) speedsKB_.erase(speedsKB_.begin(), speedsKB_.end() - kMaxPointCount);
    drawPlotViewWithData(speedsKB_);
}

void TAVOSpeedPlotViewController::lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener&, int downSpeed, int upSpeed) {
    downloadSpeedLabel_->setSpeedKB(static_cast<double>(downSpeed) / 1024);
    uploadSpeedLabel_->setSpeedKB(static_cast<double>(upSpeed) / 1024);
}

void TAVOSpeedPlotViewController::drawPlotViewWithData(const std::vector<double>& samplesKB) {
    if (speedMaxKB_ == 0 && !samplesKB.empty()) speedMaxKB_ = *std::max_element(samplesKB.begin(), samplesKB.end());
    const Scale scale = scaleForMaxKB(speedMaxKB_);

    plot_->tickerValuesAndLabelsY.clear();
    for (int i = 0; i <= 10; i += 2) {
        const double value = i * scale.step;
        std::string text = i == 0 ? "0" : i == 10 ? "" : ns::format(scale.labelFormat.c_str(), value);
        plot_->tickerValuesAndLabelsY.emplace_back(static_cast<float>(value), std::move(text));
    }

    std::vector<float> values;
    values.reserve(samplesKB.size());
    for (double kb : samplesKB) values.push_back(static_cast<float>(scale.megabytes ? kb / 1024 : kb));
    plot_->setValues(std::move(values));
    unitLabel_->setText(ns::format(TAVOLocalizedString("%@(unit)"), scale.megabytes ? "MB/s" : "KB/s"));

    plot_->minValue = 0;
    plot_->maxValue = static_cast<float>(10 * scale.step);
    linePlotView_->setNeedsDisplay();
}

ui::OptionalColor TAVOSpeedPlotViewController::annotationLineColorOfPlotView(TAVOLinePlotView&) {
    return ui::Color::rgba(0.9451, 0.4706, 0.3412);
}

ui::OptionalColor TAVOSpeedPlotViewController::annotationFillColorOfPlotView(TAVOLinePlotView&) { return grey(0.9333); }

ui::OptionalColor TAVOSpeedPlotViewController::annotationStokeColorOfPlotView(TAVOLinePlotView&) { return grey(0.8667); }

ui::OptionalColor TAVOSpeedPlotViewController::annotationColorAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) {
    return grey(0.4);
}

std::optional<ui::Font> TAVOSpeedPlotViewController::annotationFontAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) {
    return ui::Font::systemFontOfSize(12);
}

std::optional<std::string> TAVOSpeedPlotViewController::annotationTextAtIndex(int index, TAVOLinePlotData& plot,
                                                                              TAVOLinePlotView&) {
    if (index < 0 || static_cast<std::size_t>(index) >= plot.values().size()) return std::nullopt;
    double value = plot.values()[static_cast<std::size_t>(index)];
    if (speedMaxKB_ > 1024) value *= 1024;
    return TAVOSpeedLabel::formatStringForSpeed(value);
}
