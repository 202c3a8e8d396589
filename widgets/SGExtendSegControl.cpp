#include "widgets/SGExtendSegControl.h"

#include <cmath>

#include "platform/ui/ViewAnimation.h"

std::shared_ptr<SGExtendSegControl> SGExtendSegControl::create(const cg::Rect& frame) {
    auto control = construct<SGExtendSegControl>();
    control->initWithTitleArray({});
    control->setFrame(frame);
    return control;
}

void SGExtendSegControl::setItemArray(const std::vector<ns::Value>& titles) {
    if (!titles.empty()) {
        removeItems();
        storeSelectedIndex(0);
        makeItems(titles, normalImage_);
        if (selectionView()) selectionView()->removeFromSuperview();
        auto selection = ui::ImageView::create();
        selection->setImage(selectedImage_);
        setSelectionView(selection);
        addSubview(selection);
        for (const auto& item : items()) {
            auto& button = item->button;
            if (font_) button->titleLabel()->setFont(*font_);
            button->setTitleColor(normalcolor_, ui::ControlStateNormal);
            button->setTitleColor(highlightColor_, ui::ControlStateHighlighted);
            listenTo(button);
            addSubview(button);
        }
        std::size_t i = 0;
        for (const auto& title : titles) {
            if (title.isString()) items()[i++]->button->setTitle(title.stringValue(), ui::ControlStateNormal);
        }
    }
    setSelectedIndex(0);
    setNeedsLayout();
}

void SGExtendSegControl::setSelectedImage(const ui::ImagePtr& image) {
    selectedImage_ = image;
    if (selectionView()) selectionView()->setImage(image);
}

void SGExtendSegControl::setNormalImage(const ui::ImagePtr& image) {
    normalImage_ = image;
    for (const auto& item : items()) item->bgView->setImage(image);
}

void SGExtendSegControl::setNormalcolor(const ui::OptionalColor& color) {
    normalcolor_ = color;
    for (const auto& item : items()) item->button->setTitleColor(color, ui::ControlStateNormal);
}

void SGExtendSegControl::setHighlightColor(const ui::OptionalColor& color) {
    highlightColor_ = color;
    for (const auto& item : items()) item->button->setTitleColor(color, ui::ControlStateHighlighted);
}

void SGExtendSegControl::setFont(const std::optional<ui::Font>& font) {
    font_ = font;
    if (font)
        for (const auto& item : items()) item->button->titleLabel()->setFont(*font);
    setNeedsLayout();
}

void SGExtendSegControl::indexChangedAnimation(int previousIndex, bool) {
    const int last = numberOfItems() - 1;
    if (previousIndex < 0 || previousIndex > last || selectedIndex() > last) return;
    items()[previousIndex]->button->setTitleColor(normalcolor_, ui::ControlStateNormal);
    auto chosen = items()[selectedIndex()]->button;
    auto selection = selectionView();
    std::weak_ptr<SGExtendSegControl> weak = weakSelf<SGExtendSegControl>();
    ui::ViewAnimation::animate(
        kSlideSeconds, [selection, chosen] { selection->setFrame(chosen->frame()); },
        [weak](bool) {
            // The segment chosen when the slide ends: a slide overtaken by a
            // newer choice must not colour the segment it was heading for.
            auto control = weak.lock();
            if (!control) return;
            const int index = control->selectedIndex();
            if (index >= 0 && index < control->numberOfItems())
                control->items()[index]->button->setTitleColor(control->selectedColor_, ui::ControlStateNormal);
        });
}

void SGExtendSegControl::layoutCustomViews() {
    const auto& list = items();
    const long n = static_cast<long>(list.size());
    if (n == 0) return;
    const double g = segSpace_;
    const double totalWidth = bounds().size.width;
    const double height = bounds().size.height;
    double x = 0;
    double width = std::trunc((totalWidth - g * static_cast<double>(n - 1)) / static_cast<double>(n));
    for (long i = 0; i < n; ++i) {
        const cg::Rect frame = cg::RectMake(x, 0, width, height);
        list[i]->bgView->setFrame(frame);
        list[i]->button->setFrame(frame);
        x += g + width;
        const long left = n - i - 1;  // segments still to place
        if (left > 0) width = std::trunc((totalWidth - x - g * static_cast<double>(left - 1)) / static_cast<double>(left));
    }
    const int chosen = selectedIndex();
    if (chosen >= 0 && chosen < n) selectionView()->setFrame(list[chosen]->button->frame());
}
