#include "uikit/PGProgressHUD.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Perform.h"
#include "platform/foundation/Thread.h"
#include "platform/graphics/ColorSpace.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/Gradient.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Application.h"
#include "platform/ui/DeviceRotation.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"
#include "uikit/PGBarProgressView.h"
#include "uikit/PGProgressReceiver.h"
#include "uikit/PGRoundProgressView.h"

namespace {

// Space between the indicator, the label and the details.
constexpr double kPadding = 4;
constexpr double kBoxCornerRadius = 10;
// The whole view dims evenly by this much behind the box.
constexpr double kDimAlpha = 0.2;
// What the box shows while hiding: barely there, but not yet gone.
constexpr double kHidingAlpha = 0.02;
constexpr double kZoomLarge = 1.5;
constexpr double kZoomSmall = 0.5;
// Turning with the interface takes the platform's default animation time.
constexpr double kRotationDuration = 0.2;

cg::Size measureLine(const std::string& text, const ui::Font& font) {
    if (text.empty()) return {};
    return ct::sizeWithFont(text, font.ctFont());
}

cg::Size measureWrapped(const std::string& text, const ui::Font& font, cg::Size within, ui::LineBreakMode mode) {
    if (text.empty()) return {};
    return ct::sizeWithFont(text, font.ctFont(), within, mode);
}

}  // namespace

PGProgressHUD::~PGProgressHUD() = default;

void PGProgressHUD::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setAutoresizingMask(ui::ViewAutoresizingFlexibleLeftMargin | ui::ViewAutoresizingFlexibleRightMargin |
                        ui::ViewAutoresizingFlexibleTopMargin | ui::ViewAutoresizingFlexibleBottomMargin);
    setOpaque(false);
    setBackgroundColor(ui::Color::clearColor());
    setAlpha(0);
    setUpLabels();
    updateIndicators();

    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<PGProgressHUD> weak = self<PGProgressHUD>();
    orientationObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ui::DeviceOrientationDidChangeNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr&) {
                                               if (auto hud = weak.lock()) hud->deviceOrientationDidChange();
                                           }));
}

void PGProgressHUD::setUpLabels() {
    label_ = ui::Label::create(bounds());
    detailsLabel_ = ui::Label::create(bounds());
    for (const auto& l : {label_, detailsLabel_}) {
        l->setAdjustsFontSizeToFitWidth(false);
        l->setTextAlignment(ui::TextAlignment::Center);
        l->setOpaque(false);
        l->setBackgroundColor(ui::Color::clearColor());
    }
    label_->setTextColor(labelColor_);
    label_->setFont(labelFont_);
    label_->setText(labelText_);
    detailsLabel_->setTextColor(detailsLabelColor_);
    detailsLabel_->setFont(detailsLabelFont_);
    detailsLabel_->setText(detailsLabelText_);
    detailsLabel_->setNumberOfLines(0);
    addSubview(label_);
    addSubview(detailsLabel_);
}

// ---- indicator ----

void PGProgressHUD::replaceIndicator(const ui::ViewPtr& indicator) {
    if (indicator_ && indicator_ != indicator) indicator_->removeFromSuperview();
    indicator_ = indicator;
    if (indicator_) addSubview(indicator_);
}

void PGProgressHUD::updateIndicators() {
    int mode = readObserved(mode_);
    switch (mode) {
        case PGProgressHUDModeIndeterminate:
            if (!std::dynamic_pointer_cast<ui::ActivityIndicatorView>(indicator_)) {
                auto spinner = ui::ActivityIndicatorView::createWithStyle(ui::ActivityIndicatorViewStyle::WhiteLarge);
                spinner->color = defaultIndicatorColor_ ? *defaultIndicatorColor_ : ui::Color::grayColor();
                replaceIndicator(spinner);
                spinner->startAnimating();
            }
            break;
        case PGProgressHUDModeDeterminate:
        case PGProgressHUDModeAnnularDeterminate: {
            auto round = std::dynamic_pointer_cast<PGRoundProgressView>(indicator_);
            if (!round) {
                round = PGRoundProgressView::create();
                replaceIndicator(round);
            }
            if (mode == PGProgressHUDModeAnnularDeterminate) round->setAnnular(true);
            break;
        }
        case PGProgressHUDModeDeterminateHorizontalBar:
            replaceIndicator(PGBarProgressView::create());
            break;
        case PGProgressHUDModeCustomView: {
            auto custom = readObserved(customView_);
            if (custom != indicator_) replaceIndicator(custom);
            break;
        }
        case PGProgressHUDModeText:
            replaceIndicator(nullptr);
            break;
        default:
            break;
    }
    if (auto receiver = std::dynamic_pointer_cast<PGProgressReceiver>(indicator_))
        receiver->setProgress(readObserved(progress_));
}

