#include "widgets/TAVOHelpsView.h"

#include <map>
#include <mutex>

#include "core/app/CustomViewFromNib.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/URL.h"
#include "platform/ui/NibRegistry.h"

namespace {

// The interface file's layout: the size of the popup's card, the web view
// filling it.
constexpr cg::Rect kViewFrame{{0, 0}, {290, 420}};

}  // namespace

void TAVOHelpsView::registerInterface() {
    static std::once_flag once;
    std::call_once(once, [] {
        ui::NibRegistry::registerNib("TAVOHelpsView", [](const ns::ObjectPtr&) {
            auto view = ui::View::make<TAVOHelpsView>(kViewFrame);
            auto web = ui::WebView::create(view->bounds());
            web->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
            view->addSubview(web);
            view->setWebView(web);
            return std::vector<ns::ObjectPtr>{view};
        });
    });
}

std::string TAVOHelpsView::pageNameForTag(long tag) {
    static const std::map<long, std::string> pages{
        {1001, "2_4G"},         {1002, "5G"},
        {1003, "account_safty"}, {1004, "dns_hijack"},
        {1005, "prevent_illegal_join"}, {1006, "malicious_url_block"},
        {1007, "safe_ic_arp"},   {1008, "safe_ic_hearbleed"},
        {1009, "heath_mode"},
    };
    auto found = pages.find(tag);
    return found == pages.end() ? "" : found->second;
}

std::shared_ptr<TAVOHelpsView> TAVOHelpsView::helpViewWithTag(long tag) {
    registerInterface();
    auto view = CustomViewFromNib::customViewFromNib<TAVOHelpsView>();
    if (!view || !view->webView()) return view;
    auto bundle = ns::Bundle::mainBundle();
    const std::string folder = bundle->localizedString(kFolderKey, "", "");
    const std::string name = pageNameForTag(tag);
    view->webView()->setBackgroundColor(webBackgroundColor());
    // A tag without a page (or a missing page) leaves the page empty
    // rather than loading a request for nothing.
    auto url = name.empty() ? nullptr : bundle->URLForResource(name, kPageExtension, folder);
    if (url) view->webView()->loadRequest(url->absoluteString());
    return view;
}

void TAVOHelpsView::userDidClickClose(TAVOPopupViewController& /*popup*/) {
    if (auto delegate = delegate_.lock()) delegate->dismissHelpsView(*this);
}
