// A progress HUD: a translucent overlay over a host view (or a window) with
// a rounded box in the middle that holds an indicator (spinner, pie, bar,
// ring or a custom view) above a one-line label and a multi-line details
// label, over a faint dimming of everything behind it.
//
// It fades in and out (or zooms) over 0.3 s, can wait a grace time before
// it shows (so that short work never flashes a HUD) and stays up at least a
// minimum time once shown. It can also track work run on another thread or
// a dispatch queue and hide itself on the main loop when the work is done.
//
// A show opens one cycle that ends in exactly one completion: the
// completion block runs once and the delegate hears hudWasHidden once.
// Hiding again, or a late timer, never ends a cycle twice; a hide without a
// show in progress does nothing. The grace, minimum-show and delayed-hide
// timers each replace their earlier schedule.
//
// Threads: the work a HUD tracks may set the indicator's progress, the
// texts, fonts, colours, the mode and the custom view from its own thread;
// the views follow on the main thread. Everything else (showing, hiding,
// layout and the remaining properties) belongs to the main thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/foundation/Value.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class PGProgressHUD;

// Optional: a delegate that does not care keeps the empty default.
class PGProgressHUDDelegate {
public:
    virtual ~PGProgressHUDDelegate() = default;
    // The HUD has finished hiding (after its completion block).
    virtual void hudWasHidden(PGProgressHUD&) {}
};

// What the box shows above its texts.
enum PGProgressHUDMode : int {
    PGProgressHUDModeIndeterminate = 0,  // a spinner
    PGProgressHUDModeDeterminate = 1,    // a pie
    PGProgressHUDModeDeterminateHorizontalBar = 2,
    PGProgressHUDModeAnnularDeterminate = 3,  // a ring
    PGProgressHUDModeCustomView = 4,
    PGProgressHUDModeText = 5,  // the texts alone
};

// How the HUD shows and hides.
enum PGProgressHUDAnimation : int {
    PGProgressHUDAnimationFade = 0,
    PGProgressHUDAnimationZoomOut = 1,  // shows shrinking from 1.5x, hides shrinking to 0.5x
    PGProgressHUDAnimationZoomIn = 2,   // shows growing from 0.5x, hides growing to 1.5x
};

class PGProgressHUD : public ui::View {
public:
    using View::View;
    ~PGProgressHUD() override;

    static constexpr double kAnimationDuration = 0.30;

    // A HUD as large as the view's bounds (not yet added or shown).
    template <class T = PGProgressHUD>
    static std::shared_ptr<T> createWithView(const ui::ViewPtr& view) {
        return make<T>(view ? view->bounds() : cg::Rect{});
    }
    static std::shared_ptr<PGProgressHUD> createWithWindow(const ui::ViewPtr& window) {
        return createWithView(window);
    }

    // A new HUD over the view's bounds, added to the view and shown.
    template <class T = PGProgressHUD>
    static std::shared_ptr<T> showHUDAddedTo(const ui::ViewPtr& view, bool animated) {
        if (!view) return nullptr;
        auto hud = createWithView<T>(view);
        view->addSubview(hud);
        hud->show(animated);
        return hud;
    }
    // The topmost HUD of the class among the view's subviews, or null.
    template <class T = PGProgressHUD>
    static std::shared_ptr<T> HUDForView(const ui::ViewPtr& view) {
        if (!view) return nullptr;
        const auto& subviews = view->subviews();
        for (auto it = subviews.rbegin(); it != subviews.rend(); ++it)
            if (auto hud = std::dynamic_pointer_cast<T>(*it)) return hud;
        return nullptr;
    }
    // Every HUD of the class among the view's subviews, back to front.
    template <class T = PGProgressHUD>
    static std::vector<std::shared_ptr<T>> allHUDsForView(const ui::ViewPtr& view) {
        std::vector<std::shared_ptr<T>> huds;
        if (!view) return huds;
        for (const auto& subview : view->subviews())
            if (auto hud = std::dynamic_pointer_cast<T>(subview)) huds.push_back(hud);
        return huds;
    }
    // Hides (and removes on hiding) the topmost HUD; false when none.
    template <class T = PGProgressHUD>
    static bool hideHUDForView(const ui::ViewPtr& view, bool animated) {
        auto hud = HUDForView<T>(view);
        if (!hud) return false;
        hud->setRemoveFromSuperViewOnHide(true);
        hud->hide(animated);
        return true;
    }
    // The same for every HUD; answers how many it hid.
    template <class T = PGProgressHUD>
    static std::size_t hideAllHUDsForView(const ui::ViewPtr& view, bool animated) {
        auto huds = allHUDsForView<T>(view);
        for (const auto& hud : huds) {
            hud->setRemoveFromSuperViewOnHide(true);
            hud->hide(animated);
        }
        return huds.size();
    }