void PGProgressHUD::setDefaultIndicatorColor(const ui::OptionalColor& color) {
    defaultIndicatorColor_ = color;
    if (auto spinner = std::dynamic_pointer_cast<ui::ActivityIndicatorView>(indicator_)) {
        spinner->color = color;
        spinner->setNeedsDisplay();
    }
}

// ---- properties any thread may set ----

int PGProgressHUD::mode() const { return readObserved(mode_); }
void PGProgressHUD::setMode(int mode) { setObserved(mode_, mode, Observed::Mode); }
ui::ViewPtr PGProgressHUD::customView() const { return readObserved(customView_); }
void PGProgressHUD::setCustomView(const ui::ViewPtr& view) { setObserved(customView_, view, Observed::CustomView); }
std::string PGProgressHUD::labelText() const { return readObserved(labelText_); }
void PGProgressHUD::setLabelText(const std::string& text) { setObserved(labelText_, text, Observed::LabelText); }
std::string PGProgressHUD::detailsLabelText() const { return readObserved(detailsLabelText_); }
void PGProgressHUD::setDetailsLabelText(const std::string& text) {
    setObserved(detailsLabelText_, text, Observed::DetailsText);
}
ui::Font PGProgressHUD::labelFont() const { return readObserved(labelFont_); }
void PGProgressHUD::setLabelFont(const ui::Font& font) { setObserved(labelFont_, font, Observed::LabelFont); }
ui::Font PGProgressHUD::detailsLabelFont() const { return readObserved(detailsLabelFont_); }
void PGProgressHUD::setDetailsLabelFont(const ui::Font& font) {
    setObserved(detailsLabelFont_, font, Observed::DetailsFont);
}
ui::Color PGProgressHUD::labelColor() const { return readObserved(labelColor_); }
void PGProgressHUD::setLabelColor(const ui::Color& color) { setObserved(labelColor_, color, Observed::LabelColor); }
ui::Color PGProgressHUD::detailsLabelColor() const { return readObserved(detailsLabelColor_); }
void PGProgressHUD::setDetailsLabelColor(const ui::Color& color) {
    setObserved(detailsLabelColor_, color, Observed::DetailsColor);
}
float PGProgressHUD::progress() const { return readObserved(progress_); }
void PGProgressHUD::setProgress(float progress) { setObserved(progress_, progress, Observed::Progress); }

void PGProgressHUD::observedValueChanged(Observed key) {
    if (ns::Thread::isMainThread()) {
        applyObservedChange(key);
        return;
    }
    // Views belong to the main thread: the change reaches them there, later.
    std::weak_ptr<PGProgressHUD> weak = self<PGProgressHUD>();
    dispatch::Queue::main()->async([weak, key] {
        if (auto hud = weak.lock()) hud->applyObservedChange(key);
    });
}

void PGProgressHUD::applyObservedChange(Observed key) {
    switch (key) {
        case Observed::Mode:
        case Observed::CustomView: updateIndicators(); break;
        case Observed::LabelText: label_->setText(readObserved(labelText_)); break;
        case Observed::LabelFont: label_->setFont(readObserved(labelFont_)); break;
        case Observed::LabelColor: label_->setTextColor(readObserved(labelColor_)); break;
        case Observed::DetailsText: detailsLabel_->setText(readObserved(detailsLabelText_)); break;
        case Observed::DetailsFont: detailsLabel_->setFont(readObserved(detailsLabelFont_)); break;
        case Observed::DetailsColor: detailsLabel_->setTextColor(readObserved(detailsLabelColor_)); break;
        case Observed::Progress:
            // Only the indicator shows progress: the box keeps its layout.
            if (auto receiver = std::dynamic_pointer_cast<PGProgressReceiver>(indicator_))
                receiver->setProgress(readObserved(progress_));
            return;
    }
    setNeedsLayout();
    setNeedsDisplay();
}

