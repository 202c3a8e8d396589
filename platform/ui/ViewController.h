// The view controller: owns a screen's view (built lazily by loadView or
// by a builder of the nib registry), hears the appearance calls, holds
// child controllers, presents and dismisses other controllers, and answers
// the status-bar and rotation questions.
//
// Create controllers with ViewController::make<T>(nibName): the object is
// built first, then initWithNibName runs (override it to pick a nib). Only
// make holds the key the constructor takes; a subclass takes the constructor
// over with `using Base::Base;`.
//
// Appearance calls: viewWillAppear / viewDidAppear / viewWillDisappear /
// viewDidDisappear come from whoever shows the controller (a window, a
// navigation controller, a presentation) and are forwarded to the child
// controllers whose views are inside this one's view. A child whose view
// enters or leaves the window while its parent is on screen hears them on
// its own.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Device.h"
#include "platform/ui/NavigationItem.h"
#include "platform/ui/Responder.h"
#include "platform/ui/View.h"

namespace ui {

class NavigationController;

enum class StatusBarStyle { Default = 0, LightContent = 1 };

class ViewController : public Responder {
public:
    // Held only by make, so that no controller skips initWithNibName.
    class FactoryKey {
        FactoryKey() = default;
        friend class ViewController;
    };

    template <class T = ViewController>
    static std::shared_ptr<T> make(const std::string& nibName = "") {
        auto vc = std::shared_ptr<T>(new T(FactoryKey{}));
        vc->initWithNibName(nibName);
        return vc;
    }
    static std::shared_ptr<ViewController> create() { return make<ViewController>(); }

    // How long animated presentations and navigation transitions take.
    static constexpr double kTransitionDuration = 0.35;

    explicit ViewController(FactoryKey) {}
    ~ViewController() override;

    virtual void initWithNibName(const std::string& nibName) { nibName_ = nibName; }
    const std::string& nibName() const { return nibName_; }

    // The view, loaded on first use (loadView, then viewDidLoad).
    ViewPtr view();
    bool isViewLoaded() const { return view_ != nullptr; }
    void setView(const ViewPtr& view);
    // Builds the view: from the nib registry when a nib name is set and
    // registered, else a plain view as large as the screen.
    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool /*animated*/) {}
    virtual void viewDidAppear(bool /*animated*/) {}
    virtual void viewWillDisappear(bool /*animated*/) {}
    virtual void viewDidDisappear(bool /*animated*/) {}
    virtual void didReceiveMemoryWarning() {}

    enum class AppearanceState { Disappeared, Appearing, Appeared, Disappearing };
    AppearanceState appearanceState() const { return appearance_; }
    bool isVisible() const { return appearance_ == AppearanceState::Appeared; }
    // Starts and ends an appearance change (calls the hooks, forwards to
    // the children). Repeated calls in the same direction are ignored.
    void beginAppearanceTransition(bool appearing, bool animated);
    void endAppearanceTransition();
    virtual bool shouldAutomaticallyForwardAppearanceMethods() const { return true; }

    const std::string& title() const { return title_; }
    virtual void setTitle(const std::string& title);
    NavigationItem& navigationItem() { return navigationItem_; }

    // Containment.
    void addChildViewController(const std::shared_ptr<ViewController>& child);
    void removeFromParentViewController();
    const std::vector<std::shared_ptr<ViewController>>& childViewControllers() const { return children_; }
    std::shared_ptr<ViewController> parentViewController() const { return parent_.lock(); }
    virtual void willMoveToParentViewController(const std::shared_ptr<ViewController>&) {}
    virtual void didMoveToParentViewController(const std::shared_ptr<ViewController>&) {}
    // The nearest navigation controller among the ancestors (the presenting
    // one's for a presented controller that has none).
    std::shared_ptr<NavigationController> navigationController() const;

    // Presentation: the presented controller's view covers the window. The
    // completion runs on a later turn after the appearance calls ended
    // (after kTransitionDuration when animated).
    void presentViewController(const std::shared_ptr<ViewController>& controller, bool animated,
                               std::function<void()> completion = nullptr);
    // Dismisses what this controller presents, or this one when it is
    // itself presented.
    void dismissViewControllerAnimated(bool animated, std::function<void()> completion = nullptr);
    // What this controller presents, or what its root-most ancestor
    // presents on its behalf (presentations are hosted there).
    std::shared_ptr<ViewController> presentedViewController() const;
    std::shared_ptr<ViewController> presentingViewController() const { return presenting_.lock(); }
    int modalTransitionStyle = 0;
    int modalPresentationStyle = 0;

    // Status bar and rotation.
    virtual StatusBarStyle preferredStatusBarStyle() const { return StatusBarStyle::Default; }
    // A class that does not decide for itself answers with the default
    // answer, which a module extending every controller may install (a
    // popup helper hides the bar while its popup is up); NO without one.
    virtual bool prefersStatusBarHidden() const;
    using StatusBarHiddenAnswer = std::function<bool(const ViewController&)>;
    static void setDefaultPrefersStatusBarHidden(StatusBarHiddenAnswer answer);
    // Asks the application to take the status bar's look again from the
    // controller that decides it (Application::updateStatusBarAppearance).
    void setNeedsStatusBarAppearanceUpdate();
    // A child that decides the style or the hidden state in this
    // controller's place; none by default.
    virtual std::shared_ptr<ViewController> childViewControllerForStatusBarStyle() const { return nullptr; }
    virtual std::shared_ptr<ViewController> childViewControllerForStatusBarHidden() const { return nullptr; }
    virtual bool shouldAutorotate() const { return true; }
    virtual unsigned supportedInterfaceOrientations() const { return 1u << 1; }  // portrait
    virtual bool shouldAutorotateToInterfaceOrientation(InterfaceOrientation o) const {
        return o == InterfaceOrientation::Portrait;
    }
    virtual void willRotateToInterfaceOrientation(InterfaceOrientation, double /*duration*/) {}
    virtual void willAnimateRotationToInterfaceOrientation(InterfaceOrientation, double /*duration*/) {}
    virtual void didRotateFromInterfaceOrientation(InterfaceOrientation) {}
    // The interface's orientation: the status bar's.
    InterfaceOrientation interfaceOrientation() const;

    bool hidesBottomBarWhenPushed = false;
    bool wantsFullScreenLayout = false;
    bool automaticallyAdjustsScrollViewInsets = true;

    std::shared_ptr<Responder> nextResponder() const override;
    bool isBeingPresented() const { return beingPresented_; }
    bool isBeingDismissed() const { return beingDismissed_; }

    // Called by the root view when it enters or leaves a window.
    void rootViewMovedToWindow();

protected:
    // Finishes a running animated presentation or dismissal at once.
    void finishPendingPresentation();

private:
    friend class NavigationController;
    void setParent(const std::shared_ptr<ViewController>& parent) { parent_ = parent; }

    std::string nibName_;
    std::string title_;
    NavigationItem navigationItem_;
    ViewPtr view_;
    bool loadingView_ = false;
    AppearanceState appearance_ = AppearanceState::Disappeared;
    bool appearanceAnimated_ = false;
    std::vector<std::shared_ptr<ViewController>> children_;
    std::weak_ptr<ViewController> parent_;
    std::shared_ptr<ViewController> presented_;
    std::weak_ptr<ViewController> presenting_;
    bool beingPresented_ = false;
    bool beingDismissed_ = false;
    std::function<void()> pendingPresentationEnd_;
    std::uint64_t pendingPresentationCall_ = 0;
};

using ViewControllerPtr = std::shared_ptr<ViewController>;

}  // namespace ui
