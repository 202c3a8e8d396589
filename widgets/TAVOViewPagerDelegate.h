// Hears which title of a view pager a person chose.
#pragma once

class TAVOViewPager;

class TAVOViewPagerDelegate {
public:
    virtual ~TAVOViewPagerDelegate() = default;
    // Optional: a delegate that does not override it hears nothing.
    virtual void viewPagerDidSelectAtIndex(TAVOViewPager& /*pager*/, long /*index*/) {}
};
