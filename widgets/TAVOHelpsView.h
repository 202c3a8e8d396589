// One of the application's HTML help pages in a web view, chosen by a
// numeric help tag, meant to be the content of a TAVOPopupViewController.
// When the popup's close movement ends the view tells its delegate, which
// dismisses the popup.
//
// Tags 1001-1009 name the pages; any other tag shows an empty page. The
// pages' folder among the resources is the localized text of
// "helpsHTML/en", so a translation can point elsewhere.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/View.h"
#include "platform/ui/WebView.h"
#include "widgets/TAVOHelpsViewDelegate.h"
#include "widgets/TAVOPopupViewControllerDelegate.h"

class TAVOHelpsView : public ui::View, public TAVOPopupViewControllerDelegate {
public:
    using ui::View::View;

    static constexpr const char* kFolderKey = "helpsHTML/en";
    static constexpr const char* kPageExtension = "html";
    static ui::Color webBackgroundColor() { return ui::Color::rgb255(248, 248, 248); }

    // Null only when the interface file gives no view.
    static std::shared_ptr<TAVOHelpsView> helpViewWithTag(long tag);
    // The page's name for a tag; "" for a tag without a page.
    static std::string pageNameForTag(long tag);
    // Registers the view's interface file (done by helpViewWithTag too).
    static void registerInterface();

    std::shared_ptr<TAVOHelpsViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOHelpsViewDelegate>& delegate) { delegate_ = delegate; }
    const std::shared_ptr<ui::WebView>& webView() const { return webView_; }
    void setWebView(const std::shared_ptr<ui::WebView>& webView) { webView_ = webView; }

    void userDidClickClose(TAVOPopupViewController& popup) override;

private:
    std::weak_ptr<TAVOHelpsViewDelegate> delegate_;
    std::shared_ptr<ui::WebView> webView_;
};

using TAVOHelpsViewPtr = std::shared_ptr<TAVOHelpsView>;
