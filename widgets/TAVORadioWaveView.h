// Radio waves spreading from an icon: wave pictures that grow and fade one
// after another, seen through a mask picture whose opening follows the
// measured signal level.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

class TAVORadioWaveView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVORadioWaveView> create(const cg::Rect& frame = {}) {
        return make<TAVORadioWaveView>(frame);
    }
    ~TAVORadioWaveView() override;

    static constexpr const char* kWaveImageName = "home_xhtj_halo";
    static constexpr const char* kMaskImageName = "home_xhtj_mask";
    static constexpr const char* kWaveAnimationKey = "wav1";
    static constexpr double kWaveScale = 5;
    static constexpr double kDefaultDelayInterval = 1.0;
    static constexpr double kMaskDuration = 0.2;
    // The mask's opening around the icon at level 0.
    static constexpr double kMaskRim = 30;

    void initWithFrame(const cg::Rect& frame) override;

    // Ignored while running. Builds `numberOfWav` waves of radius `radius`
    // and starts them `delayInterval` apart, each cycle `interval` seconds.
    void startAnimation(int numberOfWav, int radius, int interval);
    void stopAnimation();
    // Opens the mask to the level; a level given before the first start is
    // kept and shown once the mask exists.
    void setCurrentWavsShow(int level);

    int numberOfWav() const { return numberOfWav_; }
    int radius() const { return radius_; }
    int animationInterval() const { return animationInterval_; }
    double delayInterval() const { return delayInterval_; }
    void setDelayInterval(double seconds) { delayInterval_ = seconds; }
    bool isAnimating() const { return isAnimating_; }
    const std::vector<ui::ImageViewPtr>& imageViews() const { return imageViews_; }
    const ui::ImageViewPtr& maskView() const { return maskView_; }
    int currentIndex() const { return currentIndex_; }
    int currentWavsShow() const { return currentWavsShow_; }

    // The side of the mask's square opening at a level.
    double maskSideForLevel(int level) const;

private:
    class WaveDelegate;
    void startWave(const ui::ImageViewPtr& wave);
    void waveStep();
    void waveStopped(unsigned run);
    void stopWaves();

    int numberOfWav_ = 0;
    int radius_ = 0;
    int animationInterval_ = 0;
    double delayInterval_ = kDefaultDelayInterval;
    bool isAnimating_ = false;
    std::vector<ui::ImageViewPtr> imageViews_;
    ui::ImageViewPtr maskView_;
    int currentIndex_ = 0;
    int currentWavsShow_ = 0;
    // A level set while there was no mask to open.
    bool levelAwaitsMask_ = false;
    // Counts the starts, so that a wave removed by an earlier stop cannot
    // stop a later run when it reports.
    unsigned run_ = 0;
    ns::ScopedTimer waveStepTimer_;
};

using TAVORadioWaveViewPtr = std::shared_ptr<TAVORadioWaveView>;
