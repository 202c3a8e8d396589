#include "platform/ui/Button.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Appearance.h"

namespace ui {

std::shared_ptr<Button> Button::buttonWithType(ButtonType type) {
    auto b = make<Button>();
    b->type_ = type;
    Appearance::BuiltInDefaults defaults;
    if (type != ButtonType::Custom) b->setTitleColor(Color::rgba(0, 0.478, 1), ControlStateNormal);
    return b;
}

void Button::initWithFrame(const cg::Rect& frame) {
    Control::initWithFrame(frame);
    Appearance::BuiltInDefaults defaults;
    setTitleColor(Color::whiteColor(), ControlStateNormal);
}

template <class T>
T Button::lookup(const std::map<unsigned, T>& table, unsigned state, const T& none) {
    auto it = table.find(state);
    if (it != table.end() && it->second) return it->second;
    // Highlighted and selected together fall back to selected, then normal.
    if (state & ControlStateSelected) {
        auto sel = table.find(ControlStateSelected);
        if (sel != table.end() && sel->second) return sel->second;
    }
    auto normal = table.find(ControlStateNormal);
    if (normal != table.end() && normal->second) return normal->second;
    return none;
}

void Button::setTitle(const std::optional<std::string>& title, unsigned state) {
    if (setProperty(titles_[state], title, PropertyEffectsLayout)) refresh();
}
std::optional<std::string> Button::titleForState(unsigned state) const {
    return lookup(titles_, state, std::optional<std::string>{});
}
void Button::setTitleColor(const OptionalColor& color, unsigned state) {
    if (setProperty(titleColors_[state], color, PropertyEffectsDisplay, statePropertyName("titleColor", state)))
        refresh();
}
OptionalColor Button::titleColorForState(unsigned state) const { return lookup(titleColors_, state, OptionalColor{}); }
void Button::setTitleShadowColor(const OptionalColor& color, unsigned state) {
    if (setProperty(shadowColors_[state], color, PropertyEffectsDisplay,
                    statePropertyName("titleShadowColor", state)))
        refresh();
}
OptionalColor Button::titleShadowColorForState(unsigned state) const {
    return lookup(shadowColors_, state, OptionalColor{});
}
void Button::setImage(const ImagePtr& image, unsigned state) {
    if (setProperty(images_[state], image, PropertyEffectsLayout, statePropertyName("image", state))) refresh();
}
ImagePtr Button::imageForState(unsigned state) const { return lookup(images_, state, ImagePtr{}); }
void Button::setBackgroundImage(const ImagePtr& image, unsigned state) {
    if (setProperty(backgrounds_[state], image, PropertyEffectsLayout, statePropertyName("backgroundImage", state)))
        refresh();
}
ImagePtr Button::backgroundImageForState(unsigned state) const { return lookup(backgrounds_, state, ImagePtr{}); }

const LabelPtr& Button::titleLabel() {
    if (!titleLabel_) {
        titleLabel_ = Label::create();
        {
            Appearance::BuiltInDefaults defaults;
            titleLabel_->setFont(Font::systemFontOfSize(15));
        }
        titleLabel_->setTextAlignment(TextAlignment::Center);
        titleLabel_->setLineBreakMode(LineBreakMode::TruncatingMiddle);
        addSubview(titleLabel_);
        refresh();
    }
    return titleLabel_;
}

const ImageViewPtr& Button::imageView() {
    if (!imageView_) {
        imageView_ = ImageView::create();
        imageView_->setContentMode(ContentMode::Center);
        addSubview(imageView_);
        refresh();
    }
    return imageView_;
}

const ImageViewPtr& Button::backgroundImageView() {
    if (!backgroundView_) {
        backgroundView_ = ImageView::create(bounds());
        insertSubviewAtIndex(backgroundView_, 0);
        refresh();
    }
    return backgroundView_;
}

void Button::setContentEdgeInsets(const cg::EdgeInsets& i) { setProperty(contentInsets_, i, PropertyEffectsLayout); }
void Button::setTitleEdgeInsets(const cg::EdgeInsets& i) { setProperty(titleInsets_, i, PropertyEffectsLayout); }
void Button::setImageEdgeInsets(const cg::EdgeInsets& i) { setProperty(imageInsets_, i, PropertyEffectsLayout); }

void Button::stateDidChange() { refresh(); }

void Button::refresh() {
    unsigned s = state();
    if (titleForState(s) && !titleLabel_) titleLabel();
    if (imageForState(s) && !imageView_) imageView();
    if (backgroundImageForState(s) && !backgroundView_) backgroundImageView();
    if (titleLabel_) {
        titleLabel_->setText(currentTitle());
        if (auto c = currentTitleColor()) titleLabel_->setTextColor(*c);
        titleLabel_->setShadowColor(titleShadowColorForState(s));
    }
    if (imageView_) imageView_->setImage(currentImage());
    if (backgroundView_) backgroundView_->setImage(currentBackgroundImage());
    setNeedsLayout();
}

cg::Size Button::titleSize() const {
    if (!titleLabel_ || titleLabel_->text().empty()) return {0, 0};
    return titleLabel_->font().sizeOfString(titleLabel_->text());
}

cg::Rect Button::contentRectForBounds(const cg::Rect& b) const { return cg::EdgeInsetsInsetRect(b, contentInsets_); }

cg::Rect Button::imageRectForContentRect(const cg::Rect& content) const {
    auto img = currentImage();
    cg::Size is = img ? img->size() : cg::SizeZero;
    cg::Size ts = titleSize();
    double total = is.width + ts.width;
    double x = content.origin.x;
    switch (contentHorizontalAlignment()) {
        case ControlContentHorizontalAlignment::Center:
        case ControlContentHorizontalAlignment::Fill: x += (content.size.width - total) / 2; break;
        case ControlContentHorizontalAlignment::Right: x += content.size.width - total; break;
        case ControlContentHorizontalAlignment::Left: break;
    }
    double y = content.origin.y + (content.size.height - is.height) / 2;
    if (contentVerticalAlignment() == ControlContentVerticalAlignment::Top) y = content.origin.y;
    if (contentVerticalAlignment() == ControlContentVerticalAlignment::Bottom)
        y = content.origin.y + content.size.height - is.height;
    cg::Rect r{{x, y}, is};
    return cg::EdgeInsetsInsetRect(r, imageInsets_);
}

cg::Rect Button::titleRectForContentRect(const cg::Rect& content) {
    cg::Rect image = imageRectForContentRect(content);
    cg::Size ts = titleSize();
    double imageRight = currentImage() ? cg::RectGetMaxX(cg::EdgeInsetsInsetRect(image, {-imageInsets_.top,
                                                                                        -imageInsets_.left,
                                                                                        -imageInsets_.bottom,
                                                                                        -imageInsets_.right}))
                                       : image.origin.x;
    double available = cg::RectGetMaxX(content) - imageRight;
    double w = std::min(ts.width, std::max(0.0, available));
    double y = content.origin.y + (content.size.height - ts.height) / 2;
    cg::Rect r = cg::RectMake(imageRight, y, w, ts.height);
    return cg::EdgeInsetsInsetRect(r, titleInsets_);
}

void Button::layoutSubviews() {
    cg::Rect content = contentRectForBounds(bounds());
    if (backgroundView_) backgroundView_->setFrame(bounds());
    if (imageView_) imageView_->setFrame(imageRectForContentRect(content));
    if (titleLabel_) titleLabel_->setFrame(titleRectForContentRect(content));
}

cg::Size Button::sizeThatFits(const cg::Size&) const {
    auto img = currentImage();
    cg::Size is = img ? img->size() : cg::SizeZero;
    cg::Size ts = titleSize();
    cg::Size s{is.width + ts.width, std::max(is.height, ts.height)};
    if (auto bg = currentBackgroundImage()) {
        s.width = std::max(s.width, bg->size().width);
        s.height = std::max(s.height, bg->size().height);
    }
    s.width += contentInsets_.left + contentInsets_.right;
    s.height += contentInsets_.top + contentInsets_.bottom;
    return s;
}

}  // namespace ui
