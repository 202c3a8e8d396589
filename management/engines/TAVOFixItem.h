// One row of the health check's fixing view.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class TAVOFixItem : public ns::Object {
public:
    enum State { Fixing = 0, NotFixed = 1, Fixed = 2, Waiting = 3, Empty = 4 };

    static std::shared_ptr<TAVOFixItem> create(int state, int optId);
    // A row with nothing in it.
    static std::shared_ptr<TAVOFixItem> empty() { return create(Empty, -1); }

    int state = Empty;
    int optId = -1;
    // The item's name; "" for an empty row.
    std::string title() const;

    std::string description() const override;
    std::string className() const override { return "TAVOFixItem"; }

private:
    TAVOFixItem() = default;
};

using TAVOFixItemPtr = std::shared_ptr<TAVOFixItem>;
