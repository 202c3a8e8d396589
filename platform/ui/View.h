// The view: a rectangle in its superview with a layer, subviews, layout,
// drawing, touch handling and gesture recognizers.
//
// Create views with View::make<T>(frame) (or T::create where a class offers
// it): the object is built first, then initWithFrame runs with `self`
// available, as the platform's initialisers do. Subclasses override
// initWithFrame and call the base first. Only the factories hold the key the
// constructor takes, so no view skips its initialiser; a subclass takes the
// constructor over with `using Base::Base;`.
//
// Properties change through setProperty: a value equal to the current one
// changes nothing, a new one asks for display and/or layout as the property
// needs, and a value set on the instance counts as set for appearance
// defaults (Appearance.h).
//
// Geometry lives in the view's layer: frame and centre are the layer's
// frame and position, the transform is the layer's affine transform.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/Color.h"
#include "platform/ui/Layer.h"
#include "platform/ui/Responder.h"

namespace ui {

class Window;
class ViewController;
class GestureRecognizer;

// Which margins and dimensions follow the superview's size.
enum AutoresizingMask : unsigned {
    ViewAutoresizingNone = 0,
    ViewAutoresizingFlexibleLeftMargin = 1 << 0,
    ViewAutoresizingFlexibleWidth = 1 << 1,
    ViewAutoresizingFlexibleRightMargin = 1 << 2,
    ViewAutoresizingFlexibleTopMargin = 1 << 3,
    ViewAutoresizingFlexibleHeight = 1 << 4,
    ViewAutoresizingFlexibleBottomMargin = 1 << 5,
};

// How a view's tint shows: as set, dimmed (while an alert is up), or as
// the superview's.
enum class TintAdjustmentMode { Automatic = 0, Normal = 1, Dimmed = 2 };

// What a property's change asks of its view.
enum PropertyEffects : unsigned {
    PropertyEffectsNone = 0,
    PropertyEffectsDisplay = 1 << 0,  // it shows differently: draw again
    PropertyEffectsLayout = 1 << 1,   // its subviews move: lay them out again
};

enum class ContentMode {
    ScaleToFill,
    ScaleAspectFit,
    ScaleAspectFill,
    Redraw,
    Center,
    Top,
    Bottom,
    Left,
    Right,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight,
};

class View : public Responder, public ca::LayerDelegate {
public:
    // Held only by the factories (see construct).
    class FactoryKey {
        FactoryKey() = default;
        friend class View;
    };

    template <class T = View>
    static std::shared_ptr<T> make(const cg::Rect& frame = {}) {
        auto view = construct<T>();
        view->initWithFrame(frame);
        return view;
    }
    static std::shared_ptr<View> create(const cg::Rect& frame = {}) { return make<View>(frame); }

    explicit View(FactoryKey) {}
    ~View() override;

    // Geometry.
    cg::Rect frame() const { return layer_->frame(); }
    virtual void setFrame(const cg::Rect& frame);
    cg::Rect bounds() const { return layer_->bounds(); }
    virtual void setBounds(const cg::Rect& bounds);
    cg::Point center() const { return layer_->position(); }
    void setCenter(const cg::Point& center);
    cg::AffineTransform transform() const { return layer_->affineTransform(); }
    void setTransform(const cg::AffineTransform& transform);

    unsigned autoresizingMask() const { return autoresizingMask_; }
    void setAutoresizingMask(unsigned mask) { autoresizingMask_ = mask; }
    bool autoresizesSubviews() const { return autoresizesSubviews_; }
    void setAutoresizesSubviews(bool on) { autoresizesSubviews_ = on; }

    // The tree.
    std::shared_ptr<View> superview() const { return superview_.lock(); }
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    std::shared_ptr<Window> window() const;
    void addSubview(const std::shared_ptr<View>& view);
    void insertSubviewAtIndex(const std::shared_ptr<View>& view, std::size_t index);
    void insertSubviewBelow(const std::shared_ptr<View>& view, const std::shared_ptr<View>& sibling);
    void insertSubviewAbove(const std::shared_ptr<View>& view, const std::shared_ptr<View>& sibling);
    void exchangeSubviewAtIndex(std::size_t a, std::size_t b);
    void bringSubviewToFront(const std::shared_ptr<View>& view);
    void sendSubviewToBack(const std::shared_ptr<View>& view);
    void removeFromSuperview();
    bool isDescendantOfView(const std::shared_ptr<View>& view) const;
    // Depth-first, this view first; null when none has the tag.
    std::shared_ptr<View> viewWithTag(long tag);

