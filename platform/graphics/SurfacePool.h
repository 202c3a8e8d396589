// Large image surfaces kept for reuse. A window-sized frame is a few
// megabytes; allocating it anew every frame makes the kernel hand out and
// zero fresh pages each time, which costs more than drawing the frame. The
// pool keeps a reference to each large surface it made and lends one again
// once nobody else holds it (its reference count is back to the pool's own).
#pragma once

#include <cairo.h>

namespace cg {

class SurfacePool {
public:
    // A cleared surface (transparent, or black when opaque) of the format and
    // size; the caller owns one reference. Never null: failures come back as
    // a surface in an error status, as from cairo_image_surface_create.
    static cairo_surface_t* take(cairo_format_t format, int width, int height);
};

}  // namespace cg
