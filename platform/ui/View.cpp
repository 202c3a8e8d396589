#include "platform/ui/View.h"

#include <algorithm>
#include <sstream>

#include "platform/ui/Appearance.h"
#include "platform/ui/GestureRecognizer.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

namespace ui {

View::~View() {
    for (auto& r : recognizers_) r->setView(nullptr);
}

void View::initWithFrame(const cg::Rect& frame) {
    layer_ = makeLayer();
    layer_->setDelegate(std::static_pointer_cast<ca::LayerDelegate>(self<View>()));
    layer_->setFrame(frame);
}

// ---- geometry ----

void View::setFrame(const cg::Rect& frame) {
    cg::Rect old = layer_->frame();
    cg::Size oldSize = layer_->bounds().size;
    if (ViewAnimation::isAnimating()) {
        cg::Rect f = cg::RectStandardize(frame);
        cg::Point newCenter{f.origin.x + layer_->anchorPoint().x * f.size.width,
                            f.origin.y + layer_->anchorPoint().y * f.size.height};
        if (newCenter != layer_->position())
            ViewAnimation::propertyChanging(*this, "position", layer_->position(), newCenter);
        if (f.size != oldSize)
            ViewAnimation::propertyChanging(*this, "bounds", layer_->bounds(),
                                            cg::Rect{layer_->bounds().origin, f.size});
    }
    (void)old;
    layer_->setFrame(frame);
    boundsSizeChanged(oldSize);
}

void View::setBounds(const cg::Rect& bounds) {
    cg::Size oldSize = layer_->bounds().size;
    if (ViewAnimation::isAnimating() && bounds != layer_->bounds())
        ViewAnimation::propertyChanging(*this, "bounds", layer_->bounds(), bounds);
    layer_->setBounds(bounds);
    boundsSizeChanged(oldSize);
}

void View::setCenter(const cg::Point& center) {
    if (ViewAnimation::isAnimating() && center != layer_->position())
        ViewAnimation::propertyChanging(*this, "position", layer_->position(), center);
    layer_->setPosition(center);
}

void View::setTransform(const cg::AffineTransform& transform) {
    if (ViewAnimation::isAnimating() && transform != layer_->affineTransform())
        ViewAnimation::propertyChanging(*this, "transform", layer_->transform(),
                                        ca::Transform3DMakeAffineTransform(transform));
    layer_->setAffineTransform(transform);
}

void View::setAlpha(double alpha) {
    if (ViewAnimation::isAnimating() && alpha != layer_->opacity())
        ViewAnimation::propertyChanging(*this, "opacity", layer_->opacity(), alpha);
    layer_->setOpacity(alpha);
}

void View::setBackgroundColor(const OptionalColor& color) {
    markExplicitValue("backgroundColor");
    if (ViewAnimation::isAnimating() && color && layer_->backgroundColor() && *color != *layer_->backgroundColor())
        ViewAnimation::propertyChanging(*this, "backgroundColor", *layer_->backgroundColor(), *color);
    layer_->setBackgroundColor(color);
}

void View::setContentMode(ContentMode mode) {
    if (!setProperty(contentMode_, mode, PropertyEffectsDisplay)) return;
    static const char* const kGravities[] = {"resize", "resizeAspect", "resizeAspectFill", "resize", "center",
                                             "top", "bottom", "left", "right", "topLeft", "topRight",
                                             "bottomLeft", "bottomRight"};
    layer_->setContentsGravity(kGravities[static_cast<int>(mode)]);
}

void View::setHidden(bool hidden) {
    if (hidden == layer_->isHidden()) return;
    layer_->setHidden(hidden);
    if (hidden) {
        // A hidden view gives up the focus, as on the platform.
        auto first = currentFirstResponder();
        if (auto v = std::dynamic_pointer_cast<View>(first); v && (v.get() == this || v->isDescendantOfView(self<View>())))
            v->resignFirstResponder();
    }
}

void View::boundsSizeChanged(const cg::Size& oldSize) {
    if (layer_->bounds().size == oldSize) return;
    setNeedsLayout();
    if (autoresizesSubviews_) resizeSubviewsWithOldSize(oldSize);
}

void View::resizeSubviewsWithOldSize(const cg::Size& oldSize) {
    auto subs = subviews_;
    for (auto& s : subs) s->resizeWithOldSuperviewSize(oldSize);
}

namespace {

// One axis of the autoresizing arithmetic: the change of the superview's
// length is shared among the flexible parts (leading margin, length,
// trailing margin) in proportion to their current sizes, or equally when
// those are all zero.
void resizeAxis(double& origin, double& length, double oldSuper, double newSuper, bool flexLead, bool flexLength,
                bool flexTrail) {
    double delta = newSuper - oldSuper;
    if (delta == 0) return;
    int flexible = int(flexLead) + int(flexLength) + int(flexTrail);
    if (flexible == 0) return;
    double lead = origin, trail = oldSuper - origin - length;
    double sum = (flexLead ? lead : 0) + (flexLength ? length : 0) + (flexTrail ? trail : 0);
    auto share = [&](bool flex, double value) {
        if (!flex) return 0.0;
        return sum != 0 ? delta * value / sum : delta / flexible;
    };
    double dLead = share(flexLead, lead);
    double dLength = share(flexLength, length);
    origin += dLead;
    length = std::max(0.0, length + dLength);
}

}  // namespace

void View::resizeWithOldSuperviewSize(const cg::Size& oldSize) {
    auto parent = superview();
    if (!parent || autoresizingMask_ == 0) return;
    cg::Size newSize = parent->bounds().size;
    cg::Rect f = frame();
    unsigned m = autoresizingMask_;
    resizeAxis(f.origin.x, f.size.width, oldSize.width, newSize.width, m & ViewAutoresizingFlexibleLeftMargin,
               m & ViewAutoresizingFlexibleWidth, m & ViewAutoresizingFlexibleRightMargin);
    resizeAxis(f.origin.y, f.size.height, oldSize.height, newSize.height, m & ViewAutoresizingFlexibleTopMargin,
               m & ViewAutoresizingFlexibleHeight, m & ViewAutoresizingFlexibleBottomMargin);
    if (f != frame()) setFrame(f);
}

// ---- tree ----

std::shared_ptr<Window> View::window() const {
    const View* node = this;
    while (auto parent = node->superview_.lock()) node = parent.get();
    auto* w = dynamic_cast<const Window*>(node);
    return w ? std::const_pointer_cast<Window>(w->self<const Window>()) : nullptr;
}

std::size_t View::indexOfSubview(const View* view) const {
    for (std::size_t i = 0; i < subviews_.size(); ++i)
        if (subviews_[i].get() == view) return i;
    return subviews_.size();
}

bool View::isDescendantOfView(const std::shared_ptr<View>& view) const {
    if (!view) return false;
    for (const View* n = this; n; n = n->superview_.lock().get())
        if (n == view.get()) return true;
    return false;
}

void View::notifyWillMoveToWindow(const std::shared_ptr<Window>& w) {
    willMoveToWindow(w);
    auto subs = subviews_;
    for (auto& s : subs) s->notifyWillMoveToWindow(w);
}

void View::notifyDidMoveToWindow() {
    if (window() && !appearanceApplied_) {
        appearanceApplied_ = true;
        Appearance::applyTo(*this);
    }
    didMoveToWindow();
    if (auto vc = controller_.lock()) vc->rootViewMovedToWindow();
    auto subs = subviews_;
    for (auto& s : subs) s->notifyDidMoveToWindow();
}

void View::insertSubviewInternal(const std::shared_ptr<View>& view, std::size_t index) {
    if (!view || view.get() == this || isDescendantOfView(view)) return;  // no cycles
    ViewPtr keep = view;
    auto me = self<View>();
    auto oldParent = keep->superview();
    auto oldWindow = keep->window();
    auto newWindow = window();
    if (oldParent.get() == this) {
        // Reordering among siblings: no move hooks.
        auto i = indexOfSubview(keep.get());
        if (i < subviews_.size()) subviews_.erase(subviews_.begin() + static_cast<long>(i));
        index = std::min(index, subviews_.size());
        subviews_.insert(subviews_.begin() + static_cast<long>(index), keep);
    } else {
        if (oldWindow != newWindow) keep->notifyWillMoveToWindow(newWindow);
        keep->willMoveToSuperview(me);
        if (oldParent) oldParent->detachSubview(keep);
        index = std::min(index, subviews_.size());
        subviews_.insert(subviews_.begin() + static_cast<long>(index), keep);
        keep->superview_ = me;
    }
    // The layer goes just above the layer of the subview below it.
    auto pos = indexOfSubview(keep.get());
    if (pos == 0) {
        keep->layer_->removeFromSuperlayer();
        if (subviews_.size() > 1)
            layer_->insertSublayerBelow(keep->layer_, subviews_[1]->layer_);  // below the next sibling
        else
            layer_->addSublayer(keep->layer_);
    } else {
        keep->layer_->removeFromSuperlayer();
        layer_->insertSublayerAbove(keep->layer_, subviews_[pos - 1]->layer_);
    }
    if (oldParent.get() == this) return;
    keep->setNeedsLayout();
    keep->didMoveToSuperview();
    didAddSubview(keep);
    if (oldWindow != newWindow) keep->notifyDidMoveToWindow();
}

void View::detachSubview(const std::shared_ptr<View>& view) {
    willRemoveSubview(view);
    auto i = indexOfSubview(view.get());
    if (i < subviews_.size()) subviews_.erase(subviews_.begin() + static_cast<long>(i));
    view->layer_->removeFromSuperlayer();
    view->superview_.reset();
}

void View::addSubview(const std::shared_ptr<View>& view) {
    insertSubviewInternal(view, subviews_.size());
}

void View::insertSubviewAtIndex(const std::shared_ptr<View>& view, std::size_t index) {
    insertSubviewInternal(view, index);
}

void View::insertSubviewBelow(const std::shared_ptr<View>& view, const std::shared_ptr<View>& sibling) {
    if (!view) return;
    if (!sibling || sibling->superview().get() != this) return addSubview(view);
    if (view->superview().get() == this) {
        // Remove first so that the sibling's index is the insertion point.
        auto keep = view;
        subviews_.erase(subviews_.begin() + static_cast<long>(indexOfSubview(view.get())));
        subviews_.push_back(keep);
    }
    insertSubviewInternal(view, indexOfSubview(sibling.get()));
}

void View::insertSubviewAbove(const std::shared_ptr<View>& view, const std::shared_ptr<View>& sibling) {
    if (!view) return;
    if (!sibling || sibling->superview().get() != this) return addSubview(view);
    if (view->superview().get() == this) {
        auto keep = view;
        subviews_.erase(subviews_.begin() + static_cast<long>(indexOfSubview(view.get())));
        subviews_.push_back(keep);
    }
    insertSubviewInternal(view, indexOfSubview(sibling.get()) + 1);
}

void View::exchangeSubviewAtIndex(std::size_t a, std::size_t b) {
    if (a >= subviews_.size() || b >= subviews_.size() || a == b) return;
    std::swap(subviews_[a], subviews_[b]);
    // Rebuild the order of the subviews' layers, keeping other layers.
    std::vector<ca::LayerPtr> order;
    std::size_t next = 0;
    for (const auto& l : layer_->sublayers()) {
        bool isSubviewLayer = std::any_of(subviews_.begin(), subviews_.end(),
                                          [&](const ViewPtr& v) { return v->layer_ == l; });
        order.push_back(isSubviewLayer ? subviews_[next++]->layer_ : l);
    }
    layer_->setSublayers(order);
}

void View::bringSubviewToFront(const std::shared_ptr<View>& view) {
    if (view && view->superview().get() == this) insertSubviewInternal(view, subviews_.size());
}

void View::sendSubviewToBack(const std::shared_ptr<View>& view) {
    if (view && view->superview().get() == this) insertSubviewInternal(view, 0);
}

void View::removeFromSuperview() {
    auto parent = superview();
    if (!parent) return;
    auto me = self<View>();
    auto oldWindow = window();
    // Leaving the window takes the focus with it.
    if (auto first = std::dynamic_pointer_cast<View>(currentFirstResponder());
        first && (first == me || first->isDescendantOfView(me)))
        first->resignFirstResponder();
    if (oldWindow) notifyWillMoveToWindow(nullptr);
    willMoveToSuperview(nullptr);
    parent->detachSubview(me);
    didMoveToSuperview();
    if (oldWindow) notifyDidMoveToWindow();
}

std::shared_ptr<View> View::viewWithTag(long tag) {
    if (tag_ == tag) return self<View>();
    for (auto& s : subviews_)
        if (auto v = s->viewWithTag(tag)) return v;
    return nullptr;
}

// ---- layout and drawing ----

void View::setNeedsLayout() {
    needsLayout_ = true;
    layer_->setNeedsLayout();
}

void View::layoutIfNeeded() {
    if (needsLayout_) {
        needsLayout_ = false;
        layoutSubviews();
    }
    auto subs = subviews_;
    for (auto& s : subs) s->layoutIfNeeded();
}

void View::layoutSubviews() {}

cg::Size View::sizeThatFits(const cg::Size&) const { return bounds().size; }

void View::sizeToFit() {
    cg::Rect f = frame();
    f.size = sizeThatFits(f.size);
    setFrame(f);
}

void View::propertyDidChange(unsigned effects) {
    if (effects & PropertyEffectsDisplay) setNeedsDisplay();
    if (effects & PropertyEffectsLayout) setNeedsLayout();
}

void View::setNeedsDisplay() { layer_->setNeedsDisplay(); }
void View::setNeedsDisplayInRect(const cg::Rect&) { layer_->setNeedsDisplay(); }
void View::drawRect(const cg::Rect&) {}

void View::drawLayer(ca::Layer&, const std::shared_ptr<cg::Context>& context) {
    cg::pushContext(context);
    drawRect(bounds());
    cg::popContext();
}

void View::layoutSublayersOfLayer(ca::Layer&) { layoutIfNeeded(); }

// ---- touches ----

bool View::acceptsTouches() const { return !isHidden() && userInteractionEnabled_ && alpha() >= 0.01; }

std::shared_ptr<View> View::hitTest(const cg::Point& point, const Event* event) {
    if (!acceptsTouches() || !pointInside(point, event)) return nullptr;
    auto subs = subviews_;
    for (auto it = subs.rbegin(); it != subs.rend(); ++it) {
        cg::Point p = (*it)->convertPointFromView(point, self<View>());
        if (auto hit = (*it)->hitTest(p, event)) return hit;
    }
    return self<View>();
}

bool View::pointInside(const cg::Point& point, const Event*) const {
    return cg::RectContainsPoint(bounds(), point);
}

cg::Point View::convertPointToView(const cg::Point& point, const std::shared_ptr<View>& view) const {
    return layer_->convertPointToLayer(point, view ? view->layer_ : nullptr);
}

cg::Point View::convertPointFromView(const cg::Point& point, const std::shared_ptr<View>& view) const {
    return layer_->convertPointFromLayer(point, view ? view->layer_ : nullptr);
}

cg::Rect View::convertRectToView(const cg::Rect& rect, const std::shared_ptr<View>& view) const {
    return layer_->convertRectToLayer(rect, view ? view->layer_ : nullptr);
}

cg::Rect View::convertRectFromView(const cg::Rect& rect, const std::shared_ptr<View>& view) const {
    if (view) return view->convertRectToView(rect, std::const_pointer_cast<View>(self<const View>()));
    // From window coordinates: map the corners into this view.
    cg::Point a = convertPointFromView(rect.origin, nullptr);
    cg::Point b = convertPointFromView({cg::RectGetMaxX(rect), cg::RectGetMaxY(rect)}, nullptr);
    cg::Point c = convertPointFromView({cg::RectGetMaxX(rect), rect.origin.y}, nullptr);
    cg::Point d = convertPointFromView({rect.origin.x, cg::RectGetMaxY(rect)}, nullptr);
    double minX = std::min({a.x, b.x, c.x, d.x}), maxX = std::max({a.x, b.x, c.x, d.x});
    double minY = std::min({a.y, b.y, c.y, d.y}), maxY = std::max({a.y, b.y, c.y, d.y});
    return cg::RectMake(minX, minY, maxX - minX, maxY - minY);
}

void View::addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer) {
    if (!recognizer) return;
    if (auto old = recognizer->view(); old && old.get() != this) old->removeGestureRecognizer(recognizer);
    if (std::find(recognizers_.begin(), recognizers_.end(), recognizer) != recognizers_.end()) return;
    recognizers_.push_back(recognizer);
    recognizer->setView(self<View>());
}

