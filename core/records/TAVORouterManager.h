// Answers whether the current router is reached on the home network; the
// request layer asks it to choose the local or the cloud channel.
#pragma once

#include <memory>

#include "platform/foundation/Object.h"

class TAVORouterManager : public ns::Object {
public:
    static std::shared_ptr<TAVORouterManager> shareInstance();
    static std::shared_ptr<TAVORouterManager> create();

    // The facade's current router's isLocalRouter; false with no facade
    // registered or no current router.
    bool isLocalRouter() const;

protected:
    TAVORouterManager() = default;
};
