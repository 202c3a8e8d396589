#include "platform/graphics/GraphicsContextStack.h"

#include <vector>

namespace cg {

namespace {

struct Entry {
    ContextPtr context;
    bool imageContext = false;
};

std::vector<Entry>& stack() {
    thread_local std::vector<Entry> s;
    return s;
}

double& screenScale() {
    static double scale = 2.0;
    return scale;
}

}  // namespace

ContextPtr currentContext() { return stack().empty() ? nullptr : stack().back().context; }

void pushContext(ContextPtr context) { stack().push_back({std::move(context), false}); }

void popContext() {
    if (!stack().empty()) stack().pop_back();
}

double mainScreenScale() { return screenScale(); }
void setMainScreenScale(double scale) {
    if (scale > 0) screenScale() = scale;
}

void beginImageContext(Size size, bool opaque, double scale) {
    auto ctx = Context::createImageContext(size, opaque, scale > 0 ? scale : mainScreenScale());
    if (!ctx) return;
    stack().push_back({ctx, true});
}

ImagePtr imageFromCurrentImageContext() {
    if (stack().empty() || !stack().back().imageContext) return nullptr;
    return stack().back().context->createImage();
}

void endImageContext() {
    if (!stack().empty() && stack().back().imageContext) stack().pop_back();
}

}  // namespace cg
