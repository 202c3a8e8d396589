#include "platform/foundation/BlockOperation.h"

namespace ns {

std::shared_ptr<BlockOperation> BlockOperation::create(std::function<void()> block) {
    auto operation = std::shared_ptr<BlockOperation>(new BlockOperation());
    operation->addExecutionBlock(std::move(block));
    return operation;
}

void BlockOperation::addExecutionBlock(std::function<void()> block) {
    if (!block) return;
    std::lock_guard<std::mutex> lock(blocksMutex_);
    blocks_.push_back(std::move(block));
}

void BlockOperation::main() {
    std::vector<std::function<void()>> blocks;
    {
        std::lock_guard<std::mutex> lock(blocksMutex_);
        blocks.swap(blocks_);  // run once, then released
    }
    for (auto& block : blocks) block();
}

}  // namespace ns
