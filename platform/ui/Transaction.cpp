#include "platform/ui/Transaction.h"

#include "platform/foundation/Singleton.h"
#include "platform/ui/Animation.h"
#include "platform/ui/MainLoop.h"

namespace ca {

struct Transaction::Group {
    double duration = Animation::kDefaultDuration;
    TimingFunction timing = TimingFunction::Default;
    bool disableActions = false;
    std::function<void()> completion;
    int pending = 0;
    bool committed = false;
    bool fired = false;
};

namespace {

std::vector<std::shared_ptr<Transaction::Group>>& stack() {
    static std::vector<std::shared_ptr<Transaction::Group>> s;
    static bool registered = false;
    if (!registered) {
        registered = true;
        ns::onTestReset([] { stack().clear(); });
    }
    return s;
}

void fireIfDone(const std::shared_ptr<Transaction::Group>& g) {
    if (!g->committed || g->pending > 0 || g->fired) return;
    g->fired = true;
    if (g->completion) ui::mainloop::performLater(std::move(g->completion));
}

}  // namespace

void Transaction::begin() {
    auto g = std::make_shared<Group>();
    if (!stack().empty()) {
        g->duration = stack().back()->duration;
        g->timing = stack().back()->timing;
        g->disableActions = stack().back()->disableActions;
    }
    stack().push_back(g);
}

void Transaction::commit() {
    if (stack().empty()) return;
    auto g = stack().back();
    stack().pop_back();
    g->committed = true;
    fireIfDone(g);
}

void Transaction::flush() {
    while (!stack().empty()) commit();
}

double Transaction::animationDuration() {
    return stack().empty() ? Animation::kDefaultDuration : stack().back()->duration;
}
void Transaction::setAnimationDuration(double seconds) {
    if (!stack().empty()) stack().back()->duration = seconds;
}
TimingFunction Transaction::animationTimingFunction() {
    return stack().empty() ? TimingFunction::Default : stack().back()->timing;
}
void Transaction::setAnimationTimingFunction(TimingFunction function) {
    if (!stack().empty()) stack().back()->timing = function;
}
bool Transaction::disableActions() { return !stack().empty() && stack().back()->disableActions; }
void Transaction::setDisableActions(bool disable) {
    if (!stack().empty()) stack().back()->disableActions = disable;
}
void Transaction::setCompletionBlock(std::function<void()> completion) {
    if (!stack().empty()) stack().back()->completion = std::move(completion);
}

Transaction::GroupList Transaction::openGroups() { return stack(); }

void Transaction::animationAdded(const GroupList& groups) {
    for (auto& g : groups) ++g->pending;
}

void Transaction::animationStopped(const GroupList& groups) {
    for (auto& g : groups) {
        --g->pending;
        fireIfDone(g);
    }
}

}  // namespace ca
