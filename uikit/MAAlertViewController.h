// The root controller of an alert's window: its view is the alert itself.
// While the alert is up it answers rotation and status-bar questions on
// behalf of the screen underneath (the window that was key at the show).
#pragma once

#include <memory>

#include "platform/ui/ViewController.h"

class MAAlertView;

class MAAlertViewController : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    // Every orientation, when no screen underneath says otherwise.
    static constexpr unsigned kAllOrientations = 30;

    static std::shared_ptr<MAAlertViewController> create(const std::shared_ptr<MAAlertView>& alertView);

    const std::shared_ptr<MAAlertView>& alertView() const { return alertView_; }
    void setAlertView(const std::shared_ptr<MAAlertView>& alertView) { alertView_ = alertView; }

    void loadView() override;
    void viewDidLoad() override;

    unsigned supportedInterfaceOrientations() const override;
    bool shouldAutorotate() const override;
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const override;
    ui::StatusBarStyle preferredStatusBarStyle() const override;
    bool prefersStatusBarHidden() const override;
    void willRotateToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) override;
    void willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) override;

private:
    // The screen underneath: the current controller of the old key window.
    ui::ViewControllerPtr screenUnderneath() const;
    // The old key window, or the application's first window.
    std::shared_ptr<ui::Window> windowUnderneath() const;

    std::shared_ptr<MAAlertView> alertView_;
};