void View::removeGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer) {
    auto it = std::find(recognizers_.begin(), recognizers_.end(), recognizer);
    if (it == recognizers_.end()) return;
    auto keep = *it;
    recognizers_.erase(it);
    keep->setView(nullptr);
}

std::shared_ptr<Responder> View::nextResponder() const {
    if (auto vc = controller_.lock()) return vc;
    return superview();
}

bool View::endEditing(bool force) {
    auto first = std::dynamic_pointer_cast<View>(currentFirstResponder());
    if (!first || !(first.get() == this || first->isDescendantOfView(std::const_pointer_cast<View>(self<const View>()))))
        return true;
    if (force) {
        first->resignFirstResponder();
        return true;
    }
    return first->resignFirstResponder();
}

std::string View::description() const {
    std::ostringstream out;
    out << "<" << className() << ": " << static_cast<const void*>(this) << "; frame = " << cg::StringFromRect(frame())
        << ">";
    return out.str();
}

bool View::hasExplicitValue(const std::string& property) const {
    return std::find(explicitValues_.begin(), explicitValues_.end(), property) != explicitValues_.end();
}

void View::markExplicitValue(const std::string& property) {
    if (Appearance::isApplying()) return;
    if (!hasExplicitValue(property)) explicitValues_.push_back(property);
}

}  // namespace ui
