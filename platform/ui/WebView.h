// The web view, without a browser: loads are recorded, kept in a
// back/forward history, and reported to the delegate in the platform's
// order (should-start, then did-start and did-finish or did-fail on later
// turns). Tests decide how each load ends (setLoadOutcome) and can play a
// link tap. A page that finishes loading from HTML text or a local file is
// shown as its readable text (headings, paragraphs, list items; see
// WebPageText); remote pages are not fetched, so they show nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Error.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/WebPageText.h"

namespace ui {

class WebView;

enum class WebViewNavigationType { LinkClicked = 0, FormSubmitted = 1, BackForward = 2, Reload = 3,
                                   FormResubmitted = 4, Other = 5 };

class WebViewDelegate {
public:
    virtual ~WebViewDelegate() = default;
    virtual bool shouldStartLoadWithRequest(WebView&, const std::string& /*url*/, WebViewNavigationType) {
        return true;
    }
    virtual void webViewDidStartLoad(WebView&) {}
    virtual void webViewDidFinishLoad(WebView&) {}
    virtual void didFailLoadWithError(WebView&, const ns::ErrorPtr&) {}
};

class WebView : public View {
public:
    using View::View;
    static std::shared_ptr<WebView> create(const cg::Rect& frame = {}) { return make<WebView>(frame); }

    std::shared_ptr<WebViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<WebViewDelegate>& d) { delegate_ = d; }

    void loadRequest(const std::string& url);
    void loadHTMLString(const std::string& html, const std::string& baseURL);
    void reload();
    void stopLoading();
    void goBack();
    void goForward();
    bool canGoBack() const { return position_ > 0; }
    bool canGoForward() const { return position_ + 1 < history_.size(); }
    bool isLoading() const { return loading_; }
    // The page shown (or loading); empty before the first load.
    std::string currentURL() const;
    const std::string& loadedHTML() const { return html_; }
    // Every load asked for, in order, including refused ones' absence.
    const std::vector<std::string>& loadLog() const { return loads_; }
    bool scalesPageToFit = false;
    const ScrollViewPtr& scrollView() const { return scrollView_; }

    // Tests: how a load of a URL ends (null error: it finishes).
    using Outcome = std::function<ns::ErrorPtr(const std::string& url)>;
    void setLoadOutcome(Outcome outcome) { outcome_ = std::move(outcome); }
    // A link tapped in the page.
    void tapLink(const std::string& url);

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    // The labels of the page shown, top to bottom.
    const std::vector<LabelPtr>& pageLabels() const { return pageLabels_; }

private:
    void showPage(const std::string& url);
    void layoutPage();
    void start(const std::string& url, WebViewNavigationType type, bool addToHistory, std::size_t newPosition);

    std::weak_ptr<WebViewDelegate> delegate_;
    std::vector<std::string> history_;
    std::size_t position_ = 0;
    std::vector<std::string> loads_;
    std::string html_;
    bool loading_ = false;
    std::uint64_t generation_ = 0;
    Outcome outcome_;
    ScrollViewPtr scrollView_;
    std::vector<LabelPtr> pageLabels_;
    std::vector<WebPageBlock::Kind> pageKinds_;  // one for each label
    double laidOutWidth_ = -1;
};

}  // namespace ui
