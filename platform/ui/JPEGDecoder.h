// JPEG decoding through libjpeg into a bitmap of the drawing layer.
#pragma once

#include "platform/foundation/Data.h"
#include "platform/graphics/Image.h"

namespace ui {

// Whether the data starts like a JPEG file.
bool looksLikeJPEG(const ns::Data& data);
// The decoded image (opaque), or null for data libjpeg cannot read.
cg::ImagePtr decodeJPEG(const ns::Data& data, double scale);

}  // namespace ui
