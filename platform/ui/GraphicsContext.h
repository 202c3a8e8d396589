// The current drawing context of the main thread, as drawRect sees it.
//
// The drawing layer defines cg::Context; this kit only passes pointers
// around. Whoever renders a view pushes its context for the duration of
// drawRect (GraphicsContextScope); drawing code asks for the current one.
#pragma once

namespace cg {
class Context;
}

namespace ui {

// The context on top of the stack, or null outside drawing.
cg::Context* GraphicsGetCurrentContext();
void GraphicsPushContext(cg::Context* context);
void GraphicsPopContext();

class GraphicsContextScope {
public:
    explicit GraphicsContextScope(cg::Context* context) { GraphicsPushContext(context); }
    ~GraphicsContextScope() { GraphicsPopContext(); }
    GraphicsContextScope(const GraphicsContextScope&) = delete;
    GraphicsContextScope& operator=(const GraphicsContextScope&) = delete;
};

}  // namespace ui
