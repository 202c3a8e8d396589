// The first screen until the home screens take over: it tells whether the
// introduction or the start-up view is due and marks start-up as finished,
// as the home screen does, and otherwise shows the product name.
#pragma once

#include <memory>

#include "platform/ui/ViewController.h"

namespace ui {
class Label;
}

class TAVOPlaceholderRootViewController : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    static std::shared_ptr<TAVOPlaceholderRootViewController> create() {
        return ui::ViewController::make<TAVOPlaceholderRootViewController>();
    }

    void viewDidLoad() override;

    // Whether the introduction was due when the screen was loaded.
    bool showedIntroduction() const { return showedIntroduction_; }
    const std::shared_ptr<ui::Label>& titleLabel() const { return titleLabel_; }

private:
    bool showedIntroduction_ = false;
    std::shared_ptr<ui::Label> titleLabel_;
};
