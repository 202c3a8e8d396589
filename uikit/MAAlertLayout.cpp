#include "uikit/MAAlertLayout.h"

#include "uikit/MAAlertItem.h"

bool MAAlertLayout::sharesOneRow(const Content& content) {
    return content.buttonTypes.size() == 2 && content.buttonsListStyle == 0;
}

bool MAAlertLayout::setsCancelApart(const Content& content) {
    // Every stacked list of two or more buttons, so that the panel always
    // grows by the offset that moves its cancel button down.
    return !sharesOneRow(content) && content.buttonTypes.size() >= 2 &&
           content.buttonTypes.back() == MAAlertViewButtonTypeCancel;
}

double MAAlertLayout::preferredHeight(const Content& content) {
    double height = kTopInset;
    if (content.titleHeight) height += *content.titleHeight;
    if (content.bodyHeight) {
        if (height > kTopInset) height += kGap;
        height += *content.bodyHeight;
    }
    const std::size_t count = content.buttonTypes.size();
    if (count > 0) {
        if (height > kTopInset) height += kGap;
        height += sharesOneRow(content) ? kButtonHeight : kButtonHeight * static_cast<double>(count);
        if (setsCancelApart(content)) height += kCancelOffset;
    }
    return height;
}

MAAlertLayout::Frames MAAlertLayout::frames(const Content& content, const cg::Size& alertSize) {
    Frames frames;
    const double height = preferredHeight(content);
    // Not rounded: the panel sits exactly in the middle.
    frames.panel = cg::RectMake((alertSize.width - kPanelWidth) / 2, (alertSize.height - height) / 2, kPanelWidth,
                                height);
    const double width = kPanelWidth;
    double y = kTopInset;
    if (content.titleHeight) {
        frames.title = cg::RectMake(kSideInset, kTopInset, width - 2 * kSideInset, *content.titleHeight);
        y = *content.titleHeight + kTopInset;
    }
    if (content.bodyHeight) {
        if (y > kTopInset) y += kGap;
        frames.body = cg::RectMake(kSideInset, y, width - 2 * kSideInset, *content.bodyHeight);
        y += *content.bodyHeight;
    }
    const std::size_t count = content.buttonTypes.size();
    if (count == 0) return frames;
    if (y > kTopInset) y += kGap;
    frames.buttonsTop = y;
    if (sharesOneRow(content)) {
        const double half = width * 0.5;
        frames.buttons = {cg::RectMake(0, y, half, kButtonHeight), cg::RectMake(half, y, half, kButtonHeight)};
        return frames;
    }
    for (std::size_t i = 0; i < count; ++i) {
        cg::Rect button = cg::RectMake(0, y, width, kButtonHeight);
        if (i + 1 == count && setsCancelApart(content)) button.origin.y += kCancelOffset;
        frames.buttons.push_back(button);
        y += kButtonHeight;
    }
    return frames;
}
