#include "platform/ui/ViewController.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/NibRegistry.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"

namespace ui {

ViewController::~ViewController() { mainloop::cancel(pendingPresentationCall_); }

InterfaceOrientation ViewController::interfaceOrientation() const {
    auto app = Application::existing();
    return app ? app->statusBarOrientation() : InterfaceOrientation::Portrait;
}

ViewPtr ViewController::view() {
    if (!view_ && !loadingView_) {
        loadingView_ = true;
        loadView();
        if (!view_) setView(View::create(Screen::mainScreen()->bounds()));
        loadingView_ = false;
        viewDidLoad();
    }
    return view_;
}

void ViewController::setView(const ViewPtr& view) {
    if (view_ && view_ != view) view_->setViewController(nullptr);
    view_ = view;
    if (view_) view_->setViewController(self<ViewController>());
}

void ViewController::loadView() {
    if (!nibName_.empty() && NibRegistry::hasNib(nibName_)) {
        auto objects = NibRegistry::loadNib(nibName_, self<ViewController>());
        if (!view_)
            for (const auto& o : objects)
                if (auto v = std::dynamic_pointer_cast<View>(o)) {
                    setView(v);
                    break;
                }
        if (view_) return;
    }
    setView(View::create(Screen::mainScreen()->bounds()));
}

void ViewController::setTitle(const std::string& title) {
    title_ = title;
    navigationItem_.title = title;
}

// ---- appearance ----

void ViewController::beginAppearanceTransition(bool appearing, bool animated) {
    auto keep = self<ViewController>();
    if (appearing) {
        if (appearance_ == AppearanceState::Appearing || appearance_ == AppearanceState::Appeared) return;
        appearance_ = AppearanceState::Appearing;
        appearanceAnimated_ = animated;
        view();  // appearing needs the view
        viewWillAppear(animated);
    } else {
        if (appearance_ == AppearanceState::Disappearing || appearance_ == AppearanceState::Disappeared) return;
        appearance_ = AppearanceState::Disappearing;
        appearanceAnimated_ = animated;
        viewWillDisappear(animated);
    }
    if (!shouldAutomaticallyForwardAppearanceMethods()) return;
    auto children = children_;
    for (auto& c : children)
        if (c->isViewLoaded() && view_ && c->view_->isDescendantOfView(view_))
            c->beginAppearanceTransition(appearing, animated);
}

void ViewController::endAppearanceTransition() {
    auto keep = self<ViewController>();
    if (appearance_ == AppearanceState::Appearing) {
        appearance_ = AppearanceState::Appeared;
        viewDidAppear(appearanceAnimated_);
        // A screen that has come up may decide the status bar now.
        if (auto app = Application::existing()) app->updateStatusBarAppearance();
    } else if (appearance_ == AppearanceState::Disappearing) {
        appearance_ = AppearanceState::Disappeared;
        viewDidDisappear(appearanceAnimated_);
    } else {
        return;
    }
    if (!shouldAutomaticallyForwardAppearanceMethods()) return;
    auto children = children_;
    for (auto& c : children) c->endAppearanceTransition();
}

void ViewController::rootViewMovedToWindow() {
    auto parent = parent_.lock();
    if (!parent || !parent->shouldAutomaticallyForwardAppearanceMethods()) return;
    auto w = view_ ? view_->window() : nullptr;
    bool onScreen = w && !w->isHidden();
    bool parentShown = parent->appearance_ == AppearanceState::Appeared;
    if (onScreen && parentShown) {
        beginAppearanceTransition(true, false);
        endAppearanceTransition();
    } else if (!onScreen && (appearance_ == AppearanceState::Appeared || appearance_ == AppearanceState::Appearing)) {
        beginAppearanceTransition(false, false);
        endAppearanceTransition();
    }
}

// ---- containment ----

void ViewController::addChildViewController(const std::shared_ptr<ViewController>& child) {
    if (!child || child.get() == this) return;
    if (child->parentViewController().get() == this) return;
    child->removeFromParentViewController();
    child->willMoveToParentViewController(self<ViewController>());
    children_.push_back(child);
    child->parent_ = self<ViewController>();
}

void ViewController::removeFromParentViewController() {
    auto parent = parent_.lock();
    if (!parent) return;
    auto keep = self<ViewController>();
    auto& list = parent->children_;
    list.erase(std::remove(list.begin(), list.end(), keep), list.end());
    parent_.reset();
    didMoveToParentViewController(nullptr);
}

std::shared_ptr<NavigationController> ViewController::navigationController() const {
    for (auto p = parent_.lock(); p; p = p->parent_.lock())
        if (auto nav = std::dynamic_pointer_cast<NavigationController>(p)) return nav;
    if (auto presenter = presenting_.lock()) {
        if (auto nav = std::dynamic_pointer_cast<NavigationController>(presenter)) return nav;
        return presenter->navigationController();
    }
    return nullptr;
}

// ---- presentation ----

void ViewController::finishPendingPresentation() {
    if (!pendingPresentationEnd_) return;
    mainloop::cancel(pendingPresentationCall_);
    auto end = std::move(pendingPresentationEnd_);
    pendingPresentationEnd_ = nullptr;
    end();
}

void ViewController::presentViewController(const std::shared_ptr<ViewController>& controller, bool animated,
                                           std::function<void()> completion) {
    if (!controller) return;
    // The root-most ancestor presents (it covers the whole window).
    auto host = self<ViewController>();
    while (auto p = host->parent_.lock()) host = p;
    // Presenting over an existing presentation: the top one presents.
    while (host->presented_) host = host->presented_;
    host->finishPendingPresentation();
    if (controller->presenting_.lock()) return;  // already presented elsewhere

    auto v = host->isViewLoaded() ? host->view() : nullptr;
    auto window = v ? v->window() : nullptr;
    if (!window) window = Application::sharedApplication()->keyWindow();
    host->presented_ = controller;
    controller->presenting_ = host;
    controller->beingPresented_ = true;

    auto pv = controller->view();
    pv->setFrame(window ? window->bounds() : Screen::mainScreen()->bounds());
    const bool hostShown = host->appearance_ == AppearanceState::Appeared;
    controller->beginAppearanceTransition(true, animated);
    if (hostShown) host->beginAppearanceTransition(false, animated);
    if (window) window->addSubview(pv);

    auto end = [host, controller, completion, hostShown]() {
        controller->beingPresented_ = false;
        if (hostShown) host->endAppearanceTransition();
        controller->endAppearanceTransition();
        if (completion) mainloop::performLater(completion);
    };
    if (animated) {
        host->pendingPresentationEnd_ = end;
        std::weak_ptr<ViewController> weakHost = host;
        host->pendingPresentationCall_ = mainloop::performAfter(kTransitionDuration, [weakHost] {
            if (auto h = weakHost.lock()) h->finishPendingPresentation();
        });
    } else {
        end();
    }
}

std::shared_ptr<ViewController> ViewController::presentedViewController() const {
    if (presented_) return presented_;
    auto top = parent_.lock();
    if (!top) return nullptr;
    while (auto p = top->parent_.lock()) top = p;
    return top->presented_;
}

void ViewController::dismissViewControllerAnimated(bool animated, std::function<void()> completion) {
    auto host = self<ViewController>();
    if (!presentedViewController()) {
        // Not presenting (nor its root-most ancestor on its behalf): the
        // presenter of this one (or of an ancestor) dismisses it.
        std::shared_ptr<ViewController> node = host;
        while (node && !node->presenting_.lock()) node = node->parent_.lock();
        if (!node) {
            if (completion) mainloop::performLater(completion);
            return;
        }
        return node->presenting_.lock()->dismissViewControllerAnimated(animated, std::move(completion));
    }
    while (auto p = host->parent_.lock()) host = p;
    if (!host->presented_) host = self<ViewController>();
    host->finishPendingPresentation();
    auto controller = host->presented_;
    if (!controller) return;
    // Whatever the presented one presents goes too.
    if (controller->presented_) {
        controller->finishPendingPresentation();
        auto top = controller->presented_;
        top->beginAppearanceTransition(false, false);
        if (top->isViewLoaded()) top->view()->removeFromSuperview();
        top->endAppearanceTransition();
        top->presenting_.reset();
        controller->presented_.reset();
    }
    controller->beingDismissed_ = true;
    const bool hostWasCovered = host->isViewLoaded() && host->view()->window();
    controller->beginAppearanceTransition(false, animated);
    if (hostWasCovered) host->beginAppearanceTransition(true, animated);
    if (controller->isViewLoaded()) controller->view()->removeFromSuperview();
    host->presented_.reset();
    controller->presenting_.reset();

    auto end = [host, controller, completion, hostWasCovered]() {
        controller->beingDismissed_ = false;
        controller->endAppearanceTransition();
        if (hostWasCovered) host->endAppearanceTransition();
        // The screen uncovered decides the status bar again.
        if (auto app = Application::existing()) app->updateStatusBarAppearance();
        if (completion) mainloop::performLater(completion);
    };
    if (animated) {
        host->pendingPresentationEnd_ = end;
        std::weak_ptr<ViewController> weakHost = host;
        host->pendingPresentationCall_ = mainloop::performAfter(kTransitionDuration, [weakHost] {
            if (auto h = weakHost.lock()) h->finishPendingPresentation();
        });
    } else {
        end();
    }
}

namespace {

ViewController::StatusBarHiddenAnswer& defaultStatusBarHiddenAnswer() {
    static ViewController::StatusBarHiddenAnswer answer;
    return answer;
}

}  // namespace

bool ViewController::prefersStatusBarHidden() const {
    const auto& answer = defaultStatusBarHiddenAnswer();
    return answer ? answer(*this) : false;
}

void ViewController::setDefaultPrefersStatusBarHidden(StatusBarHiddenAnswer answer) {
    defaultStatusBarHiddenAnswer() = std::move(answer);
}

void ViewController::setNeedsStatusBarAppearanceUpdate() {
    Application::sharedApplication()->updateStatusBarAppearance();
}

std::shared_ptr<Responder> ViewController::nextResponder() const {
    if (view_)
        if (auto s = view_->superview()) return s;
    return parent_.lock();
}

}  // namespace ui
