#include "widgets/TAVOBlurView.h"

#include <cmath>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Value.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/ci/Filter.h"
#include "platform/graphics/ci/GaussianBlurFilter.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/Screen.h"

void TAVOBlurView::setParentView(const std::shared_ptr<ui::View>& view) {
    parentView_ = view;
    if (view) setNeedsDisplay();
}

void TAVOBlurView::setNeedsDisplay() {
    ++generation_;
    snapshot_ = nullptr;
    blur_ = nullptr;
    captureFailed_ = false;
    ui::View::setNeedsDisplay();
}

void TAVOBlurView::drawRect(const cg::Rect& /*rect*/) {
    if (capturing_) return;
    if (!blur_ && !captureFailed_) capture();
    auto context = cg::currentContext();
    if (blur_ && context) context->drawImageTopDown(bounds(), blur_->CGImage());
}

void TAVOBlurView::capture() {
    auto parent = parentView();
    const double scale = ui::Screen::mainScreen()->scale() / kCaptureScaleDivisor;
    cg::ImagePtr pixels;
    if (parent) {
        // The popup usually lies inside the view it blurs (the tab screen's
        // view): leave it out of the picture, and never let this view's own
        // drawing start a capture within the capture.
        auto host = superview();
        const bool hideHost = host && host->isDescendantOfView(parent) && !host->isHidden();
        capturing_ = true;
        if (hideHost) host->setHidden(true);
        pixels = cg::LayerRenderer::snapshotView(*parent, scale);
        if (hideHost) host->setHidden(false);
        capturing_ = false;
        // The capture's pixel size is rounded up: a last column or row the
        // parent only partly covers would stretch into a see-through edge.
        const cg::Size covered = parent->bounds().size;
        const double whole = std::floor(covered.width * scale + 1e-9), wholeRows = std::floor(covered.height * scale + 1e-9);
        if (pixels && whole >= 1 && wholeRows >= 1 &&
            (whole < static_cast<double>(pixels->width()) || wholeRows < static_cast<double>(pixels->height())))
            pixels = pixels->createWithImageInRect(cg::RectMake(0, 0, whole, wholeRows));
    }
    if (!pixels) {
        // Nothing to capture: show nothing rather than trying on every draw.
        captureFailed_ = true;
        return;
    }
    ++generation_;
    snapshot_ = ui::Image::imageWithCGImage(pixels, scale);
    blur_ = snapshot_;
    if (!cic_) cic_ = ci::Context::contextWithOptions();
    generateBlurAndRedraw(snapshot_, generation_);
}

void TAVOBlurView::generateBlurAndRedraw(ui::ImagePtr capture, std::uint64_t generation) {
    std::weak_ptr<TAVOBlurView> weak = self<TAVOBlurView>();
    dispatch::Queue::global()->async([weak, capture = std::move(capture), context = cic_, generation] {
        auto blurred = blurredImage(capture, context);
        dispatch::Queue::main()->async([weak, blurred = std::move(blurred), generation] {
            auto view = weak.lock();
            if (!view || !blurred || view->generation_ != generation) return;
            view->blur_ = blurred;
            // The base request: the overriding one would throw the blur away.
            view->ui::View::setNeedsDisplay();
        });
    });
}

ui::ImagePtr TAVOBlurView::blurredImage(const ui::ImagePtr& capture, const ci::ContextPtr& context) {
    if (!capture || !context) return nullptr;
    auto input = ci::Image::imageWithCGImage(capture->CGImage());
    auto filter = ci::Filter::filterWithName(ci::GaussianBlurFilter::Name);
    if (!input || !filter) return nullptr;
    filter->setValue(input, ci::InputImageKey);
    filter->setValue(ns::Value(kBlurRadius), ci::InputRadiusKey);
    auto output = filter->outputImage();
    if (!output || output->isEmpty()) return nullptr;
    const cg::Rect extent = output->extent();
    // The blur reaches past the capture by -extent.x on every side; cut
    // that border and a little more.
    const double inset = -kCropFactor * extent.origin.x;
    const cg::Rect crop = cg::RectInset(extent, inset, inset);
    auto pixels = context->createCGImage(output, crop);
    if (!pixels) return nullptr;
    return ui::Image::imageWithCGImage(pixels, capture->scale());
}
