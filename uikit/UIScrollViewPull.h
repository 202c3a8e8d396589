// Pull-to-refresh on any scroll view: a header above the content (pull
// down to refresh) and a footer below it (pull up to load more). The
// scroll view keeps them as subviews; these references to them are weak.
//
//   UIScrollViewPull::addHeaderWithTarget(table, self, &FileList::refresh);
//   ... the work done:
//   UIScrollViewPull::headerEndRefreshing(table);
#pragma once

#include <memory>

#include "platform/ui/ScrollView.h"
#include "uikit/PullDownView.h"
#include "uikit/PullUpView.h"

class UIScrollViewPull {
public:
    // Adds the header the first time only; each call sets its target and
    // action (the target held weakly).
    static void addHeaderWithTarget(const ui::ScrollViewPtr& scrollView, const std::shared_ptr<ns::Object>& target,
                                    PullDownView::Action action);
    template <class T>
    static void addHeaderWithTarget(const ui::ScrollViewPtr& scrollView, const std::shared_ptr<T>& target,
                                    void (T::*method)(PullDownView&)) {
        std::weak_ptr<T> weak = target;
        addHeaderWithTarget(scrollView, target, [weak, method](PullDownView& header) {
            if (auto t = weak.lock()) ((*t).*method)(header);
        });
    }
    static void addFooterWithTarget(const ui::ScrollViewPtr& scrollView, const std::shared_ptr<ns::Object>& target,
                                    PullUpView::Action action);
    template <class T>
    static void addFooterWithTarget(const ui::ScrollViewPtr& scrollView, const std::shared_ptr<T>& target,
                                    void (T::*method)(PullUpView&)) {
        std::weak_ptr<T> weak = target;
        addFooterWithTarget(scrollView, target, [weak, method](PullUpView& footer) {
            if (auto t = weak.lock()) ((*t).*method)(footer);
        });
    }

    // Nothing without a header (footer).
    static void headerEndRefreshing(const ui::ScrollViewPtr& scrollView);
    static void footerEndLoading(const ui::ScrollViewPtr& scrollView);

    static PullDownViewPtr header(const ui::ScrollViewPtr& scrollView);
    static void setHeader(const ui::ScrollViewPtr& scrollView, const PullDownViewPtr& header);
    static PullUpViewPtr footer(const ui::ScrollViewPtr& scrollView);
    static void setFooter(const ui::ScrollViewPtr& scrollView, const PullUpViewPtr& footer);
};
