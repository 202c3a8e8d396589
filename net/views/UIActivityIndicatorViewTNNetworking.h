// An activity indicator that spins while a request operation runs.
#pragma once

#include "net/http/TNURLConnectionOperation.h"
#include "platform/ui/ActivityIndicatorView.h"

class UIActivityIndicatorViewTNNetworking {
public:
    // Follows this operation only; none (or a finished one) just detaches.
    static void setAnimatingWithStateOfOperation(const std::shared_ptr<ui::ActivityIndicatorView>& view,
                                                 const TNURLConnectionOperationPtr& operation);
    // Start or stop animating on a later turn of the main queue.
    static void startAnimating(const std::shared_ptr<ui::ActivityIndicatorView>& view);
    static void stopAnimating(const std::shared_ptr<ui::ActivityIndicatorView>& view);
};
