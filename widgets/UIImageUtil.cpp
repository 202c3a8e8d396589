#include "widgets/UIImageUtil.h"

#include "core/app/ImageUtil.h"
#include "core/crypto/TAVOCommonUtility.h"

ui::ImagePtr UIImageUtil::imageByOverlapping(const ui::ImagePtr& base, const ui::ImagePtr& overlay, bool allowScale) {
    return ImageUtil::imageByOverlapping(base, overlay, allowScale);
}

ui::ImagePtr UIImageUtil::pressedImage(const ui::ImagePtr& normal) {
    return imageByOverlapping(normal, ui::Image::imageNamed(kPressedOverlayName), false);
}

ui::ImagePtr UIImageUtil::imageWithColor(const ui::Color& color) {
    return TAVOCommonUtility::createImageFromColor(color, cg::Size{1, 1});
}
