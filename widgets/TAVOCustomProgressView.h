// A horizontal bar drawn over the bounds: the track picture, and the
// progress picture squeezed to the progress fraction of the width.
#pragma once

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

class TAVOCustomProgressView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOCustomProgressView> create(const cg::Rect& frame = {}) {
        return make<TAVOCustomProgressView>(frame);
    }

    float progress() const { return progress_; }
    void setProgress(float progress) { setProperty(progress_, progress, ui::PropertyEffectsDisplay); }
    // The bar does not animate: the flag is accepted for its callers.
    void setProgress(float progress, bool /*animated*/) { setProgress(progress); }
    const ui::ImagePtr& progressImage() const { return progressImage_; }
    void setProgressImage(const ui::ImagePtr& image) { setProperty(progressImage_, image, ui::PropertyEffectsDisplay); }
    const ui::ImagePtr& trackImage() const { return trackImage_; }
    void setTrackImage(const ui::ImagePtr& image) { setProperty(trackImage_, image, ui::PropertyEffectsDisplay); }

    void drawRect(const cg::Rect& rect) override;

private:
    float progress_ = 0;
    ui::ImagePtr progressImage_;
    ui::ImagePtr trackImage_;
};