// ---- showing and hiding ----

void PGProgressHUD::show(bool animated) {
    useAnimation_ = animated;
    cycleOpen_ = true;
    isFinished_ = false;
    // Showing again takes back a hide still waiting or running.
    minShowTimer_.stop();
    if (hiding_) {
        hiding_ = false;
        ++hideAnimation_;
    }
    if (graceTime_ > 0) {
        graceTimer_.start(graceTime_, false, [this] { handleGraceTimer(); });
        return;
    }
    setNeedsDisplay();
    showUsingAnimation(animated);
}

void PGProgressHUD::handleGraceTimer() {
    // Only work still running after the grace time is worth a HUD.
    if (!taskInProgress_) return;
    setNeedsDisplay();
    showUsingAnimation(useAnimation_);
}

void PGProgressHUD::showUsingAnimation(bool animated) {
    if (animated && animationType_ == PGProgressHUDAnimationZoomOut) {
        setTransform(cg::AffineTransformConcat(rotationTransform_, cg::AffineTransformMakeScale(kZoomLarge, kZoomLarge)));
    } else if (animated && animationType_ == PGProgressHUDAnimationZoomIn) {
        setTransform(cg::AffineTransformConcat(rotationTransform_, cg::AffineTransformMakeScale(kZoomSmall, kZoomSmall)));
    }
    showStarted_ = ns::Clock::now();
    if (!animated) {
        setAlpha(1);
        return;
    }
    ui::ViewAnimation::animate(kAnimationDuration, [this] {
        setAlpha(1);
        if (animationType_ == PGProgressHUDAnimationZoomOut || animationType_ == PGProgressHUDAnimationZoomIn)
            setTransform(rotationTransform_);
    });
}

void PGProgressHUD::hide(bool animated) {
    // A cycle ends once: a second hide (or one without a show) does nothing.
    if (!cycleOpen_ || hiding_) return;
    useAnimation_ = animated;
    graceTimer_.stop();
    if (minShowTime_ > 0 && showStarted_) {
        double shown = ns::Clock::now() - *showStarted_;
        if (shown < minShowTime_) {
            minShowTimer_.start(minShowTime_ - shown, false, [this] { hideUsingAnimation(useAnimation_); });
            return;
        }
    }
    hideUsingAnimation(animated);
}

void PGProgressHUD::hideAfterDelay(bool animated, double delay) {
    hideDelayTimer_.start(delay, false, [this, animated] { hide(animated); });
}

void PGProgressHUD::hideUsingAnimation(bool animated) {
    bool wasShown = showStarted_.has_value();
    showStarted_.reset();
    if (!animated || !wasShown) {
        setAlpha(0);
        done();
        return;
    }
    hiding_ = true;
    std::uint64_t animation = ++hideAnimation_;
    std::weak_ptr<PGProgressHUD> weak = self<PGProgressHUD>();
    ui::ViewAnimation::animate(
        kAnimationDuration,
        [this] {
            setAlpha(kHidingAlpha);
            if (animationType_ == PGProgressHUDAnimationZoomOut) {
                setTransform(cg::AffineTransformConcat(rotationTransform_, cg::AffineTransformMakeScale(kZoomSmall, kZoomSmall)));
            } else if (animationType_ == PGProgressHUDAnimationZoomIn) {
                setTransform(cg::AffineTransformConcat(rotationTransform_, cg::AffineTransformMakeScale(kZoomLarge, kZoomLarge)));
            }
        },
        [weak, animation](bool) {
            auto hud = weak.lock();
            // A show in the meantime took this hide back.
            if (!hud || !hud->hiding_ || hud->hideAnimation_ != animation) return;
            hud->done();
        });
}

void PGProgressHUD::done() {
    auto keep = self<PGProgressHUD>();
    cycleOpen_ = false;
    hiding_ = false;
    isFinished_ = true;
    graceTimer_.stop();
    minShowTimer_.stop();
    hideDelayTimer_.stop();
    setAlpha(0);
    if (removeFromSuperViewOnHide_) removeFromSuperview();
    if (completionBlock_) {
        auto completion = std::move(completionBlock_);
        completionBlock_ = nullptr;
        completion();
    }
    if (auto d = delegate.lock()) d->hudWasHidden(*this);
}

