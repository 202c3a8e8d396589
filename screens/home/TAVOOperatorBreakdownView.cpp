#include "screens/home/TAVOOperatorBreakdownView.h"

#include "platform/foundation/Format.h"
#include "platform/ui/Application.h"

void TAVOOperatorBreakdownView::call(ui::Control& sender) {
    auto* button = dynamic_cast<ui::Button*>(&sender);
    if (!button) return;
    if (auto app = ui::Application::existing()) app->openURL(ns::format("tel://%@", button->currentTitle()));
}