    // Move hooks, called around every change of superview or window.
    virtual void willMoveToSuperview(const std::shared_ptr<View>&) {}
    virtual void didMoveToSuperview() {}
    virtual void willMoveToWindow(const std::shared_ptr<Window>&) {}
    virtual void didMoveToWindow() {}
    virtual void didAddSubview(const std::shared_ptr<View>&) {}
    virtual void willRemoveSubview(const std::shared_ptr<View>&) {}

    // Layout.
    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    // Lays out this view (when flagged) and then its subviews.
    void layoutIfNeeded();
    virtual void layoutSubviews();
    virtual cg::Size sizeThatFits(const cg::Size& size) const;
    void sizeToFit();

    // Drawing: drawRect runs with the drawing layer's context current
    // (cg::currentContext()); nothing draws headless.
    void setNeedsDisplay();
    void setNeedsDisplayInRect(const cg::Rect& rect);
    bool needsDisplay() const { return layer_->needsDisplay(); }
    virtual void drawRect(const cg::Rect& rect);
    // The drawing layer calls this to render the view's own content.
    void drawLayer(ca::Layer& layer, const std::shared_ptr<cg::Context>& context) override;
    void layoutSublayersOfLayer(ca::Layer& layer) override;

    // Look and interaction.
    double alpha() const { return layer_->opacity(); }
    void setAlpha(double alpha);
    bool isHidden() const { return layer_->isHidden(); }
    virtual void setHidden(bool hidden);
    bool isOpaque() const { return layer_->isOpaque(); }
    void setOpaque(bool opaque) { layer_->setOpaque(opaque); }
    bool clipsToBounds() const { return layer_->masksToBounds(); }
    void setClipsToBounds(bool clips) { layer_->setMasksToBounds(clips); }
    const OptionalColor& backgroundColor() const { return layer_->backgroundColor(); }
    virtual void setBackgroundColor(const OptionalColor& color);
    const OptionalColor& tintColor() const { return tintColor_; }
    void setTintColor(const OptionalColor& color) {
        setProperty(tintColor_, color, PropertyEffectsDisplay, "tintColor");
    }
    TintAdjustmentMode tintAdjustmentMode() const { return tintAdjustmentMode_; }
    void setTintAdjustmentMode(TintAdjustmentMode mode) {
        setProperty(tintAdjustmentMode_, mode, PropertyEffectsDisplay);
    }
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool on) { userInteractionEnabled_ = on; }
    bool isMultipleTouchEnabled() const { return multipleTouchEnabled_; }
    void setMultipleTouchEnabled(bool on) { multipleTouchEnabled_ = on; }
    bool isExclusiveTouch() const { return exclusiveTouch_; }
    void setExclusiveTouch(bool on) { exclusiveTouch_ = on; }
    long tag() const { return tag_; }
    void setTag(long tag) { tag_ = tag; }
    ContentMode contentMode() const { return contentMode_; }
    // Also places the layer's contents by the matching gravity (an image
    // view's picture centred, aspect-fitted, pinned to an edge...).
    virtual void setContentMode(ContentMode mode);
    double contentScaleFactor() const { return layer_->contentsScale(); }
    void setContentScaleFactor(double s) { layer_->setContentsScale(s); }
    const ca::LayerPtr& layer() const { return layer_; }

    // Touches and hit testing (points in this view's coordinates).
    virtual std::shared_ptr<View> hitTest(const cg::Point& point, const Event* event);
    virtual bool pointInside(const cg::Point& point, const Event* event) const;
    // Whether the view can receive touches at all (visible, interactive).
    virtual bool acceptsTouches() const;

    // Conversion (null view: the window's coordinates).
    cg::Point convertPointToView(const cg::Point& point, const std::shared_ptr<View>& view) const;
    cg::Point convertPointFromView(const cg::Point& point, const std::shared_ptr<View>& view) const;
    cg::Rect convertRectToView(const cg::Rect& rect, const std::shared_ptr<View>& view) const;
    cg::Rect convertRectFromView(const cg::Rect& rect, const std::shared_ptr<View>& view) const;

