#include "platform/ui/GraphicsContext.h"

#include <vector>

namespace ui {

namespace {
std::vector<cg::Context*>& stack() {
    static std::vector<cg::Context*> s;
    return s;
}
}  // namespace

cg::Context* GraphicsGetCurrentContext() { return stack().empty() ? nullptr : stack().back(); }
void GraphicsPushContext(cg::Context* context) { stack().push_back(context); }
void GraphicsPopContext() {
    if (!stack().empty()) stack().pop_back();
}

}  // namespace ui
