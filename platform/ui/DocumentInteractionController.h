// Offers a file to other applications. Nothing is handed over here: the
// menu's presentation is recorded and the delegate told, and tests close
// the menu.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"

namespace ui {

class View;
class DocumentInteractionController;

class DocumentInteractionControllerDelegate {
public:
    virtual ~DocumentInteractionControllerDelegate() = default;
    virtual void willPresentOptionsMenu(DocumentInteractionController&) {}
    virtual void didDismissOptionsMenu(DocumentInteractionController&) {}
};

class DocumentInteractionController : public ns::Object {
public:
    static std::shared_ptr<DocumentInteractionController> interactionControllerWithURL(const std::string& fileURL);

    const std::string& URL() const { return url_; }
    std::string name;
    std::string UTI;
    std::shared_ptr<DocumentInteractionControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<DocumentInteractionControllerDelegate>& d) { delegate_ = d; }

    // Shows the "open in" menu from a rectangle of a view; false when
    // there is no file to offer.
    bool presentOptionsMenuFromRect(const cg::Rect& rect, const std::shared_ptr<View>& view, bool animated);
    void dismissMenuAnimated(bool animated);
    bool isMenuVisible() const { return menuVisible_; }
    cg::Rect presentedFromRect() const { return fromRect_; }

private:
    std::string url_;
    std::weak_ptr<DocumentInteractionControllerDelegate> delegate_;
    bool menuVisible_ = false;
    cg::Rect fromRect_;
};

}  // namespace ui
