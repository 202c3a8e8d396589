// A horizontal bar: the track picture, and over it the progress picture
// squeezed to the progress fraction of the width. It can follow an HTTP
// download.
#pragma once

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

class TNURLConnectionOperation;

class TAVOProgressView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOProgressView> create(const cg::Rect& frame = {}) {
        return make<TAVOProgressView>(frame);
    }

    float progress() const { return progress_; }
    // Above 1 is stored as 1.
    void setProgress(float progress);
    const ui::ImagePtr& progressImage() const { return progressImage_; }
    void setProgressImage(const ui::ImagePtr& image) { setProperty(progressImage_, image, ui::PropertyEffectsDisplay); }
    const ui::ImagePtr& trackImage() const { return trackImage_; }
    void setTrackImage(const ui::ImagePtr& image) { setProperty(trackImage_, image, ui::PropertyEffectsDisplay); }

    // Follows the operation's download: the handler installed before keeps
    // being called first, then the bar takes bytes read / bytes expected
    // (only while the total is known). The bar is held weakly.
    void setProgressWithDownloadProgressOfOperation(const std::shared_ptr<TNURLConnectionOperation>& operation);

    void drawRect(const cg::Rect& rect) override;

private:
    float progress_ = 0;
    ui::ImagePtr progressImage_;
    ui::ImagePtr trackImage_;
};