    // Showing and hiding.
    void show(bool animated);
    void hide(bool animated);
    // Hides after `delay` seconds on the main loop.
    void hideAfterDelay(bool animated, double delay);

    // Tracked work. The method runs on a new thread with the argument; the
    // HUD keeps the target and the argument until the work is done.
    using TrackedMethod = std::function<void(const ns::Value& argument)>;
    void showWhileExecuting(TrackedMethod method, const ns::ObjectPtr& target, const ns::Value& argument,
                            bool animated);
    // The block runs on the queue (the global queue of default priority
    // when none); the completion becomes the HUD's completion block.
    using Block = std::function<void()>;
    void showAnimatedWhileExecutingBlock(bool animated, Block block);
    void showAnimatedWhileExecutingBlockCompletionBlock(bool animated, Block block, Block completion);
    void showAnimatedWhileExecutingBlockOnQueue(bool animated, Block block, std::shared_ptr<dispatch::Queue> queue);
    void showAnimatedWhileExecutingBlockOnQueueCompletionBlock(bool animated, Block block,
                                                               std::shared_ptr<dispatch::Queue> queue,
                                                               Block completion);

    // The box in the bounds: centred, shifted by the offsets, of `size`.
    virtual cg::Rect getBoxRect(const cg::Rect& bounds) const;

    // Properties any thread may set (the views follow on the main thread).
    int mode() const;
    void setMode(int mode);
    ui::ViewPtr customView() const;
    void setCustomView(const ui::ViewPtr& view);
    std::string labelText() const;
    void setLabelText(const std::string& text);
    std::string detailsLabelText() const;
    void setDetailsLabelText(const std::string& text);
    ui::Font labelFont() const;
    void setLabelFont(const ui::Font& font);
    ui::Font detailsLabelFont() const;
    void setDetailsLabelFont(const ui::Font& font);
    ui::Color labelColor() const;
    void setLabelColor(const ui::Color& color);
    ui::Color detailsLabelColor() const;
    void setDetailsLabelColor(const ui::Color& color);
    float progress() const;
    void setProgress(float progress);

    // Main-thread properties.
    int animationType() const { return animationType_; }
    void setAnimationType(int type) { animationType_ = type; }
    float opacity() const { return opacity_; }
    void setOpacity(float opacity) { setProperty(opacity_, opacity, ui::PropertyEffectsDisplay); }
    const ui::OptionalColor& color() const { return color_; }
    void setColor(const ui::OptionalColor& color) { setProperty(color_, color, ui::PropertyEffectsDisplay); }
    const ui::OptionalColor& defaultIndicatorColor() const { return defaultIndicatorColor_; }
    // Also recolours a spinner already shown.
    void setDefaultIndicatorColor(const ui::OptionalColor& color);
    float xOffset() const { return xOffset_; }
    void setXOffset(float offset) { setProperty(xOffset_, offset, kLayoutAndDisplay); }
    float yOffset() const { return yOffset_; }
    void setYOffset(float offset) { setProperty(yOffset_, offset, kLayoutAndDisplay); }
    float margin() const { return margin_; }
    void setMargin(float margin) { setProperty(margin_, margin, kLayoutAndDisplay); }
    cg::Size minSize() const { return minSize_; }
    void setMinSize(const cg::Size& size) { setProperty(minSize_, size, kLayoutAndDisplay); }
    bool isSquare() const { return square_; }
    void setSquare(bool square) { setProperty(square_, square, kLayoutAndDisplay); }
    bool dimBackground() const { return dimBackground_; }
    void setDimBackground(bool dim) { setProperty(dimBackground_, dim, ui::PropertyEffectsDisplay); }
    float graceTime() const { return graceTime_; }
    void setGraceTime(float seconds) { graceTime_ = seconds; }
    float minShowTime() const { return minShowTime_; }
    void setMinShowTime(float seconds) { minShowTime_ = seconds; }
    bool taskInProgress() const { return taskInProgress_; }
    void setTaskInProgress(bool inProgress) { taskInProgress_ = inProgress; }
    bool removeFromSuperViewOnHide() const { return removeFromSuperViewOnHide_; }
    void setRemoveFromSuperViewOnHide(bool remove) { removeFromSuperViewOnHide_ = remove; }
    // The box's size from the last layout.
    cg::Size size() const { return size_; }
    const Block& completionBlock() const { return completionBlock_; }
    void setCompletionBlock(Block block) { completionBlock_ = std::move(block); }

