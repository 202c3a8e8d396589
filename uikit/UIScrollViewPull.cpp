#include "uikit/UIScrollViewPull.h"

#include "net/imageloader/AssociatedObject.h"

namespace {

// A scroll view's header and footer; the scroll view owns them as subviews.
struct PullViews {
    std::weak_ptr<PullDownView> header;
    std::weak_ptr<PullUpView> footer;
};

AssociatedObject<PullViews>& pullViews() {
    static AssociatedObject<PullViews> table;
    return table;
}

std::shared_ptr<PullViews> viewsOf(const ui::ScrollViewPtr& scrollView) {
    return pullViews().getOrMake(scrollView, [] { return std::make_shared<PullViews>(); });
}

}  // namespace

void UIScrollViewPull::addHeaderWithTarget(const ui::ScrollViewPtr& scrollView,
                                           const std::shared_ptr<ns::Object>& target, PullDownView::Action action) {
    if (!scrollView) return;
    auto header = UIScrollViewPull::header(scrollView);
    if (!header) {
        header = PullDownView::create();
        scrollView->addSubview(header);
        setHeader(scrollView, header);
    }
    header->setRefreshTarget(target, std::move(action));
}

void UIScrollViewPull::addFooterWithTarget(const ui::ScrollViewPtr& scrollView,
                                           const std::shared_ptr<ns::Object>& target, PullUpView::Action action) {
    if (!scrollView) return;
    auto footer = UIScrollViewPull::footer(scrollView);
    if (!footer) {
        footer = PullUpView::create();
        scrollView->addSubview(footer);
        setFooter(scrollView, footer);
    }
    footer->setLoadingTarget(target, std::move(action));
}

void UIScrollViewPull::headerEndRefreshing(const ui::ScrollViewPtr& scrollView) {
    if (auto h = header(scrollView)) h->endRefreshing();
}

void UIScrollViewPull::footerEndLoading(const ui::ScrollViewPtr& scrollView) {
    if (auto f = footer(scrollView)) f->endLoading();
}

PullDownViewPtr UIScrollViewPull::header(const ui::ScrollViewPtr& scrollView) {
    if (!scrollView) return nullptr;
    auto views = pullViews().get(*scrollView);
    return views ? views->header.lock() : nullptr;
}

void UIScrollViewPull::setHeader(const ui::ScrollViewPtr& scrollView, const PullDownViewPtr& header) {
    if (scrollView) viewsOf(scrollView)->header = header;
}

PullUpViewPtr UIScrollViewPull::footer(const ui::ScrollViewPtr& scrollView) {
    if (!scrollView) return nullptr;
    auto views = pullViews().get(*scrollView);
    return views ? views->footer.lock() : nullptr;
}

void UIScrollViewPull::setFooter(const ui::ScrollViewPtr& scrollView, const PullUpViewPtr& footer) {
    if (scrollView) viewsOf(scrollView)->footer = footer;
}