    // Gesture recognizers, in the order added.
    void addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer);
    void removeGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer);
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }
    // Asked before a recognizer of this view or a superview begins.
    virtual bool gestureRecognizerShouldBegin(GestureRecognizer&) { return true; }

    // The responder chain: the controller whose root view this is, else the
    // superview.
    std::shared_ptr<Responder> nextResponder() const override;
    std::shared_ptr<ViewController> viewController() const { return controller_.lock(); }
    void setViewController(const std::shared_ptr<ViewController>& controller) { controller_ = controller; }
    // Makes the first responder in this subtree resign; true when none is
    // left (or `force`).
    bool endEditing(bool force);

    std::string description() const override;

    // For appearance proxies: whether a property was set on this instance
    // (instance values win over class-wide defaults).
    bool hasExplicitValue(const std::string& property) const;
    void markExplicitValue(const std::string& property);
    // Runs once when the view first enters a window (appearance replay).
    bool appearanceApplied() const { return appearanceApplied_; }

    virtual void initWithFrame(const cg::Rect& frame);

protected:
    // Builds a view for a factory, before its initialiser runs (for classes
    // whose factories call another initialiser than initWithFrame).
    template <class T>
    static std::shared_ptr<T> construct() {
        return std::shared_ptr<T>(new T(FactoryKey{}));
    }

    // The setter of every view property: a value set on the instance is
    // marked as set under `appearanceName` (when given), equal or not; an
    // equal value then changes nothing; a new one is stored and the view
    // asks for what `effects` says. True when the value changed, so that a
    // setter can go on with what else the change needs.
    template <class T, class V>
    bool setProperty(T& storage, V&& value, unsigned effects, std::string_view appearanceName = {}) {
        if (!appearanceName.empty()) markExplicitValue(std::string(appearanceName));
        if (storage == value) return false;
        storage = std::forward<V>(value);
        propertyDidChange(effects);
        return true;
    }
    void propertyDidChange(unsigned effects);

    // The class of layer this view creates (the platform's layerClass).
    virtual ca::LayerPtr makeLayer() const { return ca::Layer::create(); }
    // Resizes subviews after this view's size changed (autoresizing).
    void resizeSubviewsWithOldSize(const cg::Size& oldSize);
    void resizeWithOldSuperviewSize(const cg::Size& oldSize);

private:
    friend class Window;
    void insertSubviewInternal(const std::shared_ptr<View>& view, std::size_t index);
    void detachSubview(const std::shared_ptr<View>& view);
    void notifyWillMoveToWindow(const std::shared_ptr<Window>& window);
    void notifyDidMoveToWindow();
    std::size_t indexOfSubview(const View* view) const;
    void boundsSizeChanged(const cg::Size& oldSize);

    ca::LayerPtr layer_ = ca::Layer::create();
    std::vector<std::shared_ptr<View>> subviews_;
    std::weak_ptr<View> superview_;
    std::weak_ptr<ViewController> controller_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    std::vector<std::string> explicitValues_;
    OptionalColor tintColor_;
    TintAdjustmentMode tintAdjustmentMode_ = TintAdjustmentMode::Automatic;
    unsigned autoresizingMask_ = 0;
    bool autoresizesSubviews_ = true;
    bool userInteractionEnabled_ = true;
    bool multipleTouchEnabled_ = false;
    bool exclusiveTouch_ = false;
    bool needsLayout_ = false;
    bool appearanceApplied_ = false;
    long tag_ = 0;
    ContentMode contentMode_ = ContentMode::ScaleToFill;
};

using ViewPtr = std::shared_ptr<View>;

// Finds the first view of type T in a subtree, depth-first, root first.
template <class T>
std::shared_ptr<T> findSubviewOfType(const ViewPtr& root) {
    if (!root) return nullptr;
    if (auto t = std::dynamic_pointer_cast<T>(root)) return t;
    for (const auto& sub : root->subviews())
        if (auto t = findSubviewOfType<T>(sub)) return t;
    return nullptr;
}

}  // namespace ui