// ---- tracked work ----

void PGProgressHUD::showWhileExecuting(TrackedMethod method, const ns::ObjectPtr& target, const ns::Value& argument,
                                       bool animated) {
    targetForExecution_ = target;
    objectForExecution_ = argument;
    taskInProgress_ = true;
    // The thread holds the HUD until its clean-up has reached the main
    // thread, which then lets go of it there.
    ns::Thread::detachNewThread([hud = self<PGProgressHUD>(), method = std::move(method), argument]() mutable {
        if (method) method(argument);
        ns::performOnMainThread([hud = std::move(hud)] { hud->cleanUp(); }, false);
    });
    show(animated);
}

void PGProgressHUD::showAnimatedWhileExecutingBlock(bool animated, Block block) {
    showAnimatedWhileExecutingBlockOnQueueCompletionBlock(animated, std::move(block), nullptr, nullptr);
}

void PGProgressHUD::showAnimatedWhileExecutingBlockCompletionBlock(bool animated, Block block, Block completion) {
    showAnimatedWhileExecutingBlockOnQueueCompletionBlock(animated, std::move(block), nullptr, std::move(completion));
}

void PGProgressHUD::showAnimatedWhileExecutingBlockOnQueue(bool animated, Block block,
                                                           std::shared_ptr<dispatch::Queue> queue) {
    showAnimatedWhileExecutingBlockOnQueueCompletionBlock(animated, std::move(block), std::move(queue), nullptr);
}

void PGProgressHUD::showAnimatedWhileExecutingBlockOnQueueCompletionBlock(bool animated, Block block,
                                                                          std::shared_ptr<dispatch::Queue> queue,
                                                                          Block completion) {
    if (!queue) queue = dispatch::Queue::global(dispatch::QueuePriority::Default);
    taskInProgress_ = true;
    completionBlock_ = std::move(completion);
    queue->async([hud = self<PGProgressHUD>(), block = std::move(block)]() mutable {
        if (block) block();
        dispatch::Queue::main()->async([hud = std::move(hud)] { hud->cleanUp(); });
    });
    show(animated);
}

void PGProgressHUD::cleanUp() {
    taskInProgress_ = false;
    targetForExecution_.reset();
    objectForExecution_ = ns::Value();
    hide(useAnimation_);
}

// ---- layout and drawing ----

void PGProgressHUD::coverHost() {
    auto host = superview();
    auto b = hostBounds();
    if (!host || !b) return;
    // Bounds and centre rather than the frame, so that a zoom in progress
    // keeps its scale.
    setBounds(cg::RectMake(0, 0, b->size.width, b->size.height));
    setCenter({cg::RectGetMidX(host->bounds()), cg::RectGetMidY(host->bounds())});
}

std::optional<cg::Rect> PGProgressHUD::hostBounds() const {
    auto host = superview();
    if (!host) return std::nullopt;
    cg::Rect b = host->bounds();
    if (std::dynamic_pointer_cast<ui::Window>(host)) {
        auto app = ui::Application::existing();
        if (app && ui::DeviceRotation::isLandscape(app->statusBarOrientation()))
            b = cg::RectMake(0, 0, b.size.height, b.size.width);
    }
    return b;
}

