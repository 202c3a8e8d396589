// A popup screen that tells whoever opened it, by class name, that the user
// is closing it: the opener hands over a block and dismisses the popup from
// there, without knowing the screen's class.
#pragma once

#include <functional>

class TAVOWillDismissTaking {
public:
    virtual ~TAVOWillDismissTaking() = default;
    virtual void setWillDismissHandler(std::function<void()> handler) = 0;
};
