#include "net/http/TNImageResponseSerializer.h"

#include <algorithm>
#include <cstring>

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/graphics/BitmapContext.h"
#include "platform/graphics/ColorSpace.h"
#include "platform/ui/JPEGDecoder.h"
#include "platform/ui/Screen.h"

namespace {

constexpr std::size_t kLargestInflatedPixels = 1024 * 1024;

// The bit depth a PNG declares in its header (0 when the bytes are no PNG).
std::size_t pngBitDepth(const ns::Data& data) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data.length() < 25 || std::memcmp(data.bytes(), kSignature, sizeof kSignature) != 0) return 0;
    if (std::memcmp(data.bytes() + 12, "IHDR", 4) != 0) return 0;
    return data[24];
}

}  // namespace

std::shared_ptr<TNImageResponseSerializer> TNImageResponseSerializer::serializer() {
    return std::shared_ptr<TNImageResponseSerializer>(new TNImageResponseSerializer());
}

TNImageResponseSerializer::TNImageResponseSerializer() {
    acceptableContentTypes = std::set<std::string>{"image/tiff",  "image/jpeg",      "image/gif",
                                                   "image/png",   "image/ico",       "image/x-icon",
                                                   "image/bmp",   "image/x-bmp",     "image/x-xbitmap",
                                                   "image/x-win-bitmap"};
    imageScale = ui::Screen::mainScreen()->scale();
}

std::shared_ptr<TNHTTPResponseSerializer> TNImageResponseSerializer::makeEmpty() const { return serializer(); }

void TNImageResponseSerializer::copySettingsInto(TNHTTPResponseSerializer& copy) const {
    auto& target = static_cast<TNImageResponseSerializer&>(copy);
    target.imageScale = imageScale;
    target.automaticallyInflatesResponseImage = automaticallyInflatesResponseImage;
}

void TNImageResponseSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    TNHTTPResponseSerializer::encodeWithCoder(coder);
    coder.encodeDouble(imageScale, "imageScale");
    coder.encodeBool(automaticallyInflatesResponseImage, "automaticallyInflatesResponseImage");
}

bool TNImageResponseSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (!TNHTTPResponseSerializer::initWithCoder(coder)) return false;
    if (coder.containsValueForKey("imageScale")) imageScale = coder.decodeDoubleForKey("imageScale");
    if (coder.containsValueForKey("automaticallyInflatesResponseImage"))
        automaticallyInflatesResponseImage = coder.decodeBoolForKey("automaticallyInflatesResponseImage");
    // A scale of zero or less (or not a number) would make images of no size.
    if (!(imageScale > 0)) return false;
    return true;
}

ns::Value TNImageResponseSerializer::responseObjectForResponse(const ns::URLResponsePtr& response,
                                                               const std::optional<ns::Data>& data,
                                                               ns::ErrorPtr* error) {
    if (!validateResponse(response, data, error) && shouldSkipDecoding(error)) return ns::Value();
    ui::ImagePtr image = automaticallyInflatesResponseImage
                             ? TNDecodeInflatedImage(response, data, imageScale)
                             : (data ? TNDecodeImageAtScale(*data, imageScale) : nullptr);
    return image ? ns::Value(image) : ns::Value();
}

ui::ImagePtr TNDecodeImageAtScale(const ns::Data& data, double scale) { return ui::Image::imageWithData(data, scale); }

bool TNImageIsInflatable(std::size_t width, std::size_t height, std::size_t bitsPerComponent) {
    if (bitsPerComponent > 8) return false;
    return height == 0 || width <= kLargestInflatedPixels / height;
}

ui::ImagePtr TNDecodeInflatedImage(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                   double scale) {
    if (!data || data->empty()) return nullptr;
    const std::string mimeType = response ? response->MIMEType().value_or("") : "";
    cg::ImagePtr bitmap;
    std::size_t bitsPerComponent = 8;
    if (mimeType == "image/png") {
        bitmap = cg::Image::createWithPNGData(*data);
        // Deeper PNGs are reduced to 8 bits when decoded; their declared depth counts.
        if (bitmap) bitsPerComponent = std::max<std::size_t>(pngBitDepth(*data), 8);
    } else if (mimeType == "image/jpeg") {
        bitmap = ui::decodeJPEG(*data, 1);
    }
    ui::ImagePtr image = TNDecodeImageAtScale(*data, scale);
    if (!bitmap) {
        if (!image) return nullptr;
        bitmap = image->CGImage();
        if (!bitmap) return nullptr;
    }
    if (!TNImageIsInflatable(bitmap->width(), bitmap->height(), bitsPerComponent)) return image;

    // Device RGB, 8 bits, the platform's own row length; alpha kept
    // premultiplied, an opaque image skips its alpha byte.
    const std::uint32_t alpha = bitmap->hasAlpha() ? cg::ImageAlphaPremultipliedFirst : cg::ImageAlphaNoneSkipFirst;
    auto context = cg::BitmapContextCreate(bitmap->width(), bitmap->height(), 8, 0, cg::ColorSpace::createDeviceRGB(),
                                           alpha | cg::BitmapByteOrder32Little);
    if (!context) return image;
    context->drawImage(cg::RectMake(0, 0, static_cast<cg::Float>(bitmap->width()),
                                    static_cast<cg::Float>(bitmap->height())),
                       bitmap);
    auto inflated = context->createImage();
    if (!inflated) return image;
    return ui::Image::imageWithCGImage(inflated, scale);
}
