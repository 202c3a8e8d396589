// The screen that showed a help view hears that the user closed it; it
// dismisses the popup holding the view.
#pragma once

class TAVOHelpsView;

class TAVOHelpsViewDelegate {
public:
    virtual ~TAVOHelpsViewDelegate() = default;
    virtual void dismissHelpsView(TAVOHelpsView& view) = 0;
};
