// A list of (target, action) pairs. Targets are held weakly: an action
// whose target has gone away is skipped. An action without a target always
// runs. Actions are named so that they can be removed again.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

namespace ui {

template <class Sender>
class TargetActionList {
public:
    using Action = std::function<void(Sender&)>;

    void add(const std::shared_ptr<ns::Object>& target, const std::string& name, Action action, unsigned events = 0) {
        for (const auto& e : entries_)
            if (e.hasTarget == bool(target) && e.target.lock() == target && e.name == name && e.events == events &&
                !name.empty())
                return;  // the same pair is added once
        entries_.push_back({target, bool(target), name, std::move(action), events});
    }
    // An empty name removes every action of the target; a null target every
    // action of that name; both empty remove all. `events` 0 matches any.
    void remove(const std::shared_ptr<ns::Object>& target, const std::string& name, unsigned events = 0) {
        std::erase_if(entries_, [&](const Entry& e) {
            bool t = !target || e.target.lock() == target;
            bool n = name.empty() || e.name == name;
            bool ev = events == 0 || (e.events & events);
            return t && n && ev;
        });
    }
    // Runs the actions registered for any of `events` (all when 0).
    void send(Sender& sender, unsigned events = 0) const {
        auto copy = entries_;
        for (const auto& e : copy) {
            if (events != 0 && !(e.events & events)) continue;
            if (e.hasTarget) {
                auto keep = e.target.lock();
                if (!keep) continue;
                e.action(sender);
            } else {
                e.action(sender);
            }
        }
    }
    std::vector<std::string> actionsForTarget(const std::shared_ptr<ns::Object>& target, unsigned events = 0) const {
        std::vector<std::string> names;
        for (const auto& e : entries_)
            if ((!target || e.target.lock() == target) && (events == 0 || (e.events & events)))
                names.push_back(e.name);
        return names;
    }
    std::vector<std::shared_ptr<ns::Object>> allTargets() const {
        std::vector<std::shared_ptr<ns::Object>> out;
        for (const auto& e : entries_)
            if (auto t = e.target.lock()) out.push_back(t);
        return out;
    }
    bool empty() const { return entries_.empty(); }

private:
    struct Entry {
        std::weak_ptr<ns::Object> target;
        bool hasTarget = false;
        std::string name;
        Action action;
        unsigned events = 0;
    };
    std::vector<Entry> entries_;
};

}  // namespace ui
