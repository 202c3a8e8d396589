#include "platform/ui/WebView.h"

#include "platform/ui/MainLoop.h"

namespace ui {

void WebView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    scrollView_ = ScrollView::create(bounds());
    scrollView_->setAutoresizingMask(ViewAutoresizingFlexibleWidth | ViewAutoresizingFlexibleHeight);
    addSubview(scrollView_);
}

std::string WebView::currentURL() const { return history_.empty() ? "" : history_[position_]; }

void WebView::start(const std::string& url, WebViewNavigationType type, bool addToHistory, std::size_t newPosition) {
    auto me = self<WebView>();
    if (auto d = delegate(); d && !d->shouldStartLoadWithRequest(*this, url, type)) return;
    if (addToHistory) {
        if (!history_.empty()) history_.resize(position_ + 1);  // forward pages go
        history_.push_back(url);
        position_ = history_.size() - 1;
    } else {
        position_ = newPosition;
    }
    loads_.push_back(url);
    loading_ = true;
    std::uint64_t generation = ++generation_;
    std::weak_ptr<WebView> weak = me;
    mainloop::performLater([weak, generation, url] {
        auto w = weak.lock();
        if (!w || w->generation_ != generation) return;
        if (auto d = w->delegate()) d->webViewDidStartLoad(*w);
        mainloop::performLater([weak, generation, url] {
            auto w2 = weak.lock();
            if (!w2 || w2->generation_ != generation) return;
            w2->loading_ = false;
            ns::ErrorPtr error = w2->outcome_ ? w2->outcome_(url) : nullptr;
            if (auto d = w2->delegate()) {
                if (error)
                    d->didFailLoadWithError(*w2, error);
                else
                    d->webViewDidFinishLoad(*w2);
            }
        });
    });
}

void WebView::loadRequest(const std::string& url) {
    html_.clear();
    start(url, WebViewNavigationType::Other, true, 0);
}

void WebView::loadHTMLString(const std::string& html, const std::string& baseURL) {
    html_ = html;
    start(baseURL.empty() ? "about:blank" : baseURL, WebViewNavigationType::Other, true, 0);
}

void WebView::tapLink(const std::string& url) { start(url, WebViewNavigationType::LinkClicked, true, 0); }

void WebView::reload() {
    if (history_.empty()) return;
    start(history_[position_], WebViewNavigationType::Reload, false, position_);
}

void WebView::stopLoading() {
    ++generation_;  // pending callbacks of the load are dropped
    loading_ = false;
}

void WebView::goBack() {
    if (canGoBack()) start(history_[position_ - 1], WebViewNavigationType::BackForward, false, position_ - 1);
}

void WebView::goForward() {
    if (canGoForward()) start(history_[position_ + 1], WebViewNavigationType::BackForward, false, position_ + 1);
}

}  // namespace ui
