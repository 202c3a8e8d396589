#include "platform/ui/DocumentInteractionController.h"

namespace ui {

std::shared_ptr<DocumentInteractionController> DocumentInteractionController::interactionControllerWithURL(
    const std::string& fileURL) {
    auto c = std::make_shared<DocumentInteractionController>();
    c->url_ = fileURL;
    auto slash = fileURL.rfind('/');
    c->name = slash == std::string::npos ? fileURL : fileURL.substr(slash + 1);
    return c;
}

bool DocumentInteractionController::presentOptionsMenuFromRect(const cg::Rect& rect, const std::shared_ptr<View>&,
                                                               bool) {
    if (url_.empty()) return false;
    auto keep = self<DocumentInteractionController>();
    if (auto d = delegate()) d->willPresentOptionsMenu(*this);
    menuVisible_ = true;
    fromRect_ = rect;
    return true;
}

void DocumentInteractionController::dismissMenuAnimated(bool) {
    if (!menuVisible_) return;
    auto keep = self<DocumentInteractionController>();
    menuVisible_ = false;
    if (auto d = delegate()) d->didDismissOptionsMenu(*this);
}

}  // namespace ui
