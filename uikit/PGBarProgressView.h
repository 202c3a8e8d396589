// A horizontal progress bar: a rounded outline filled with the remaining
// colour, and inside it a rounded fill that grows from the left end.
#pragma once

#include <memory>

#include "platform/ui/View.h"
#include "uikit/PGProgressReceiver.h"

class PGBarProgressView : public ui::View, public PGProgressReceiver {
public:
    using View::View;
    // The bar's own size: 120 x 20 at the origin.
    static std::shared_ptr<PGBarProgressView> create();
    static std::shared_ptr<PGBarProgressView> create(const cg::Rect& frame) { return make<PGBarProgressView>(frame); }

    float progress() const override { return progress_; }
    void setProgress(float progress) override { setProperty(progress_, progress, ui::PropertyEffectsDisplay); }
    const ui::Color& lineColor() const { return lineColor_; }
    void setLineColor(const ui::Color& color) { setProperty(lineColor_, color, ui::PropertyEffectsDisplay); }
    const ui::Color& progressColor() const { return progressColor_; }
    void setProgressColor(const ui::Color& color) { setProperty(progressColor_, color, ui::PropertyEffectsDisplay); }
    const ui::Color& progressRemainingColor() const { return progressRemainingColor_; }
    void setProgressRemainingColor(const ui::Color& color) {
        setProperty(progressRemainingColor_, color, ui::PropertyEffectsDisplay);
    }

    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;

private:
    void drawOutline(cg::Context& context) const;
    void drawFill(cg::Context& context) const;

    float progress_ = 0;
    ui::Color lineColor_;
    ui::Color progressColor_;
    ui::Color progressRemainingColor_ = ui::Color::clearColor();
};
