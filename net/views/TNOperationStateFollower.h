// What the activity indicator and the refresh control share: a view that
// follows one operation's start and finish notifications at a time.
// Following a new operation (or none) ends the previous registrations.
#pragma once

#include <functional>
#include <memory>

#include "net/http/TNURLConnectionOperation.h"
#include "platform/ui/View.h"

class TNOperationStateFollower {
public:
    // `start` and `stop` act on the view; they run later on the main queue
    // when the notifications arrive, and at once for the operation's
    // current state. None, or a finished operation, changes nothing but
    // the registrations.
    static void follow(const std::shared_ptr<ui::View>& view, const TNURLConnectionOperationPtr& operation,
                       std::function<void(ui::View&)> start, std::function<void(ui::View&)> stop);
};
