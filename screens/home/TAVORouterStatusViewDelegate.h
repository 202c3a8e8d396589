// Hears the router status view's numbered actions.
#pragma once

class TAVORouterStatusView;

class TAVORouterStatusViewDelegate {
public:
    virtual ~TAVORouterStatusViewDelegate() = default;
    // 0 / 1: the 2.4 GHz / 5 GHz help button; 2: time to ask the router to
    // optimise its channel; 3: the restart is over, watch the promotion;
    // 4: the average speed was tapped; 5: the top speed was tapped.
    virtual void statusView(TAVORouterStatusView& view, int action) = 0;
    // Either button of the breakdown panel, with the error code shown.
    virtual void statusViewBreakdownRecovery(TAVORouterStatusView& view, int errorCode) = 0;
};
