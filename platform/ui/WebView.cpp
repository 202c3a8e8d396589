#include "platform/ui/WebView.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "platform/foundation/URL.h"
#include "platform/ui/Font.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/WebPageText.h"

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
            if (!error) w2->showPage(url);
            if (auto d = w2->delegate()) {
                if (error)
                    d->didFailLoadWithError(*w2, error);
                else
                    d->webViewDidFinishLoad(*w2);
            }
        });
    });
}

namespace {

// A browser's plain defaults: the page's own style sheet is not read.
constexpr double kPagePaddingTop = 16;
constexpr double kPagePaddingSide = 18;
constexpr double kPagePaddingBottom = 24;
constexpr double kHeadingGapBefore = 8;
constexpr double kBlockGapAfter = 10;
constexpr double kListIndent = 14;
// Pages bigger than this are not read: the stand-in shows help texts.
constexpr std::streamsize kMaxPageBytes = 4 * 1024 * 1024;

struct BlockStyle {
    Font font;
    Color color;
    double indent;
};

BlockStyle styleOf(WebPageBlock::Kind kind) {
    switch (kind) {
        case WebPageBlock::Kind::Heading1: return {Font::boldSystemFontOfSize(18), Color::white(0.2), 0};
        case WebPageBlock::Kind::Heading2: return {Font::boldSystemFontOfSize(15), Color::white(0.2), 0};
        case WebPageBlock::Kind::ListItem: return {Font::systemFontOfSize(14), Color::white(0.2), kListIndent};
        case WebPageBlock::Kind::Note: return {Font::systemFontOfSize(12), Color::white(0.4), 0};
        case WebPageBlock::Kind::Paragraph: break;
    }
    return {Font::systemFontOfSize(14), Color::white(0.2), 0};
}

// The page's markup: the HTML text given, else the local file's bytes.
std::string pageMarkup(const std::string& html, const std::string& url) {
    if (!html.empty()) return html;
    auto parsed = ns::URL::URLWithString(url);
    if (!parsed || !parsed->isFileURL()) return {};
    std::ifstream in(parsed->path(), std::ios::binary);
    if (!in) return {};
    std::string bytes(static_cast<std::size_t>(kMaxPageBytes), '\0');
    in.read(bytes.data(), kMaxPageBytes);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

void WebView::showPage(const std::string& url) {
    for (const auto& label : pageLabels_) label->removeFromSuperview();
    pageLabels_.clear();
    pageKinds_.clear();
    for (const auto& block : webPageBlocks(pageMarkup(html_, url))) {
        const BlockStyle style = styleOf(block.kind);
        auto label = Label::create();
        label->setNumberOfLines(0);
        label->setFont(style.font);
        label->setTextColor(style.color);
        label->setBackgroundColor(Color::clearColor());
        label->setText(block.kind == WebPageBlock::Kind::ListItem ? "\u2022 " + block.text : block.text);
        scrollView_->addSubview(label);
        pageLabels_.push_back(label);
        pageKinds_.push_back(block.kind);
    }
    laidOutWidth_ = -1;
    layoutPage();
}

void WebView::layoutSubviews() {
    View::layoutSubviews();
    if (bounds().size.width != laidOutWidth_) layoutPage();
}

void WebView::layoutPage() {
    const double width = bounds().size.width;
    laidOutWidth_ = width;
    double y = kPagePaddingTop;
    for (std::size_t i = 0; i < pageLabels_.size(); ++i) {
        const auto& label = pageLabels_[i];
        const auto kind = pageKinds_[i];
        const bool heading = kind == WebPageBlock::Kind::Heading1 || kind == WebPageBlock::Kind::Heading2;
        if (heading && i > 0) y += kHeadingGapBefore;
        const double indent = styleOf(kind).indent;
        const double textWidth = std::max(0.0, width - 2 * kPagePaddingSide - indent);
        const double height = std::ceil(label->sizeThatFits({textWidth, 1e6}).height);
        label->setFrame(cg::RectMake(kPagePaddingSide + indent, y, textWidth, height));
        y += height + kBlockGapAfter;
    }
    scrollView_->setContentSize({width, pageLabels_.empty() ? 0 : y - kBlockGapAfter + kPagePaddingBottom});
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
