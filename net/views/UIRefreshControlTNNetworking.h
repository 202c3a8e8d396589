// A refresh control that refreshes while a request operation runs.
#pragma once

#include "net/http/TNURLConnectionOperation.h"
#include "platform/ui/RefreshControl.h"

class UIRefreshControlTNNetworking {
public:
    // Follows this operation only; none (or a finished one) just detaches.
    static void setRefreshingWithStateOfOperation(const std::shared_ptr<ui::RefreshControl>& control,
                                                  const TNURLConnectionOperationPtr& operation);
    // Begin or end refreshing on a later turn of the main queue.
    static void beginRefreshing(const std::shared_ptr<ui::RefreshControl>& control);
    static void endRefreshing(const std::shared_ptr<ui::RefreshControl>& control);
};
