// One tab of the strip: a background image per state, an icon per state,
// a title below it and an optional badge image beside the icon. A tab
// without an icon image draws itself instead (a gradient-filled mask of its
// artwork, with a glow and a gloss when selected).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/ui/Control.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

class TKTab : public ui::Control {
public:
    using ui::Control::Control;
    static std::shared_ptr<TKTab> create() { return make<TKTab>(); }

    // The badge (the dashboard marks the first tab with "bg_indicator");
    // none removes it.
    const ui::ImagePtr& indicatorImage() const { return indicatorImage_; }
    void setIndicatorImage(const ui::ImagePtr& image);
    // The icon; shown at once.
    const ui::ImagePtr& tabImage() const { return tabImage_; }
    void setTabImage(const ui::ImagePtr& image);
    const ui::ImagePtr& tabSelectedImage() const { return tabSelectedImage_; }
    void setTabSelectedImage(const ui::ImagePtr& image) { tabSelectedImage_ = image; }
    // The artwork of the drawn look.
    const std::string& tabImageWithName() const { return tabImageWithName_; }
    void setTabImageWithName(const std::string& name) {
        setProperty(tabImageWithName_, name, ui::PropertyEffectsDisplay);
    }
    const std::string& backgroundImageName() const { return backgroundImageName_; }
    void setBackgroundImageName(const std::string& name) { backgroundImageName_ = name; }
    const std::string& selectedBackgroundImageName() const { return selectedBackgroundImageName_; }
    void setSelectedBackgroundImageName(const std::string& name) { selectedBackgroundImageName_ = name; }
    const ui::OptionalColor& textColor() const { return textColor_; }
    // Also the title's colour at once.
    void setTextColor(const ui::OptionalColor& color);
    const ui::OptionalColor& selectedTextColor() const { return selectedTextColor_; }
    void setSelectedTextColor(const ui::OptionalColor& color) { selectedTextColor_ = color; }
    const std::string& tabTitle() const { return tabTitle_; }
    // Also the title label's text.
    void setTabTitle(const std::string& title);

    // The drawn look's colours: pairs of drawing colours, none for the
    // defaults.
    const std::vector<cg::ColorPtr>& tabIconColors() const { return tabIconColors_; }
    void setTabIconColors(const std::vector<cg::ColorPtr>& colors) {
        setProperty(tabIconColors_, colors, ui::PropertyEffectsDisplay);
    }
    const std::vector<cg::ColorPtr>& tabIconColorsSelected() const { return tabIconColorsSelected_; }
    void setTabIconColorsSelected(const std::vector<cg::ColorPtr>& colors) {
        setProperty(tabIconColorsSelected_, colors, ui::PropertyEffectsDisplay);
    }
    const std::vector<cg::ColorPtr>& tabSelectedColors() const { return tabSelectedColors_; }
    void setTabSelectedColors(const std::vector<cg::ColorPtr>& colors) {
        setProperty(tabSelectedColors_, colors, ui::PropertyEffectsDisplay);
    }
    bool glossyIsHidden() const { return glossyIsHidden_; }
    void setGlossyIsHidden(bool hidden) { setProperty(glossyIsHidden_, hidden, ui::PropertyEffectsDisplay); }
    const ui::OptionalColor& strokeColor() const { return strokeColor_; }
    void setStrokeColor(const ui::OptionalColor& color) { setProperty(strokeColor_, color, ui::PropertyEffectsDisplay); }
    const ui::OptionalColor& edgeColor() const { return edgeColor_; }
    void setEdgeColor(const ui::OptionalColor& color) { setProperty(edgeColor_, color, ui::PropertyEffectsDisplay); }
    const ui::OptionalColor& selectedEdgeColor() const { return selectedEdgeColor_; }
    void setSelectedEdgeColor(const ui::OptionalColor& color) { selectedEdgeColor_ = color; }
    double tabBarHeight() const { return tabBarHeight_; }
    void setTabBarHeight(double height) { setProperty(tabBarHeight_, height, ui::PropertyEffectsDisplay); }
    double minimumHeightToDisplayTitle() const { return minimumHeightToDisplayTitle_; }
    void setMinimumHeightToDisplayTitle(double height) {
        setProperty(minimumHeightToDisplayTitle_, height, ui::PropertyEffectsDisplay | ui::PropertyEffectsLayout);
    }
    bool titleIsHidden() const { return titleIsHidden_; }
    void setTitleIsHidden(bool hidden) {
        setProperty(titleIsHidden_, hidden, ui::PropertyEffectsDisplay | ui::PropertyEffectsLayout);
    }

    const ui::ImageViewPtr& bgImageView() const { return bgImageView_; }
    const ui::ImageViewPtr& iconView() const { return iconView_; }
    // Null while the tab has no badge.
    const ui::ImageViewPtr& indicatorView() const { return indicatorView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }

    // Shows the selected or the normal title colour, icon and background.
    void setSelected(bool selected) override;

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    // Only tabs without an icon image draw.
    void drawRect(const cg::Rect& rect) override;

private:
    struct DrawnLayout;
    DrawnLayout drawnLayout(const cg::Rect& rect) const;
    void drawNormalLook(cg::Context& context, const cg::Rect& rect, const DrawnLayout& layout) const;
    void drawSelectedLook(cg::Context& context, const cg::Rect& rect, const DrawnLayout& layout) const;
    void drawTitle(cg::Context& context, const DrawnLayout& layout, const ui::Color& color) const;

    ui::ImagePtr indicatorImage_;
    ui::ImagePtr tabImage_;
    ui::ImagePtr tabSelectedImage_;
    std::string tabImageWithName_;
    std::string backgroundImageName_;
    std::string selectedBackgroundImageName_;
    ui::OptionalColor textColor_;
    ui::OptionalColor selectedTextColor_;
    std::string tabTitle_;
    std::vector<cg::ColorPtr> tabIconColors_;
    std::vector<cg::ColorPtr> tabIconColorsSelected_;
    std::vector<cg::ColorPtr> tabSelectedColors_;
    bool glossyIsHidden_ = false;
    ui::OptionalColor strokeColor_;
    ui::OptionalColor edgeColor_;
    ui::OptionalColor selectedEdgeColor_;
    double tabBarHeight_ = 0;
    double minimumHeightToDisplayTitle_ = 0;
    bool titleIsHidden_ = false;
    ui::ImageViewPtr bgImageView_;
    ui::ImageViewPtr iconView_;
    ui::ImageViewPtr indicatorView_;
    ui::LabelPtr titleLabel_;
};

using TKTabPtr = std::shared_ptr<TKTab>;
