#include "platform/ui/Layer.h"

#include <algorithm>
#include <cmath>

namespace ca {

namespace {

cg::AffineTransform layerToSuper(const cg::Rect& bounds, const cg::Point& position, const cg::Point& anchor,
                                 const Transform3D& transform) {
    // Move the anchor point to the origin, apply the transform, then move
    // the origin to the position.
    double ax = bounds.origin.x + anchor.x * bounds.size.width;
    double ay = bounds.origin.y + anchor.y * bounds.size.height;
    auto t = cg::AffineTransformMakeTranslation(-ax, -ay);
    t = cg::AffineTransformConcat(t, Transform3DGetAffineTransform(transform));
    return cg::AffineTransformConcat(t, cg::AffineTransformMakeTranslation(position.x, position.y));
}

}  // namespace

Layer::~Layer() {
    // Animations of a layer that goes away are removed, not finished.
    for (auto& run : animations_) {
        ui::mainloop::cancel(run.endCall);
        if (!run.ended) ui::mainloop::performLater([run] { notifyStop(run, false); });
    }
}

void Layer::setBounds(const cg::Rect& bounds) {
    if (bounds.size != bounds_.size) needsLayout_ = true;
    bounds_ = bounds;
}

cg::Rect Layer::frame() const {
    if (Transform3DIsIdentity(transform_)) {
        return cg::RectMake(position_.x - anchorPoint_.x * bounds_.size.width,
                            position_.y - anchorPoint_.y * bounds_.size.height, bounds_.size.width,
                            bounds_.size.height);
    }
    return cg::RectApplyAffineTransform(bounds_, layerToSuper(bounds_, position_, anchorPoint_, transform_));
}

void Layer::setFrame(const cg::Rect& frame) {
    cg::Rect f = cg::RectStandardize(frame);
    if (Transform3DIsIdentity(transform_)) {
        setBounds({bounds_.origin, f.size});
        position_ = {f.origin.x + anchorPoint_.x * f.size.width, f.origin.y + anchorPoint_.y * f.size.height};
        return;
    }
    // With a transform the platform leaves the result undefined; keep the
    // size and centre the layer on the frame's middle.
    setBounds({bounds_.origin, f.size});
    position_ = {cg::RectGetMidX(f), cg::RectGetMidY(f)};
}

void Layer::setMask(LayerPtr mask) {
    if (mask) mask->detachFromSuperlayer();
    mask_ = std::move(mask);
}

std::size_t Layer::indexOfSublayer(const Layer* layer) const {
    for (std::size_t i = 0; i < sublayers_.size(); ++i)
        if (sublayers_[i].get() == layer) return i;
    return sublayers_.size();
}

void Layer::detachFromSuperlayer() {
    auto parent = superlayer_.lock();
    superlayer_.reset();
    if (!parent) return;
    auto i = parent->indexOfSublayer(this);
    if (i < parent->sublayers_.size()) parent->sublayers_.erase(parent->sublayers_.begin() + static_cast<long>(i));
}

void Layer::addSublayer(const LayerPtr& layer) { insertSublayer(layer, sublayers_.size() + 1); }

void Layer::insertSublayer(const LayerPtr& layer, std::size_t index) {
    if (!layer || layer.get() == this) return;
    LayerPtr keep = layer;
    keep->detachFromSuperlayer();
    index = std::min(index, sublayers_.size());
    sublayers_.insert(sublayers_.begin() + static_cast<long>(index), keep);
    keep->superlayer_ = std::static_pointer_cast<Layer>(shared_from_this());
    needsLayout_ = true;
}

void Layer::insertSublayerBelow(const LayerPtr& layer, const LayerPtr& sibling) {
    if (!layer) return;
    LayerPtr keep = layer;
    keep->detachFromSuperlayer();
    auto i = sibling ? indexOfSublayer(sibling.get()) : 0;
    insertSublayer(keep, i);
}

void Layer::insertSublayerAbove(const LayerPtr& layer, const LayerPtr& sibling) {
    if (!layer) return;
    LayerPtr keep = layer;
    keep->detachFromSuperlayer();
    auto i = sibling ? indexOfSublayer(sibling.get()) : sublayers_.size();
    insertSublayer(keep, i < sublayers_.size() ? i + 1 : sublayers_.size());
}

void Layer::replaceSublayer(const LayerPtr& old, const LayerPtr& replacement) {
    if (!old || !replacement) return;
    auto i = indexOfSublayer(old.get());
    if (i >= sublayers_.size()) return;
    LayerPtr keepOld = old;
    keepOld->detachFromSuperlayer();
    insertSublayer(replacement, i);
}

void Layer::removeFromSuperlayer() {
    LayerPtr keep = std::static_pointer_cast<Layer>(shared_from_this());
    detachFromSuperlayer();
}

void Layer::setSublayers(const std::vector<LayerPtr>& layers) {
    auto old = sublayers_;
    for (auto& l : old) l->detachFromSuperlayer();
    for (auto& l : layers) addSublayer(l);
}

cg::Point Layer::toSuperlayer(const cg::Point& p) const {
    return cg::PointApplyAffineTransform(p, layerToSuper(bounds_, position_, anchorPoint_, transform_));
}

cg::Point Layer::fromSuperlayer(const cg::Point& p) const {
    return cg::PointApplyAffineTransform(
        p, cg::AffineTransformInvert(layerToSuper(bounds_, position_, anchorPoint_, transform_)));
}

cg::Point Layer::toRoot(const cg::Point& p) const {
    cg::Point q = p;
    const Layer* node = this;
    while (auto parent = node->superlayer_.lock()) {
        q = node->toSuperlayer(q);
        node = parent.get();
    }
    return q;
}

cg::Point Layer::fromRoot(const cg::Point& p) const {
    std::vector<const Layer*> chain;
    for (const Layer* n = this; n; n = n->superlayer_.lock().get()) chain.push_back(n);
    cg::Point q = p;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if ((*it)->superlayer_.lock()) q = (*it)->fromSuperlayer(q);
    return q;
}

cg::Point Layer::convertPointToLayer(const cg::Point& p, const LayerPtr& layer) const {
    cg::Point q = toRoot(p);
    return layer ? layer->fromRoot(q) : q;
}

cg::Point Layer::convertPointFromLayer(const cg::Point& p, const LayerPtr& layer) const {
    return fromRoot(layer ? layer->toRoot(p) : p);
}

cg::Rect Layer::convertRectToLayer(const cg::Rect& r, const LayerPtr& layer) const {
    cg::Point a = convertPointToLayer(r.origin, layer);
    cg::Point b = convertPointToLayer({cg::RectGetMaxX(r), cg::RectGetMaxY(r)}, layer);
    cg::Point c = convertPointToLayer({cg::RectGetMaxX(r), r.origin.y}, layer);
    cg::Point d = convertPointToLayer({r.origin.x, cg::RectGetMaxY(r)}, layer);
    double minX = std::min({a.x, b.x, c.x, d.x}), maxX = std::max({a.x, b.x, c.x, d.x});
    double minY = std::min({a.y, b.y, c.y, d.y}), maxY = std::max({a.y, b.y, c.y, d.y});
    return cg::RectMake(minX, minY, maxX - minX, maxY - minY);
}

void Layer::display(const std::shared_ptr<cg::Context>& context) {
    needsDisplay_ = false;
    if (auto d = delegate())
        d->drawLayer(*this, context);
    else
        drawInContext(context);
}

void Layer::drawInContext(const std::shared_ptr<cg::Context>&) {}

void Layer::layoutIfNeeded() {
    if (!needsLayout_) return;
    needsLayout_ = false;
    layoutSublayers();
}

void Layer::layoutSublayers() {
    if (auto d = delegate()) d->layoutSublayersOfLayer(*this);
}

void Layer::notifyStop(Running run, bool finished) {
    if (run.animation->delegate) run.animation->delegate->animationDidStop(run.animation, finished);
    if (run.animation->onStop) run.animation->onStop(finished);
    Transaction::animationStopped(run.groups);
}

void Layer::addAnimation(const AnimationPtr& animation, const std::string& keyIn) {
    if (!animation) return;
    std::string key = keyIn.empty() ? "__anonymous" + std::to_string(nextAnonymousKey_++) : keyIn;
    removeAnimationForKey(key);

    Running run;
    run.key = key;
    run.animation = animation->copy();
    if (run.animation->duration <= 0) run.animation->duration = Transaction::animationDuration();
    const double now = currentMediaTime();
    run.begin = run.animation->beginTime > 0 ? run.animation->beginTime : now;
    run.groups = Transaction::openGroups();
    Transaction::animationAdded(run.groups);

    if (run.animation->delegate) {
        auto a = run.animation;
        ui::mainloop::performAfter(run.begin - now, [a] {
            if (a->delegate) a->delegate->animationDidStart(a);
        });
    }
    if (!run.animation->repeatsForever()) {
        std::weak_ptr<Layer> weak = std::static_pointer_cast<Layer>(shared_from_this());
        AnimationPtr a = run.animation;
        double end = run.begin + run.animation->activeDuration();
        run.endCall = ui::mainloop::performAfter(end - now, [weak, key, a] {
            if (auto layer = weak.lock()) layer->animationReachedEnd(key, a);
        });
    }
    animations_.push_back(std::move(run));
}

void Layer::animationReachedEnd(const std::string& key, const AnimationPtr& animation) {
    auto it = std::find_if(animations_.begin(), animations_.end(),
                           [&](const Running& r) { return r.key == key && r.animation == animation; });
    if (it == animations_.end() || it->ended) return;
    it->ended = true;
    Running run = *it;
    if (run.animation->removedOnCompletion) animations_.erase(it);
    notifyStop(run, true);
}

AnimationPtr Layer::animationForKey(const std::string& key) const {
    for (const auto& r : animations_)
        if (r.key == key) return r.animation;
    return nullptr;
}

std::vector<std::string> Layer::animationKeys() const {
    std::vector<std::string> keys;
    for (const auto& r : animations_) keys.push_back(r.key);
    return keys;
}

double Layer::beginTimeOfAnimation(const std::string& key) const {
    for (const auto& r : animations_)
        if (r.key == key) return r.begin;
    return 0;
}

void Layer::removeAnimationForKey(const std::string& key) {
    auto it = std::find_if(animations_.begin(), animations_.end(), [&](const Running& r) { return r.key == key; });
    if (it == animations_.end()) return;
    Running run = std::move(*it);
    animations_.erase(it);
    ui::mainloop::cancel(run.endCall);
    if (!run.ended) ui::mainloop::performLater([run] { notifyStop(run, false); });
}

void Layer::removeAllAnimations() {
    auto keys = animationKeys();
    for (const auto& k : keys) removeAnimationForKey(k);
}

}  // namespace ca
