// A screen that stands in for one the screen layers have not built yet: it
// names itself, so that a jump to it is visible, and does the little the
// core relies on (the bind screen keeps the error system's earlier handlers
// quiet while it is loaded; the tab screen is found on the stack as the tab
// screen).
#pragma once

#include <memory>
#include <string>

#include "core/app/TAVOTabScreen.h"
#include "platform/ui/ViewController.h"

class TAVOErrorSystemManager;
namespace ui {
class Label;
}

class TAVOInterimScreen : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    static std::shared_ptr<TAVOInterimScreen> create(const std::string& title);

    void viewDidLoad() override;

    const std::string& title() const { return title_; }
    const std::shared_ptr<ui::Label>& titleLabel() const { return titleLabel_; }

protected:
    std::string title_;
    std::shared_ptr<ui::Label> titleLabel_;
};

// The local bind screen: while its view is loaded, the error system's
// earlier handlers are skipped, as the real bind screen does.
class TAVOInterimBindScreen : public TAVOInterimScreen {
public:
    using TAVOInterimScreen::TAVOInterimScreen;
    static std::shared_ptr<TAVOInterimBindScreen> create(bool checkRouterArdoAccount);
    ~TAVOInterimBindScreen() override;

    void viewDidLoad() override;
    bool isCheckRouterArdoAccount() const { return checkRouterArdoAccount_; }

private:
    bool checkRouterArdoAccount_ = false;
    // Kept from loading on, so that freeing the screen at exit still reaches it.
    std::shared_ptr<TAVOErrorSystemManager> errorSystem_;
};

// The main tab screen: one tab, itself.
class TAVOInterimTabScreen : public TAVOInterimScreen, public TAVOTabScreen {
public:
    using TAVOInterimScreen::TAVOInterimScreen;
    static std::shared_ptr<TAVOInterimTabScreen> create();
    std::shared_ptr<ui::ViewController> selectedViewController() const override;
};
