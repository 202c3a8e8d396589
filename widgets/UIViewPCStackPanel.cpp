#include "widgets/UIViewPCStackPanel.h"

void insertToStackPanel(const ui::ViewPtr& view, const std::shared_ptr<TAVOStackPanel>& panel, unsigned index,
                        bool animation) {
    if (panel) panel->insertView(view, index, animation);
}

void removeFromStackPanel(const ui::ViewPtr& view, bool animation) {
    if (!view) return;
    if (auto panel = std::dynamic_pointer_cast<TAVOStackPanel>(view->superview())) panel->removeView(view, animation);
}
