#include "uikit/ToggleSwitch.h"

#include "platform/graphics/Path.h"
#include "platform/ui/Touch.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kDefaultWidth = 50;
constexpr double kDefaultHeight = 30;
// The knob sits this far inside the track.
constexpr double kKnobInset = 1;
// How much wider the knob grows under a finger.
constexpr double kPressedWidening = 5;
constexpr double kSquareCornerRadius = 2;
constexpr double kTrackBorderWidth = 1;
constexpr double kKnobShadowRadius = 2;
constexpr double kKnobShadowOpacity = 0.5;
constexpr cg::Size kKnobShadowOffset{0, 3};

}  // namespace

void ToggleSwitch::initWithFrame(const cg::Rect& frame) {
    Control::initWithFrame(cg::RectIsEmpty(frame) ? cg::RectMake(0, 0, kDefaultWidth, kDefaultHeight) : frame);
    setUp();
}

void ToggleSwitch::setUp() {
    setBackgroundColor(ui::Color::clearColor());
    cg::Rect b = bounds();
    double w = b.size.width, h = b.size.height;

    background_ = ui::View::create(cg::RectMake(0, 0, w, h));
    background_->setBackgroundColor(inactiveColor_);
    background_->layer()->setBorderColor(borderColor_);
    background_->layer()->setBorderWidth(kTrackBorderWidth);
    background_->setUserInteractionEnabled(false);
    background_->setClipsToBounds(true);
    addSubview(background_);

    onImageView_ = ui::ImageView::create(cg::RectMake(0, 0, w - h, h));
    onImageView_->setContentMode(ui::ContentMode::Center);
    background_->addSubview(onImageView_);
    offImageView_ = ui::ImageView::create(cg::RectMake(h, 0, w - h, h));
    offImageView_->setContentMode(ui::ContentMode::Center);
    background_->addSubview(offImageView_);

    knob_ = ui::View::create(cg::RectMake(kKnobInset, kKnobInset, normalKnobWidth(), h - 2 * kKnobInset));
    knob_->setBackgroundColor(thumbTintColor_);
    knob_->setUserInteractionEnabled(false);
    knob_->setClipsToBounds(false);  // its shadow shows outside it
    knob_->layer()->setShadowColor(shadowColor_);
    knob_->layer()->setShadowRadius(kKnobShadowRadius);
    knob_->layer()->setShadowOpacity(kKnobShadowOpacity);
    knob_->layer()->setShadowOffset(kKnobShadowOffset);
    addSubview(knob_);
    applyRadii();

    on_ = false;
    showOff(false);
    onImageView_->setAlpha(0);
    offImageView_->setAlpha(1);
}

// ---- geometry ----

double ToggleSwitch::normalKnobWidth() const { return bounds().size.height - 2 * kKnobInset; }

double ToggleSwitch::knobWidth() const { return touching_ ? normalKnobWidth() + kPressedWidening : normalKnobWidth(); }

void ToggleSwitch::setKnobFrame(double x, double width) {
    knob_->setFrame(cg::RectMake(x, kKnobInset, width, bounds().size.height - 2 * kKnobInset));
    // The shadow follows the knob's rounded outline.
    auto path = std::make_shared<cg::Path>();
    double r = knob_->layer()->cornerRadius();
    path->addRoundedRect(knob_->bounds(), r, r);
    knob_->layer()->setShadowPath(path);
}

void ToggleSwitch::applyRadii() {
    double h = bounds().size.height;
    background_->layer()->setCornerRadius(isRounded_ ? h / 2 : kSquareCornerRadius);
    knob_->layer()->setCornerRadius(isRounded_ ? h / 2 - kKnobInset : kSquareCornerRadius);
    cg::Rect f = knob_->frame();
    setKnobFrame(f.origin.x, f.size.width);
}

void ToggleSwitch::layoutSubviews() {
    Control::layoutSubviews();
    // An animation owns the parts until it ends.
    if (runningAnimations_ > 0) return;
    cg::Rect b = bounds();
    double w = b.size.width, h = b.size.height;
    background_->setFrame(cg::RectMake(0, 0, w, h));
    onImageView_->setFrame(cg::RectMake(0, 0, w - h, h));
    offImageView_->setFrame(cg::RectMake(h, 0, w - h, h));
    applyRadii();
    double nw = normalKnobWidth();
    setKnobFrame(on_ ? w - (nw + kKnobInset) : kKnobInset, nw);
}

// ---- looks ----

