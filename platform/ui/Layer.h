// The layer tree: geometry (position, bounds, anchor point, transform),
// the look the program sets (opacity, corner radius, border, shadow,
// background colour, contents image, mask) and the animations attached to
// each layer by key.
//
// Nothing is composited here: the drawing layer walks this tree to render.
// Every view owns one layer (its delegate); programs add their own layers
// beside the views' ones.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Color.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/Transaction.h"
#include "platform/ui/Transform3D.h"

namespace cg {
class Context;  // the drawing context, defined by the drawing layer
class Path;
}  // namespace cg
namespace ui {
class Image;
}

namespace ca {

class Layer;
using LayerPtr = std::shared_ptr<Layer>;

class LayerDelegate {
public:
    virtual ~LayerDelegate() = default;
    // Draws the layer's content into the given drawing context.
    virtual void drawLayer(Layer&, const std::shared_ptr<cg::Context>&) {}
    virtual void layoutSublayersOfLayer(Layer&) {}
};

class Layer : public ns::Object {
public:
    static LayerPtr create() { return LayerPtr(new Layer()); }
    ~Layer() override;

    // Geometry. The frame is derived from bounds, position, anchor point and
    // transform; setting it sets the bounds' size and the position.
    cg::Rect bounds() const { return bounds_; }
    void setBounds(const cg::Rect& bounds);
    cg::Point position() const { return position_; }
    void setPosition(const cg::Point& position) { position_ = position; }
    cg::Point anchorPoint() const { return anchorPoint_; }
    void setAnchorPoint(const cg::Point& anchor) { anchorPoint_ = anchor; }
    double zPosition() const { return zPosition_; }
    void setZPosition(double z) { zPosition_ = z; }
    const Transform3D& transform() const { return transform_; }
    void setTransform(const Transform3D& t) { transform_ = t; }
    cg::AffineTransform affineTransform() const { return Transform3DGetAffineTransform(transform_); }
    void setAffineTransform(const cg::AffineTransform& t) { transform_ = Transform3DMakeAffineTransform(t); }
    cg::Rect frame() const;
    void setFrame(const cg::Rect& frame);

    // Look.
    double opacity() const { return opacity_; }
    void setOpacity(double opacity) { opacity_ = opacity; }
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }
    bool masksToBounds() const { return masksToBounds_; }
    void setMasksToBounds(bool masks) { masksToBounds_ = masks; }
    double cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(double r) { cornerRadius_ = r; }
    double borderWidth() const { return borderWidth_; }
    void setBorderWidth(double w) { borderWidth_ = w; }
    const ui::OptionalColor& borderColor() const { return borderColor_; }
    void setBorderColor(ui::OptionalColor c) { borderColor_ = std::move(c); }
    const ui::OptionalColor& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(ui::OptionalColor c) { backgroundColor_ = std::move(c); }
    const ui::OptionalColor& shadowColor() const { return shadowColor_; }
    void setShadowColor(ui::OptionalColor c) { shadowColor_ = std::move(c); }
    double shadowOpacity() const { return shadowOpacity_; }
    void setShadowOpacity(double o) { shadowOpacity_ = o; }
    cg::Size shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(const cg::Size& s) { shadowOffset_ = s; }
    double shadowRadius() const { return shadowRadius_; }
    void setShadowRadius(double r) { shadowRadius_ = r; }
    const std::shared_ptr<const cg::Path>& shadowPath() const { return shadowPath_; }
    void setShadowPath(std::shared_ptr<const cg::Path> p) { shadowPath_ = std::move(p); }
    const std::shared_ptr<const ui::Image>& contents() const { return contents_; }
    void setContents(std::shared_ptr<const ui::Image> image) { contents_ = std::move(image); }
    const std::string& contentsGravity() const { return contentsGravity_; }
    void setContentsGravity(const std::string& g) { contentsGravity_ = g; }
    double contentsScale() const { return contentsScale_; }
    void setContentsScale(double s) { contentsScale_ = s; }
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool o) { opaque_ = o; }
    const std::string& name() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    bool shouldRasterize() const { return shouldRasterize_; }
    void setShouldRasterize(bool r) { shouldRasterize_ = r; }
    double rasterizationScale() const { return rasterizationScale_; }
    void setRasterizationScale(double s) { rasterizationScale_ = s; }

    // The mask: its alpha limits what this layer shows. A mask has no
    // superlayer of its own.
    const LayerPtr& mask() const { return mask_; }
    void setMask(LayerPtr mask);

    // Tree.
    const std::vector<LayerPtr>& sublayers() const { return sublayers_; }
    LayerPtr superlayer() const { return superlayer_.lock(); }
    void addSublayer(const LayerPtr& layer);
    void insertSublayer(const LayerPtr& layer, std::size_t index);
    void insertSublayerBelow(const LayerPtr& layer, const LayerPtr& sibling);
    void insertSublayerAbove(const LayerPtr& layer, const LayerPtr& sibling);
    void replaceSublayer(const LayerPtr& old, const LayerPtr& replacement);
    void removeFromSuperlayer();
    // Replaces all sublayers at once.
    void setSublayers(const std::vector<LayerPtr>& layers);

    // Conversion between layers of one tree (transforms included).
    cg::Point convertPointToLayer(const cg::Point& p, const LayerPtr& layer) const;
    cg::Point convertPointFromLayer(const cg::Point& p, const LayerPtr& layer) const;
    cg::Rect convertRectToLayer(const cg::Rect& r, const LayerPtr& layer) const;

    // Drawing and layout.
    std::shared_ptr<LayerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<LayerDelegate>& d) { delegate_ = d; }
    void setNeedsDisplay() { needsDisplay_ = true; }
    bool needsDisplay() const { return needsDisplay_; }
    // Draws through the delegate (or drawInContext) and clears the flag.
    void display(const std::shared_ptr<cg::Context>& context);
    virtual void drawInContext(const std::shared_ptr<cg::Context>& context);
    void setNeedsLayout() { needsLayout_ = true; }
    bool needsLayout() const { return needsLayout_; }
    void layoutIfNeeded();
    virtual void layoutSublayers();

    // Animations, by key. Adding copies the animation; a key in use is
    // replaced (the old one stops with finished = false). An empty key gets
    // a unique one.
    void addAnimation(const AnimationPtr& animation, const std::string& key = "");
    AnimationPtr animationForKey(const std::string& key) const;
    std::vector<std::string> animationKeys() const;
    void removeAnimationForKey(const std::string& key);
    void removeAllAnimations();
    // The media time at which the animation under `key` began (0 when none).
    double beginTimeOfAnimation(const std::string& key) const;

