// An operation that runs one or more blocks, in the order they were added.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/foundation/Operation.h"

namespace ns {

class BlockOperation : public Operation {
public:
    static std::shared_ptr<BlockOperation> create(std::function<void()> block);

    void addExecutionBlock(std::function<void()> block);
    void main() override;

private:
    BlockOperation() = default;
    std::mutex blocksMutex_;
    std::vector<std::function<void()>> blocks_;
};

}  // namespace ns
