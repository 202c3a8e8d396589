// The web view of the web page screens; a class of its own so that screens
// can tell it apart, with no behaviour of its own.
#pragma once

#include <memory>

#include "platform/ui/WebView.h"

class BaseWebView : public ui::WebView {
public:
    using ui::WebView::WebView;
    static std::shared_ptr<BaseWebView> create(const cg::Rect& frame = {}) { return make<BaseWebView>(frame); }
};

using BaseWebViewPtr = std::shared_ptr<BaseWebView>;