protected:
    Layer() = default;

private:
    struct Running {
        std::string key;
        AnimationPtr animation;
        double begin = 0;
        ui::mainloop::Handle endCall = 0;
        bool ended = false;
        Transaction::GroupList groups;
    };
    static void notifyStop(Running run, bool finished);
    void animationReachedEnd(const std::string& key, const AnimationPtr& animation);
    std::size_t indexOfSublayer(const Layer* layer) const;
    void detachFromSuperlayer();
    // This layer's transform-and-position mapping into its superlayer.
    cg::Point toSuperlayer(const cg::Point& p) const;
    cg::Point fromSuperlayer(const cg::Point& p) const;
    cg::Point toRoot(const cg::Point& p) const;
    cg::Point fromRoot(const cg::Point& p) const;

    cg::Rect bounds_;
    cg::Point position_;
    cg::Point anchorPoint_{0.5, 0.5};
    double zPosition_ = 0;
    Transform3D transform_;
    double opacity_ = 1;
    bool hidden_ = false;
    bool masksToBounds_ = false;
    double cornerRadius_ = 0;
    double borderWidth_ = 0;
    ui::OptionalColor borderColor_ = ui::Color::blackColor();
    ui::OptionalColor backgroundColor_;
    ui::OptionalColor shadowColor_ = ui::Color::blackColor();
    double shadowOpacity_ = 0;
    cg::Size shadowOffset_{0, -3};
    double shadowRadius_ = 3;
    std::shared_ptr<const cg::Path> shadowPath_;
    std::shared_ptr<const ui::Image> contents_;
    std::string contentsGravity_ = "resize";
    double contentsScale_ = 1;
    bool opaque_ = false;
    std::string name_;
    bool shouldRasterize_ = false;
    double rasterizationScale_ = 1;
    LayerPtr mask_;
    std::vector<LayerPtr> sublayers_;
    std::weak_ptr<Layer> superlayer_;
    std::weak_ptr<LayerDelegate> delegate_;
    bool needsDisplay_ = false;
    bool needsLayout_ = false;
    std::vector<Running> animations_;
    std::uint64_t nextAnonymousKey_ = 1;
};

}  // namespace ca
