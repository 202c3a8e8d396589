// Interface files become named builders. A builder creates the file's
// top-level objects, wires outlets and actions to the owner it is given,
// and returns the top-level objects in file order. Builders register under
// the file's name ("TAVOLoginViewController", "...-568h" for the tall
// screen's variant), usually through a static NibRegistration.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

namespace ui {

class NibRegistry {
public:
    using Builder = std::function<std::vector<ns::ObjectPtr>(const ns::ObjectPtr& owner)>;

    static void registerNib(const std::string& name, Builder builder);
    static bool hasNib(const std::string& name);
    // The top-level objects; empty for an unknown name.
    static std::vector<ns::ObjectPtr> loadNib(const std::string& name, const ns::ObjectPtr& owner);
};

struct NibRegistration {
    NibRegistration(const std::string& name, NibRegistry::Builder builder) {
        NibRegistry::registerNib(name, std::move(builder));
    }
};

}  // namespace ui
