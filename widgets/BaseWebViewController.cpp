#include "widgets/BaseWebViewController.h"

#include "net/reachability/Reachability.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/NavigationController.h"

BaseWebViewController::~BaseWebViewController() {
    if (activityIndicator_) {
        activityIndicator_->stopAnimating();
        activityIndicator_->removeFromSuperview();
    }
    if (vWeb_) {
        vWeb_->stopLoading();
        vWeb_->setDelegate(nullptr);
    }
}

void BaseWebViewController::initWithNibName(const std::string& nibName) {
    ui::ViewController::initWithNibName(nibName);
    vWeb_ = BaseWebView::create(cg::RectZero);
}

void BaseWebViewController::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    const auto view = this->view();
    auto navigation = navigationController();

    navBar_ = createNavBar();
    if (navBar_) {
        if (navigation) navigation->setNavigationBarHidden(true);
        view->addSubview(navBar_);
        if (auto bar = std::dynamic_pointer_cast<ui::NavigationBar>(navBar_))
            bar->setTopItemTitle(viewControllerTitle_);
    } else if (navigation && !navigation->isNavigationBarHidden()) {
        navBar_ = navigation->navigationBar();
    }

    const cg::Rect bounds = view->bounds();
    cg::Rect webFrame = bounds;
    if (navBar_) {
        const cg::Rect bar = navBar_->frame();
        webFrame = cg::RectMake(bounds.origin.x, bar.origin.y + bar.size.height, bounds.size.width,
                                bounds.size.height - bar.size.height);
    }
    vWeb_->setFrame(webFrame);
    vWeb_->setAutoresizingMask(ui::ViewAutoresizingFlexibleLeftMargin | ui::ViewAutoresizingFlexibleTopMargin);
    vWeb_->scalesPageToFit = true;
    vWeb_->setDelegate(self<BaseWebViewController>());
    view->addSubview(vWeb_);

    activityIndicator_ = ui::ActivityIndicatorView::createWithStyle(ui::ActivityIndicatorViewStyle::White);
    const double barWidth = navBar_ ? navBar_->frame().size.width : 0;
    activityIndicator_->setFrame(cg::RectMake(barWidth - kSpinnerSize, kSpinnerTop, kSpinnerSize, kSpinnerSize));
    if (navBar_) {
        navBar_->addSubview(activityIndicator_);
    } else {
        activityIndicator_->setCenter(cg::Point{bounds.origin.x + bounds.size.width / 2,
                                                bounds.origin.y + bounds.size.height / 2});
        view->addSubview(activityIndicator_);
    }
    activityIndicator_->setHidesWhenStopped(true);
}

void BaseWebViewController::viewDidAppear(bool animated) {
    ui::ViewController::viewDidAppear(animated);
    if (isReachable()) {
        vWeb_->loadRequest(url_);
        return;
    }
    exitTimer_.start(kExitDelayWhenUnreachable, false, [this] { viewControllerExit(); });
}

bool BaseWebViewController::isReachable() const {
    auto reachability = Reachability::reachabilityForInternetConnection();
    return reachability && reachability->currentReachabilityStatus() != NotReachable;
}

void BaseWebViewController::onNavigateBack() {
    if (vWeb_->canGoBack())
        vWeb_->goBack();
    else
        viewControllerExit();
}

void BaseWebViewController::onForward() {
    if (vWeb_->canGoForward())
        vWeb_->goForward();
    else if (nextButton_)
        nextButton_->setEnabled(false);
}

void BaseWebViewController::onRefresh() {
    // A failed page has nothing to reload: ask for the address afresh.
    if (isErrorWeb_)
        vWeb_->loadRequest(url_);
    else
        vWeb_->reload();
}

bool BaseWebViewController::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const {
    return orientation == ui::InterfaceOrientation::Portrait;
}

bool BaseWebViewController::shouldStartLoadWithRequest(ui::WebView&, const std::string& url,
                                                       ui::WebViewNavigationType) {
    url_ = url;
    isErrorWeb_ = false;
    return true;
}

void BaseWebViewController::webViewDidStartLoad(ui::WebView&) {
    if (activityIndicator_) activityIndicator_->startAnimating();
}

void BaseWebViewController::webViewDidFinishLoad(ui::WebView& webView) { loadEnded(webView); }

void BaseWebViewController::didFailLoadWithError(ui::WebView& webView, const ns::ErrorPtr&) {
    loadEnded(webView);
    isErrorWeb_ = true;
}

void BaseWebViewController::loadEnded(ui::WebView& webView) {
    if (activityIndicator_) activityIndicator_->stopAnimating();
    if (nextButton_) nextButton_->setEnabled(webView.canGoForward());
}
