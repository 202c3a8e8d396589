// The alert kit's class-wide state: the queue of alerts, the current alert,
// the animating flag and the dimming window behind the alerts. One for the
// whole application, touched only on the main thread; MAAlertView's class
// operations reach it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "uikit/MAAlertBackgroundWindow.h"

class MAAlertView;

class MAAlertQueue {
public:
    static MAAlertQueue& shared();

    // Held strongly, oldest first.
    std::vector<std::shared_ptr<MAAlertView>> alerts;
    // The alert the show sequence last started, until its dismissal ends.
    std::shared_ptr<MAAlertView> current;
    bool animating = false;

    bool contains(const MAAlertView& alert) const;
    void remove(const MAAlertView& alert);

    // Fades the dimming window in (made with the style) unless it is up; a
    // window fading out fades back in and stays.
    void showBackground(int style);
    void hideBackground(bool animated);
    const MAAlertBackgroundWindowPtr& background() const { return background_; }

private:
    void removeBackground();

    MAAlertBackgroundWindowPtr background_;
    // The fade-out under way (0: none); a newer fade in or out supersedes it.
    std::uint64_t fadeOut_ = 0;
    std::uint64_t fades_ = 0;
};
