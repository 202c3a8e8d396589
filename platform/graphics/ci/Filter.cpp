#include "platform/graphics/ci/Filter.h"

#include <functional>

#include "platform/graphics/ci/GaussianBlurFilter.h"

namespace ci {

namespace {

const std::map<std::string, std::function<FilterPtr()>>& filterFactories() {
    static const std::map<std::string, std::function<FilterPtr()>> factories{
        {GaussianBlurFilter::Name, [] { return GaussianBlurFilter::create(); }},
    };
    return factories;
}

}  // namespace

FilterPtr Filter::filterWithName(const std::string& name) {
    auto it = filterFactories().find(name);
    return it == filterFactories().end() ? nullptr : it->second();
}

void Filter::setValue(const ns::Value& value, const std::string& key) { inputs_[key] = value; }

ns::Value Filter::valueForKey(const std::string& key) const {
    auto it = inputs_.find(key);
    return it == inputs_.end() ? ns::Value() : it->second;
}

}  // namespace ci
