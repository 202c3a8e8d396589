// A base screen that shows one web address under a navigation bar, with a
// spinner while pages load and actions for back, forward and refresh
// buttons. Subclasses supply their own bar (createNavBar) and what leaving
// means (viewControllerExit). Without an internet connection it loads
// nothing and leaves 2 s after appearing. Load failures show no message.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ViewController.h"
#include "widgets/BaseWebView.h"

class BaseWebViewController : public ui::ViewController, public ui::WebViewDelegate {
public:
    using ui::ViewController::ViewController;
    static std::shared_ptr<BaseWebViewController> create() { return make<BaseWebViewController>(); }
    ~BaseWebViewController() override;

    static constexpr double kExitDelayWhenUnreachable = 2.0;
    static constexpr double kSpinnerSize = 30;
    static constexpr double kSpinnerTop = 7;

    // The base's, then the web view (with a zero frame until the view loads).
    void initWithNibName(const std::string& nibName) override;

    // The address to load; follows every page the web view starts to load.
    const std::string& url() const { return url_; }
    void setUrl(const std::string& url) { url_ = url; }
    // The title of a bar the screen supplies.
    const std::string& viewControllerTitle() const { return viewControllerTitle_; }
    void setViewControllerTitle(const std::string& title) { viewControllerTitle_ = title; }

    const BaseWebViewPtr& vWeb() const { return vWeb_; }
    // The supplied bar, else the navigation controller's bar while it shows.
    const ui::ViewPtr& navBar() const { return navBar_; }
    const std::shared_ptr<ui::ActivityIndicatorView>& activityIndicator() const { return activityIndicator_; }
    // Set by subclasses; never made here.
    const ui::ButtonPtr& nextButton() const { return nextButton_; }
    void setNextButton(const ui::ButtonPtr& button) { nextButton_ = button; }
    const ui::ButtonPtr& refreshButton() const { return refreshButton_; }
    void setRefreshButton(const ui::ButtonPtr& button) { refreshButton_ = button; }
    // After a failed load, until the next load starts.
    bool isErrorWeb() const { return isErrorWeb_; }

    // Hooks: the screen's own bar (none here; a ui::NavigationBar gets the
    // title), and how the screen leaves (nothing here).
    virtual ui::ViewPtr createNavBar() { return nullptr; }
    virtual void viewControllerExit() {}

    bool isReachable() const;

    // Button actions.
    void onNavigateBack();
    void onForward();
    void onRefresh();

    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const override;

    bool shouldStartLoadWithRequest(ui::WebView& webView, const std::string& url,
                                    ui::WebViewNavigationType type) override;
    void webViewDidStartLoad(ui::WebView& webView) override;
    void webViewDidFinishLoad(ui::WebView& webView) override;
    void didFailLoadWithError(ui::WebView& webView, const ns::ErrorPtr& error) override;

private:
    void loadEnded(ui::WebView& webView);

    std::string url_;
    std::string viewControllerTitle_;
    BaseWebViewPtr vWeb_;
    ui::ViewPtr navBar_;
    std::shared_ptr<ui::ActivityIndicatorView> activityIndicator_;
    ui::ButtonPtr nextButton_;
    ui::ButtonPtr refreshButton_;
    bool isErrorWeb_ = false;
    ns::ScopedTimer exitTimer_;
};

using BaseWebViewControllerPtr = std::shared_ptr<BaseWebViewController>;
