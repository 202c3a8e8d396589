// Explicit animation transactions: begin, set a duration, a curve or a
// completion, add animations, commit. The completion runs on a later turn
// once every animation added inside the transaction (nested ones included)
// has stopped, finished or removed; with no animation, on the next turn
// after the commit.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/AnimationValue.h"

namespace ca {

class Transaction {
public:
    static void begin();
    static void commit();
    // Closes every open transaction (the end of a run-loop turn).
    static void flush();

    static double animationDuration();
    static void setAnimationDuration(double seconds);
    static TimingFunction animationTimingFunction();
    static void setAnimationTimingFunction(TimingFunction function);
    static bool disableActions();
    static void setDisableActions(bool disable);
    static void setCompletionBlock(std::function<void()> completion);

    // Book-keeping between layers and transactions.
    struct Group;
    using GroupList = std::vector<std::shared_ptr<Group>>;
    // The open transactions, innermost last (empty when none is open).
    static GroupList openGroups();
    static void animationAdded(const GroupList& groups);
    static void animationStopped(const GroupList& groups);
};

}  // namespace ca
