// What the tab strip tells its owner: a tab was tapped. The strip does not
// change its own selection; the owner decides.
#pragma once

#include <cstddef>

class TKTabBar;

class TKTabBarDelegate {
public:
    virtual ~TKTabBarDelegate() = default;
    virtual void tabBarDidSelectTabAtIndex(TKTabBar& tabBar, std::size_t index) = 0;
};
