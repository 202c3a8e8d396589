// Hears the buttons of the breakdown panel.
#pragma once

class TAVORouterBreakdownView;

class TAVORouterBreakdownViewDelegate {
public:
    virtual ~TAVORouterBreakdownViewDelegate() = default;
    // 0: the action button under a fault; 1: the reconnect button.
    virtual void breakdownView(TAVORouterBreakdownView& view, int action) = 0;
};
