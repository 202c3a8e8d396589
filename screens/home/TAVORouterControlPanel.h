// The strip of feature buttons along the bottom of the Wi-Fi dashboard: it
// owns the controls the dashboard hands it and lays the first five of them
// out side by side in equal cells, 5 points in from the left edge. Controls
// after the fifth stay subviews where they are.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/View.h"

class TAVORouterControlPanel : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVORouterControlPanel> create(const cg::Rect& frame = {}) {
        return make<TAVORouterControlPanel>(frame);
    }

    static constexpr std::size_t kMaxPlacedControls = 5;
    // Left inset of the first cell; the strip keeps as much free in all.
    static constexpr double kSideInset = 5;

    const std::vector<ui::ViewPtr>& controls() const { return controls_; }
    // Replaces the controls: the old ones leave the panel, the new ones are
    // added in order and laid out on the next layout pass.
    void setControls(const std::vector<ui::ViewPtr>& controls);

    // The width of one cell for a panel width and a control count: whole
    // points; 0 for a panel narrower than its insets.
    static unsigned cellWidth(double panelWidth, std::size_t controlCount);

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    std::vector<ui::ViewPtr> controls_;
};

using TAVORouterControlPanelPtr = std::shared_ptr<TAVORouterControlPanel>;
