// TNImageResponseSerializer: validates, then decodes a PNG or JPEG body into
// an image at the serializer's scale. By default the decoded pixels are
// drawn once into a fresh bitmap ("inflated") so that the first display
// does not pay for it; large or deep images are returned as decoded.
#pragma once

#include "net/http/TNHTTPResponseSerializer.h"
#include "platform/ui/Image.h"

class TNImageResponseSerializer : public TNHTTPResponseSerializer {
public:
    static std::shared_ptr<TNImageResponseSerializer> serializer();
    static std::shared_ptr<TNImageResponseSerializer> create() { return serializer(); }

    // Pixels per point of the images made; the main screen's by default.
    double imageScale = 1;
    bool automaticallyInflatesResponseImage = true;

    // A ui::Image object, or nil for a body that does not decode.
    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;

    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

protected:
    TNImageResponseSerializer();
    std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const override;
    void copySettingsInto(TNHTTPResponseSerializer& copy) const override;
};

// The image the platform decodes from the bytes, at `scale`; none when they
// do not decode.
ui::ImagePtr TNDecodeImageAtScale(const ns::Data& data, double scale);
// The decoded image drawn into a fresh device-RGB bitmap, at `scale`; the
// decoded image itself when it is too large or too deep to be worth it.
ui::ImagePtr TNDecodeInflatedImage(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                   double scale);
// Whether an image of this size and depth is inflated: at most 1024 x 1024
// pixels and 8 bits per component.
bool TNImageIsInflatable(std::size_t width, std::size_t height, std::size_t bitsPerComponent);
