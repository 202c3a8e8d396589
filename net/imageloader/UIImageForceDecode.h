// Decompressed copies of images: drawn once into a fresh bitmap of the
// image's pixel size, so that showing it later costs no decoding.
#pragma once

#include "platform/ui/Image.h"

class UIImageForceDecode {
public:
    // A new image of scale 1 from the redrawn pixels, or none when the
    // bitmap cannot be made.
    static ui::ImagePtr decodedImageWithImage(const ui::ImagePtr& image);
};
