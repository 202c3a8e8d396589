// Images by URL for image views through the image loader: the placeholder
// shows at once, then the cached or downloaded image. A new request of a
// view cancels what the view still waited for, so a stale image never
// replaces a newer one. A failure leaves the placeholder.
#pragma once

#include <memory>

#include "net/imageloader/WebImageDelegates.h"
#include "platform/ui/ImageView.h"

class UIImageViewWebCache {
public:
    static void setImageWithURL(const ui::ImageViewPtr& view, const ns::URLPtr& url,
                                const ui::ImagePtr& placeholder = nullptr, unsigned options = 0);
    static void cancelCurrentImageLoad(const ui::ImageViewPtr& view);
    // The object that waits at the manager on the view's behalf (made on
    // first use); tests use it to see what the manager holds for a view.
    static std::shared_ptr<WebImageManagerDelegate> managerDelegateForView(const ui::ImageViewPtr& view);
};
