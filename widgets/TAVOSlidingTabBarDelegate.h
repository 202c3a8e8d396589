// Hears taps on the sliding tabs' bar; the bar never selects by itself.
#pragma once

class TAVOSlidingTabBar;

class TAVOSlidingTabBarDelegate {
public:
    virtual ~TAVOSlidingTabBarDelegate() = default;
    virtual void tabBarDidSelectItemAtIndex(TAVOSlidingTabBar& bar, int index) = 0;
};
