// The application's on/off switch: a rounded track with a round white knob
// that slides between the ends; green when on, light and bordered when
// off, with an optional image on each side, and a knob that widens while a
// finger is down.
//
// Only a person's touch that changed the value sends the value-changed
// event (once, at touch-up); setOn from code never does. A tap toggles; a
// drag follows the finger across the middle and the switch ends where the
// finger left it. Animations take 0.3 s, ease-out.
#pragma once

#include <memory>

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"

class ToggleSwitch : public ui::Control {
public:
    using Control::Control;
    // An empty frame gives the switch's own size, 50 x 30 at the origin.
    static std::shared_ptr<ToggleSwitch> create(const cg::Rect& frame = {}) { return make<ToggleSwitch>(frame); }

    static constexpr double kAnimationDuration = 0.3;

    bool isOn() const { return on_; }
    bool on() const { return on_; }
    void setOn(bool on) { setOn(on, false); }
    void setOn(bool on, bool animated);
    // Move to the on or the off look.
    void showOn(bool animated);
    void showOff(bool animated);

    const ui::Color& inactiveColor() const { return inactiveColor_; }
    void setInactiveColor(const ui::Color& color);
    const ui::Color& activeColor() const { return activeColor_; }
    void setActiveColor(const ui::Color& color) { activeColor_ = color; }
    const ui::Color& onTintColor() const { return onTintColor_; }
    void setOnTintColor(const ui::Color& color);
    const ui::Color& onColor() const { return onTintColor_; }
    void setOnColor(const ui::Color& color) { setOnTintColor(color); }
    const ui::Color& borderColor() const { return borderColor_; }
    void setBorderColor(const ui::Color& color);
    const ui::Color& thumbTintColor() const { return thumbTintColor_; }
    void setThumbTintColor(const ui::Color& color);
    const ui::Color& knobColor() const { return thumbTintColor_; }
    void setKnobColor(const ui::Color& color) { setThumbTintColor(color); }
    const ui::Color& shadowColor() const { return shadowColor_; }
    void setShadowColor(const ui::Color& color);
    bool isRounded() const { return isRounded_; }
    void setIsRounded(bool rounded);
    const ui::ImagePtr& onImage() const { return onImage_; }
    void setOnImage(const ui::ImagePtr& image);
    const ui::ImagePtr& offImage() const { return offImage_; }
    void setOffImage(const ui::ImagePtr& image);

    // The parts, for looking at.
    const ui::ViewPtr& trackView() const { return background_; }
    const ui::ViewPtr& knobView() const { return knob_; }
    const std::shared_ptr<ui::ImageView>& onImageView() const { return onImageView_; }
    const std::shared_ptr<ui::ImageView>& offImageView() const { return offImageView_; }
    // What the switch shows now (ahead of `on` while a finger drags).
    bool currentVisualValue() const { return currentVisualValue_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    bool beginTrackingWithTouch(ui::Touch& touch, const ui::Event* event) override;
    bool continueTrackingWithTouch(ui::Touch& touch, const ui::Event* event) override;
    void endTrackingWithTouch(ui::Touch& touch, const ui::Event* event) override;
    void cancelTrackingWithEvent(const ui::Event* event) override;

private:
    void setUp();
    double normalKnobWidth() const;
    double knobWidth() const;
    void setKnobFrame(double x, double width);
    void applyRadii();
    // Runs the changes inside one animation, or at once.
    void change(bool animated, const std::function<void()>& changes);
    void setTrackBorderColor(const ui::Color& color);

    bool on_ = false;
    ui::Color inactiveColor_ = ui::Color::clearColor();
    ui::Color activeColor_ = ui::Color::rgba(0.89, 0.89, 0.89);
    ui::Color onTintColor_ = ui::Color::rgba(0.30, 0.85, 0.39);
    ui::Color borderColor_ = ui::Color::rgba(0.89, 0.89, 0.91);
    ui::Color thumbTintColor_ = ui::Color::whiteColor();
    ui::Color shadowColor_ = ui::Color::grayColor();
    bool isRounded_ = true;
    ui::ImagePtr onImage_;
    ui::ImagePtr offImage_;

    ui::ViewPtr background_;
    std::shared_ptr<ui::ImageView> onImageView_;
    std::shared_ptr<ui::ImageView> offImageView_;
    ui::ViewPtr knob_;

    bool currentVisualValue_ = false;
    bool startTrackingValue_ = false;
    bool didChangeWhileTracking_ = false;
    // A finger is down on the switch (from touch-down to touch-up).
    bool touching_ = false;
    // Animations still running; layout waits for them.
    int runningAnimations_ = 0;
};

using ToggleSwitchPtr = std::shared_ptr<ToggleSwitch>;
