// A round progress indicator: a pie that fills clockwise from the top
// inside a thin circle, or (annular) a ring whose arc grows clockwise over
// a faint full ring.
#pragma once

#include <memory>

#include "platform/ui/View.h"
#include "uikit/PGProgressReceiver.h"

class PGRoundProgressView : public ui::View, public PGProgressReceiver {
public:
    using View::View;
    // The indicator's own size: 37 x 37 at the origin.
    static std::shared_ptr<PGRoundProgressView> create();
    static std::shared_ptr<PGRoundProgressView> create(const cg::Rect& frame) {
        return make<PGRoundProgressView>(frame);
    }

    float progress() const override { return progress_; }
    void setProgress(float progress) override { setProperty(progress_, progress, ui::PropertyEffectsDisplay); }
    const ui::Color& progressTintColor() const { return progressTintColor_; }
    void setProgressTintColor(const ui::Color& color) {
        setProperty(progressTintColor_, color, ui::PropertyEffectsDisplay);
    }
    const ui::Color& backgroundTintColor() const { return backgroundTintColor_; }
    void setBackgroundTintColor(const ui::Color& color) {
        setProperty(backgroundTintColor_, color, ui::PropertyEffectsDisplay);
    }
    bool isAnnular() const { return annular_; }
    void setAnnular(bool annular) { setProperty(annular_, annular, ui::PropertyEffectsDisplay); }

    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;

private:
    void drawPie(cg::Context& context) const;
    void drawRing(cg::Context& context) const;

    float progress_ = 0;
    ui::Color progressTintColor_;
    ui::Color backgroundTintColor_;
    bool annular_ = false;
};