void ToggleSwitch::change(bool animated, const std::function<void()>& changes) {
    if (!animated) {
        changes();
        return;
    }
    ++runningAnimations_;
    std::weak_ptr<ToggleSwitch> weak = self<ToggleSwitch>();
    ui::ViewAnimation::animate(kAnimationDuration, 0,
                               ui::ViewAnimationOptionBeginFromCurrentState | ui::ViewAnimationOptionCurveEaseOut,
                               changes, [weak](bool) {
                                   if (auto s = weak.lock()) --s->runningAnimations_;
                               });
}

void ToggleSwitch::setTrackBorderColor(const ui::Color& color) { background_->layer()->setBorderColor(color); }

void ToggleSwitch::showOn(bool animated) {
    double width = knobWidth();
    change(animated, [this, width] {
        setKnobFrame(bounds().size.width - (width + kKnobInset), width);
        background_->setBackgroundColor(onTintColor_);
        setTrackBorderColor(onTintColor_);
        onImageView_->setAlpha(1);
        offImageView_->setAlpha(0);
    });
    currentVisualValue_ = true;
}

void ToggleSwitch::showOff(bool animated) {
    double width = knobWidth();
    change(animated, [this, width] {
        setKnobFrame(kKnobInset, width);
        background_->setBackgroundColor(touching_ ? activeColor_ : inactiveColor_);
        setTrackBorderColor(borderColor_);
        onImageView_->setAlpha(0);
        offImageView_->setAlpha(1);
    });
    currentVisualValue_ = false;
}

void ToggleSwitch::setOn(bool on, bool animated) {
    on_ = on;
    if (on) {
        showOn(animated);
    } else {
        showOff(animated);
    }
}

// ---- colours and images ----

void ToggleSwitch::setInactiveColor(const ui::Color& color) {
    inactiveColor_ = color;
    if (!on_ && !touching_) background_->setBackgroundColor(color);
}

void ToggleSwitch::setOnTintColor(const ui::Color& color) {
    onTintColor_ = color;
    if (on_ && !touching_) {
        background_->setBackgroundColor(color);
        setTrackBorderColor(color);
    }
}

void ToggleSwitch::setBorderColor(const ui::Color& color) {
    borderColor_ = color;
    if (!on_) setTrackBorderColor(color);
}

void ToggleSwitch::setThumbTintColor(const ui::Color& color) {
    thumbTintColor_ = color;
    knob_->setBackgroundColor(color);
}

void ToggleSwitch::setShadowColor(const ui::Color& color) {
    shadowColor_ = color;
    knob_->layer()->setShadowColor(color);
}

void ToggleSwitch::setIsRounded(bool rounded) {
    isRounded_ = rounded;
    applyRadii();
}

void ToggleSwitch::setOnImage(const ui::ImagePtr& image) {
    onImage_ = image;
    onImageView_->setImage(image);
}

void ToggleSwitch::setOffImage(const ui::ImagePtr& image) {
    offImage_ = image;
    offImageView_->setImage(image);
}

// ---- touches ----

bool ToggleSwitch::beginTrackingWithTouch(ui::Touch& touch, const ui::Event* event) {
    Control::beginTrackingWithTouch(touch, event);
    startTrackingValue_ = on_;
    didChangeWhileTracking_ = false;
    touching_ = true;
    double width = knobWidth();
    change(true, [this, width] {
        if (on_) {
            setKnobFrame(bounds().size.width - width - kKnobInset, width);
            background_->setBackgroundColor(onTintColor_);
        } else {
            setKnobFrame(kKnobInset, width);
            background_->setBackgroundColor(activeColor_);
        }
    });
    return true;
}

bool ToggleSwitch::continueTrackingWithTouch(ui::Touch& touch, const ui::Event* event) {
    Control::continueTrackingWithTouch(touch, event);
    cg::Point p = touch.locationInView(self<ui::View>());
    if (p.x > bounds().size.width / 2) {
        showOn(true);
        if (!startTrackingValue_) didChangeWhileTracking_ = true;
    } else {
        showOff(true);
        if (startTrackingValue_) didChangeWhileTracking_ = true;
    }
    return true;
}

void ToggleSwitch::endTrackingWithTouch(ui::Touch& touch, const ui::Event* event) {
    Control::endTrackingWithTouch(touch, event);
    touching_ = false;
    bool previous = on_;
    // A drag ends where the finger left the look; a tap toggles.
    bool newValue = didChangeWhileTracking_ ? currentVisualValue_ : !on_;
    setOn(newValue, true);
    if (on_ != previous) sendActionsForControlEvents(ui::ControlEventValueChanged);
}

void ToggleSwitch::cancelTrackingWithEvent(const ui::Event* event) {
    Control::cancelTrackingWithEvent(event);
    touching_ = false;
    if (on_) {
        showOn(true);
    } else {
        showOff(true);
    }
}
