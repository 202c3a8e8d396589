#include "platform/ui/NibRegistry.h"

#include <map>
#include <mutex>

namespace ui {

namespace {
struct Table {
    std::mutex mutex;
    std::map<std::string, NibRegistry::Builder> builders;
};
Table& table() {
    static Table t;
    return t;
}
}  // namespace

void NibRegistry::registerNib(const std::string& name, Builder builder) {
    std::lock_guard<std::mutex> lock(table().mutex);
    table().builders[name] = std::move(builder);
}

bool NibRegistry::hasNib(const std::string& name) {
    std::lock_guard<std::mutex> lock(table().mutex);
    return table().builders.count(name) != 0;
}

std::vector<ns::ObjectPtr> NibRegistry::loadNib(const std::string& name, const ns::ObjectPtr& owner) {
    Builder builder;
    {
        std::lock_guard<std::mutex> lock(table().mutex);
        auto it = table().builders.find(name);
        if (it == table().builders.end()) return {};
        builder = it->second;
    }
    return builder ? builder(owner) : std::vector<ns::ObjectPtr>{};
}

}  // namespace ui
