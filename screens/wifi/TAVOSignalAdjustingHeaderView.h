// The radio strength pictured: a house inside expanding radio waves and
// faint rings on green, with the strength's title underneath. The strength
// (0 weakest .. 4 strongest) is the number of waves shown.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "widgets/TAVORadioWaveView.h"

class TAVOSignalAdjustingHeaderView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOSignalAdjustingHeaderView> create(const cg::Rect& frame = {}) {
        return make<TAVOSignalAdjustingHeaderView>(frame);
    }

    static constexpr double kCentreDrop = 25;
    static constexpr int kWaveCount = 5;
    static constexpr int kWaveInterval = 5;
    static constexpr int kRingCount = 4;
    static constexpr double kRingSpacing = 25;

    // The title key of a strength; none outside 0..4.
    static std::optional<std::string> getIntroduceKey(int strength);

    void initWithFrame(const cg::Rect& frame) override;

    int maxStrength() const { return maxStrength_; }
    int strength() const { return waveView_->currentWavsShow(); }
    void setStrength(int strength);
    void startAnimation();
    void endAnimation();

    const std::shared_ptr<TAVORadioWaveView>& waveView() const { return waveView_; }
    const ui::ImageViewPtr& iconView() const { return iconView_; }
    const ui::LabelPtr& introduceLabel() const { return introduceLabel_; }

    void drawRect(const cg::Rect& rect) override;

private:
    // Half the house image's larger side.
    double iconHalfSide() const;

    std::shared_ptr<TAVORadioWaveView> waveView_;
    ui::ImageViewPtr iconView_;
    ui::LabelPtr introduceLabel_;
    int maxStrength_ = 5;
};

using TAVOSignalAdjustingHeaderViewPtr = std::shared_ptr<TAVOSignalAdjustingHeaderView>;
