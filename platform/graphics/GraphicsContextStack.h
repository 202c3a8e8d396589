// The current drawing context of the thread, as views and image renderers
// see it: a stack that drawRect: and image contexts push and pop.
#pragma once

#include "platform/graphics/Context.h"

namespace cg {

// Null when nothing is pushed.
ContextPtr currentContext();
void pushContext(ContextPtr context);
// Ignored when the stack is empty.
void popContext();

// Pixels per point of the main screen, used when an image context asks for scale 0.
double mainScreenScale();
void setMainScreenScale(double scale);

// Pushes a new y-down image context of the size in points (nothing for an
// empty size). Scale 0 means the main screen's scale.
void beginImageContext(Size size, bool opaque, double scale);
// A snapshot of the current context; null when it is not an image context.
ImagePtr imageFromCurrentImageContext();
// Pops the context pushed by beginImageContext.
void endImageContext();

}  // namespace cg