    std::weak_ptr<PGProgressHUDDelegate> delegate;

    // The current indicator view (null in text mode).
    const ui::ViewPtr& indicator() const { return indicator_; }
    const ui::LabelPtr& label() const { return label_; }
    const ui::LabelPtr& detailsLabel() const { return detailsLabel_; }
    // The last cycle ended (hidden); a new show starts another.
    bool isFinished() const { return isFinished_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    void drawRect(const cg::Rect& rect) override;
    void didMoveToSuperview() override;

private:
    static constexpr unsigned kLayoutAndDisplay = ui::PropertyEffectsLayout | ui::PropertyEffectsDisplay;

    // The properties whose changes the views follow.
    enum class Observed { Mode, CustomView, LabelText, LabelFont, LabelColor, DetailsText, DetailsFont, DetailsColor,
                          Progress };
    template <class T, class V>
    void setObserved(T& storage, V&& value, Observed key) {
        {
            std::lock_guard<std::mutex> lock(propertiesMutex_);
            if (storage == value) return;
            storage = std::forward<V>(value);
        }
        observedValueChanged(key);
    }
    template <class T>
    T readObserved(const T& storage) const {
        std::lock_guard<std::mutex> lock(propertiesMutex_);
        return storage;
    }
    void observedValueChanged(Observed key);
    void applyObservedChange(Observed key);

    void setUpLabels();
    void updateIndicators();
    void replaceIndicator(const ui::ViewPtr& indicator);

    void showUsingAnimation(bool animated);
    void hideUsingAnimation(bool animated);
    void handleGraceTimer();
    void done();
    void cleanUp();

    void deviceOrientationDidChange();
    void setTransformForCurrentOrientation(bool animated);
    // Takes the superview's bounds (see hostBounds), centred in it.
    void coverHost();
    // The bounds the HUD takes from its superview (a window's turned to
    // the interface's orientation).
    std::optional<cg::Rect> hostBounds() const;

    mutable std::mutex propertiesMutex_;
    int mode_ = PGProgressHUDModeIndeterminate;
    ui::ViewPtr customView_;
    std::string labelText_;
    std::string detailsLabelText_;
    ui::Font labelFont_ = ui::Font::boldSystemFontOfSize(16);
    ui::Font detailsLabelFont_ = ui::Font::boldSystemFontOfSize(12);
    ui::Color labelColor_ = ui::Color::blackColor();
    ui::Color detailsLabelColor_ = ui::Color::blackColor();
    float progress_ = 0;

    int animationType_ = PGProgressHUDAnimationFade;
    float opacity_ = 1.0f;
    ui::OptionalColor color_;
    ui::OptionalColor defaultIndicatorColor_;
    float xOffset_ = 0;
    float yOffset_ = 0;
    float margin_ = 20;
    cg::Size minSize_{};
    bool square_ = false;
    bool dimBackground_ = true;
    float graceTime_ = 0;
    float minShowTime_ = 0;
    bool taskInProgress_ = false;
    bool removeFromSuperViewOnHide_ = false;
    cg::Size size_{};
    Block completionBlock_;

    ui::ViewPtr indicator_;
    ui::LabelPtr label_;
    ui::LabelPtr detailsLabel_;
    cg::AffineTransform rotationTransform_ = cg::AffineTransformIdentity;

    // The cycle: a show opened it and its end has not run yet.
    bool cycleOpen_ = false;
    bool hiding_ = false;
    bool isFinished_ = false;
    bool useAnimation_ = false;
    // Tells the completion of the running hide animation from stale ones.
    std::uint64_t hideAnimation_ = 0;
    std::optional<double> showStarted_;
    ns::ScopedTimer graceTimer_;
    ns::ScopedTimer minShowTimer_;
    ns::ScopedTimer hideDelayTimer_;

    // The tracked method's target and argument, held until it is done.
    ns::ObjectPtr targetForExecution_;
    ns::Value objectForExecution_;

    ns::ScopedObserver orientationObserver_;
};

using PGProgressHUDPtr = std::shared_ptr<PGProgressHUD>;
