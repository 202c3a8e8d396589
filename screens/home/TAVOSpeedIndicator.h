// The strip along the bottom of the dashboard: the line's average speed on
// the left and its top speed on the right, each a large number with its
// unit and caption, in a text colour that follows the dashboard's colour
// level. Each half is a transparent button; the owner attaches the actions.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOSpeedIndicator : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOSpeedIndicator> create(const cg::Rect& frame = {}) {
        return make<TAVOSpeedIndicator>(frame);
    }

    // The colour level of a breakdown: it also clears both speeds.
    static constexpr int kBreakdownLevel = 10;

    // Bytes per second.
    double avgSpeed() const { return avgSpeed_; }
    void setAvgSpeed(double bytesPerSecond);
    double topSpeed() const { return topSpeed_; }
    void setTopSpeed(double bytesPerSecond);
    void resetValues();

    int level() const { return level_; }
    void setLevel(int level);
    // The text colour of a colour level.
    static ui::Color textColorForLevel(int level);
    const ui::Color& textColor() const { return textColor_; }
    void setTextColor(const ui::Color& color);

    const std::shared_ptr<ui::Button>& avgSpeedBtn() const { return avgSpeedBtn_; }
    const std::shared_ptr<ui::Button>& topSpeedBtn() const { return topSpeedBtn_; }
    const ui::ImageViewPtr& avgIndicator() const { return avgIndicator_; }
    const ui::ImageViewPtr& topSpeedIndicator() const { return topSpeedIndicator_; }
    const ui::LabelPtr& avgValueLabel() const { return avgValueLabel_; }
    const ui::LabelPtr& topSpeedValueLabel() const { return topSpeedValueLabel_; }
    const ui::LabelPtr& avgUnit() const { return avgUnit_; }
    const ui::LabelPtr& topUnit() const { return topUnit_; }
    const ui::LabelPtr& avgText() const { return avgText_; }
    const ui::LabelPtr& topText() const { return topText_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    void drawRect(const cg::Rect& rect) override;

private:
    // One half: the number, its unit, its caption and its arrow.
    struct Half {
        ui::ImageViewPtr icon;
        ui::LabelPtr value;
        ui::LabelPtr unit;
        ui::LabelPtr caption;
    };
    Half makeHalf(const std::string& captionKey);
    void showSpeed(const Half& half, double bytesPerSecond);
    void layoutHalf(const Half& half, double originX, double halfWidth);
    Half avgHalf() const { return {avgIndicator_, avgValueLabel_, avgUnit_, avgText_}; }
    Half topHalf() const { return {topSpeedIndicator_, topSpeedValueLabel_, topUnit_, topText_}; }

    double avgSpeed_ = 0;
    double topSpeed_ = 0;
    int level_ = 0;
    ui::Color textColor_ = ui::Color::rgb255(51, 51, 51);
    std::shared_ptr<ui::Button> avgSpeedBtn_;
    std::shared_ptr<ui::Button> topSpeedBtn_;
    ui::ImageViewPtr avgIndicator_;
    ui::ImageViewPtr topSpeedIndicator_;
    ui::LabelPtr avgValueLabel_;
    ui::LabelPtr topSpeedValueLabel_;
    ui::LabelPtr avgUnit_;
    ui::LabelPtr topUnit_;
    ui::LabelPtr avgText_;
    ui::LabelPtr topText_;
};

using TAVOSpeedIndicatorPtr = std::shared_ptr<TAVOSpeedIndicator>;
