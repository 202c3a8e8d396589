// The core's toast presenter until the screen framework's toast lands: a
// short text in a dark rounded box in the middle of the application window,
// faded in at once and faded out after the delay; the caller hears when it
// has gone. The warning type starts the text with a warning sign.
#pragma once

#include <memory>

#include "core/services/TAVOToastPresenter.h"
#include "platform/ui/Label.h"

class TAVOWindowToastPresenter : public TAVOToastPresenter,
                                 public std::enable_shared_from_this<TAVOWindowToastPresenter> {
public:
    static constexpr double kFadeSeconds = 0.25;

    void showToast(const std::string& text, int type, double hideAfterSeconds,
                   std::function<void()> onHidden) override;

    // The toasts on screen, oldest first.
    const std::vector<std::shared_ptr<ui::Label>>& shownToasts() const { return shown_; }

private:
    void hide(const std::shared_ptr<ui::Label>& toast, const std::function<void()>& onHidden);

    std::vector<std::shared_ptr<ui::Label>> shown_;
};
