// The guest-mode halo: a ring picture that pulses outward in one of three
// styles (0 the picture itself grows and fades, 1 thin circles spread from
// it, 2 copies of the picture swell and fade one after another). Every
// start stops the style running before, so at most one style's layers are
// present. Low-performance devices get slower, fewer waves.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

class TAVOHaloView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOHaloView> create(const cg::Rect& frame = {}) { return make<TAVOHaloView>(frame); }

    enum Style { StyleHalo = 0, StyleWaveCircles = 1, StyleScaleWaves = 2 };

    static constexpr const char* kHaloImageName = "home_visitor_haloring";
    static constexpr const char* kHaloAnimationKey = "halo animation";
    static constexpr double kHaloDuration = 3.0;
    static constexpr double kWaveDuration = 3.0;
    static constexpr double kLowPerformanceWaveDuration = 5.0;
    static constexpr double kStopDuration = 0.3;

    void initWithFrame(const cg::Rect& frame) override;

    // Styles other than 0, 1 and 2 change nothing.
    void startAnimation(int style);
    void stopAnimation();
    void stopHaloAnimation();
    void stopWaveAnimation();
    void stopScaleWaveAnimation();

    const ui::ImageViewPtr& haloView() const { return haloView_; }
    const std::vector<ca::LayerPtr>& layers() const { return layers_; }

    // The key of wave circle `position` (style 1) and of scale wave `i`
    // (style 2).
    static std::string waveAnimationKey(int position);
    static std::string scaleWaveAnimationKey(int index);

private:
    void startHalo();
    void startWaveCircles();
    void startScaleWaves();
    void removeLayers();

    ui::ImageViewPtr haloView_;
    std::vector<ca::LayerPtr> layers_;
};

using TAVOHaloViewPtr = std::shared_ptr<TAVOHaloView>;
