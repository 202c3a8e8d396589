// Images by URL for buttons through the image loader: the placeholder and
// then the image are set for the normal state.
#pragma once

#include "net/imageloader/WebImageDelegates.h"
#include "platform/ui/Button.h"

class UIButtonWebCache {
public:
    static void setImageWithURL(const ui::ButtonPtr& button, const ns::URLPtr& url,
                                const ui::ImagePtr& placeholder = nullptr);
    static void cancelCurrentImageLoad(const ui::ButtonPtr& button);
};
