#include "platform/graphics/SurfacePool.h"

#include <cstring>
#include <mutex>
#include <vector>

namespace cg {

namespace {

// Smaller surfaces come from the allocator's free lists cheaply enough.
constexpr long kSmallestPooledBytes = 256 * 1024;
constexpr std::size_t kMaxPooled = 4;

struct Pool {
    std::mutex lock;
    std::vector<cairo_surface_t*> surfaces;
};

Pool& pool() {
    static Pool* p = new Pool;  // never destroyed: surfaces may be released during exit
    return *p;
}

bool idle(cairo_surface_t* s) { return cairo_surface_get_reference_count(s) == 1; }

}  // namespace

cairo_surface_t* SurfacePool::take(cairo_format_t format, int width, int height) {
    long bytes = long(cairo_format_stride_for_width(format, width)) * height;
    if (bytes < kSmallestPooledBytes) return cairo_image_surface_create(format, width, height);
    Pool& p = pool();
    std::lock_guard<std::mutex> guard(p.lock);
    for (cairo_surface_t* s : p.surfaces) {
        if (!idle(s) || cairo_image_surface_get_format(s) != format || cairo_image_surface_get_width(s) != width ||
            cairo_image_surface_get_height(s) != height) {
            continue;
        }
        cairo_surface_flush(s);
        std::memset(cairo_image_surface_get_data(s), 0, std::size_t(cairo_image_surface_get_stride(s)) * std::size_t(height));
        cairo_surface_mark_dirty(s);
        // Whoever used it last may have left a device offset or scale on it.
        cairo_surface_set_device_offset(s, 0, 0);
        cairo_surface_set_device_scale(s, 1, 1);
        return cairo_surface_reference(s);
    }
    cairo_surface_t* made = cairo_image_surface_create(format, width, height);
    if (cairo_surface_status(made) != CAIRO_STATUS_SUCCESS) return made;
    if (p.surfaces.size() >= kMaxPooled) {
        for (auto it = p.surfaces.begin(); it != p.surfaces.end(); ++it) {
            if (idle(*it)) {
                cairo_surface_destroy(*it);
                p.surfaces.erase(it);
                break;
            }
        }
    }
    if (p.surfaces.size() < kMaxPooled) p.surfaces.push_back(cairo_surface_reference(made));
    return made;
}

}  // namespace cg
