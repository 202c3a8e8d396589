// Interface files become named builders. A builder creates the file's
// top-level objects, wires outlets and actions to the owner it is given,
// and returns the top-level objects in file order. Builders register under
// the file's name ("TAVOLoginViewController", "...-568h" for the tall
// screen's variant) from their module's registration function, which the
// application calls at start-up. A static registrar in a library would be
// dropped by the linker with the object file nobody else references, and
// its builder would silently be missing; NibRegistration is only for a
// translation unit that is linked for sure (a test's own file).
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