void PGProgressHUD::layoutSubviews() {
    View::layoutSubviews();
    coverHost();
    cg::Rect b = bounds();
    double maxWidth = b.size.width - 4 * margin_;

    cg::Size indicatorSize = indicator_ ? indicator_->bounds().size : cg::Size{};
    indicatorSize.width = std::min(indicatorSize.width, maxWidth);
    cg::Size labelSize = measureLine(label_->text(), label_->font());
    labelSize.width = std::min(labelSize.width, maxWidth);
    double totalWidth = std::max(indicatorSize.width, labelSize.width);
    double totalHeight = indicatorSize.height + labelSize.height;
    if (labelSize.height > 0 && indicatorSize.height > 0) totalHeight += kPadding;

    double remainingHeight = b.size.height - totalHeight - kPadding - 4 * margin_;
    cg::Size detailsSize = measureWrapped(detailsLabel_->text(), detailsLabel_->font(), {maxWidth, remainingHeight},
                                          detailsLabel_->lineBreakMode());
    totalWidth = std::max(totalWidth, detailsSize.width);
    totalHeight += detailsSize.height;
    if (detailsSize.height > 0 && (indicatorSize.height > 0 || labelSize.height > 0)) totalHeight += kPadding;

    totalWidth += 2 * margin_;
    totalHeight += 2 * margin_;

    double y = std::round((b.size.height - totalHeight) / 2) + margin_ + yOffset_;
    auto centredX = [&](double width) { return std::round((b.size.width - width) / 2) + xOffset_; };
    if (indicator_) {
        indicator_->setFrame(cg::RectMake(centredX(indicatorSize.width), y, indicatorSize.width, indicatorSize.height));
    }
    y += indicatorSize.height;
    if (labelSize.height > 0 && indicatorSize.height > 0) y += kPadding;
    label_->setFrame(cg::RectMake(centredX(labelSize.width), y, labelSize.width, labelSize.height));
    y += labelSize.height;
    if (detailsSize.height > 0 && (indicatorSize.height > 0 || labelSize.height > 0)) y += kPadding;
    detailsLabel_->setFrame(cg::RectMake(centredX(detailsSize.width), y, detailsSize.width, detailsSize.height));

    if (square_) {
        double side = std::max(totalWidth, totalHeight);
        if (side <= b.size.width - 2 * margin_) totalWidth = side;
        if (side <= b.size.height - 2 * margin_) totalHeight = side;
    }
    totalWidth = std::max(totalWidth, minSize_.width);
    totalHeight = std::max(totalHeight, minSize_.height);
    size_ = {totalWidth, totalHeight};
}

cg::Rect PGProgressHUD::getBoxRect(const cg::Rect& bounds) const {
    return cg::RectMake(std::round((bounds.size.width - size_.width) / 2) + xOffset_,
                        std::round((bounds.size.height - size_.height) / 2) + yOffset_, size_.width, size_.height);
}

void PGProgressHUD::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    cg::Rect b = bounds();
    if (dimBackground_) {
        auto gradient = cg::Gradient::createWithColorComponents(cg::ColorSpace::createDeviceRGB(),
                                                                {0, 0, 0, kDimAlpha, 0, 0, 0, kDimAlpha}, {0, 1}, 2);
        cg::Point centre{b.size.width / 2, b.size.height / 2};
        double radius = std::min(b.size.width, b.size.height);
        context->drawRadialGradient(gradient, centre, 0, centre, radius, cg::GradientDrawsAfterEndLocation);
    }
    if (color_) {
        context->setRGBFillColor(color_->red(), color_->green(), color_->blue(), color_->alpha());
    } else {
        context->setGrayFillColor(1, opacity_);
    }
    cg::Rect box = getBoxRect(b);
    context->beginPath();
    cg::Path path;
    path.addRoundedRect(box, kBoxCornerRadius, kBoxCornerRadius);
    context->addPath(path);
    context->fillPath();
}

// ---- orientation ----

void PGProgressHUD::didMoveToSuperview() {
    View::didMoveToSuperview();
    if (std::dynamic_pointer_cast<ui::Window>(superview())) setTransformForCurrentOrientation(false);
}

void PGProgressHUD::deviceOrientationDidChange() {
    auto host = superview();
    if (!host) return;
    if (std::dynamic_pointer_cast<ui::Window>(host)) {
        setTransformForCurrentOrientation(true);
    } else {
        coverHost();
        setNeedsDisplay();
    }
}

void PGProgressHUD::setTransformForCurrentOrientation(bool animated) {
    coverHost();
    setNeedsDisplay();
    double radians = 0;
    auto app = ui::Application::existing();
    switch (app ? static_cast<int>(app->statusBarOrientation()) : 1) {
        case 3: radians = std::numbers::pi / 2; break;
        case 4: radians = -std::numbers::pi / 2; break;
        case 2: radians = std::numbers::pi; break;
        default: break;
    }
    rotationTransform_ = cg::AffineTransformMakeRotation(radians);
    if (animated) {
        ui::ViewAnimation::animate(kRotationDuration, [this] { setTransform(rotationTransform_); });
    } else {
        setTransform(rotationTransform_);
    }
}
