// The tab strip: lays its tabs out side by side with one-point separators,
// draws its background (unless it shows a background image) and tells its
// delegate which tab was tapped. Selecting a tab is the owner's call
// (setSelectedTab), never the strip's own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "uikit/TKTabBarDelegate.h"

class TKTab;

class TKTabBar : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TKTabBar> create(const cg::Rect& frame) { return make<TKTabBar>(frame); }
    static constexpr const char* kDefaultBackgroundImageName = "TKTabBarController.bundle/noise-pattern";

    const std::vector<std::shared_ptr<TKTab>>& tabs() const { return tabs_; }
    void setTabs(const std::vector<std::shared_ptr<TKTab>>& tabs);
    const std::shared_ptr<TKTab>& selectedTab() const { return selectedTab_; }
    void setSelectedTab(const std::shared_ptr<TKTab>& tab);

    std::shared_ptr<TKTabBarDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TKTabBarDelegate>& delegate) { delegate_ = delegate; }

    // The top edge line and the separators between tabs.
    const ui::Color& edgeColor() const { return edgeColor_; }
    void setEdgeColor(const ui::OptionalColor& color);
    // The background gradient's two colours; none: the default grey.
    const std::vector<cg::ColorPtr>& tabColors() const { return tabColors_; }
    void setTabColors(const std::vector<cg::ColorPtr>& colors) {
        setProperty(tabColors_, colors, ui::PropertyEffectsDisplay);
    }
    // The pattern under the gradient; empty: the noise pattern.
    const std::string& backgroundImageName() const { return backgroundImageName_; }
    void setBackgroundImageName(const std::string& name) {
        setProperty(backgroundImageName_, name, ui::PropertyEffectsDisplay);
    }
    // Shown instead of anything drawn.
    const ui::ImagePtr& backgroundImage() const { return backgroundImage_; }
    void setBackgroundImage(const ui::ImagePtr& image);
    const ui::ImageViewPtr& bgImageView() const { return bgImageView_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    void drawRect(const cg::Rect& rect) override;

private:
    void tabSelected(ui::Control& tab);

    std::vector<std::shared_ptr<TKTab>> tabs_;
    std::shared_ptr<TKTab> selectedTab_;
    std::weak_ptr<TKTabBarDelegate> delegate_;
    ui::Color edgeColor_ = ui::Color::rgba(0.1, 0.1, 0.1, 0.8);
    std::vector<cg::ColorPtr> tabColors_;
    std::string backgroundImageName_;
    ui::ImagePtr backgroundImage_;
    ui::ImageViewPtr bgImageView_;
};

using TKTabBarPtr = std::shared_ptr<TKTabBar>;
