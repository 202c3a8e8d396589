// Concentric rings that swell from an inner radius and fade out, started
// one after another (behind the Wi-Fi timer's switch), with an optional
// still arc line. Rings are shape layers with an endless animation; the
// view keeps every layer it added so that stopping removes them all.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Color.h"
#include "platform/ui/View.h"

class TAVOWaveView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOWaveView> create(const cg::Rect& frame = {}) { return make<TAVOWaveView>(frame); }

    static constexpr int kDefaultInsideRadius = 80;
    static constexpr double kDefaultIntervalAnimation = 1.0;
    // The key of each ring's animation.
    static constexpr const char* kRingAnimationKey = "wav1";

    void initWithFrame(const cg::Rect& frame) override;

    // Starts `num` rings around `center`; each runs `num` seconds. A start
    // while running first removes the rings already there. `halfmode` has
    // no effect. With `arcLine` > 0 a still grey circle is drawn as well.
    void startAnimation(int num, bool halfmode, cg::Point center, int radius, int arcLine);
    void startAnimation(int num, bool halfmode, cg::Point center, int radius, int insideRadius, int arcLine);
    void stopAnimation();

    bool isAnimating() const { return isAnimating_; }
    int num() const { return num_; }
    // While running, a new count restarts the rings with it.
    void setNum(int num);
    const ui::Color& fillColor() const { return fillColor_; }
    void setFillColor(const ui::Color& color) { fillColor_ = color; }
    double intervalAnimation() const { return intervalAnimation_; }
    void setIntervalAnimation(double seconds) { intervalAnimation_ = seconds; }
    int insideRadius() const { return insideRadius_; }
    void setInsideRadius(int radius) { insideRadius_ = radius; }
    const std::vector<ca::LayerPtr>& layers() const { return layers_; }
    cg::Point waveCenter() const { return waveCenter_; }
    int radius() const { return radius_; }
    int arcRadius() const { return arcRadius_; }
    int currentAnimationLayers() const { return currentAnimationLayers_; }

private:
    void addRing(double outerRadius, cg::Point center);
    void ringStep();
    void removeLayers();

    bool isAnimating_ = false;
    int num_ = 0;
    ui::Color fillColor_ = ui::Color::rgb255(88, 205, 253);
    double intervalAnimation_ = kDefaultIntervalAnimation;
    std::vector<ca::LayerPtr> layers_;
    cg::Point waveCenter_;
    int radius_ = 0;
    int insideRadius_ = kDefaultInsideRadius;
    int arcRadius_ = 0;
    int currentAnimationLayers_ = 0;
    ns::ScopedTimer ringStepTimer_;
};

using TAVOWaveViewPtr = std::shared_ptr<TAVOWaveView>;
