// A view putting itself into, or taking itself out of, a stack panel.
#pragma once

#include <memory>

#include "widgets/TAVOStackPanel.h"

void insertToStackPanel(const ui::ViewPtr& view, const std::shared_ptr<TAVOStackPanel>& panel, unsigned index,
                        bool animation);
// Does nothing unless the view's superview is a stack panel.
void removeFromStackPanel(const ui::ViewPtr& view, bool animation);
