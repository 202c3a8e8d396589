#include "platform/graphics/BitmapContext.h"

namespace cg {

bool BitmapFormatFor(std::size_t bpc, const ColorSpacePtr& space, std::uint32_t info, BitmapFormat* format) {
    if (bpc != 8) return false;
    std::uint32_t alpha = info & BitmapAlphaInfoMask;
    std::uint32_t order = info & BitmapByteOrderMask;
    bool little = order == BitmapByteOrder32Little;
    BitmapFormat f;
    if (!space) {
        if (alpha != ImageAlphaOnly) return false;
        f = BitmapFormat::AlphaOnly;
    } else if (space->model() == ColorSpaceModel::Monochrome) {
        if (alpha == ImageAlphaNone) {
            f = BitmapFormat::Gray;
        } else if (alpha == ImageAlphaOnly) {
            f = BitmapFormat::AlphaOnly;
        } else {
            return false;
        }
    } else if (space->model() == ColorSpaceModel::RGB) {
        switch (alpha) {
        case ImageAlphaPremultipliedLast: f = little ? BitmapFormat::PremultipliedBGRA : BitmapFormat::PremultipliedRGBA; break;
        case ImageAlphaPremultipliedFirst: f = little ? BitmapFormat::PremultipliedBGRA : BitmapFormat::PremultipliedARGB; break;
        case ImageAlphaNoneSkipLast: f = little ? BitmapFormat::BGRX : BitmapFormat::RGBX; break;
        case ImageAlphaNoneSkipFirst: f = little ? BitmapFormat::BGRX : BitmapFormat::XRGB; break;
        case ImageAlphaOnly: f = BitmapFormat::AlphaOnly; break;
        default: return false;
        }
        // Little-endian "last" means bytes A B G R; we keep B G R A order
        // only for "first", which is the common 32-bit little layout.
        if (little && alpha == ImageAlphaPremultipliedLast) return false;
        if (little && alpha == ImageAlphaNoneSkipLast) return false;
    } else {
        return false;
    }
    if (format) *format = f;
    return true;
}

ContextPtr BitmapContextCreate(std::size_t width, std::size_t height, std::size_t bpc, std::size_t bytesPerRow,
                               const ColorSpacePtr& space, std::uint32_t info) {
    BitmapFormat f;
    if (!BitmapFormatFor(bpc, space, info, &f)) return nullptr;
    std::size_t bpp = (f == BitmapFormat::Gray || f == BitmapFormat::AlphaOnly) ? 1 : 4;
    if (bytesPerRow != 0 && bytesPerRow < width * bpp) return nullptr;
    return Context::createBitmap(width, height, f);
}

}  // namespace cg
