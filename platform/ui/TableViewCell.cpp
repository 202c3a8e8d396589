#include "platform/ui/TableViewCell.h"

#include "platform/ui/Appearance.h"
#include "platform/ui/TableViewCellContentView.h"
#include "platform/ui/ViewAnimation.h"

namespace ui {

void TableViewCell::initWithStyle(TableViewCellStyle style, const std::string& reuseIdentifier) {
    initWithFrame(cg::RectMake(0, 0, 320, 44));
    style_ = style;
    reuseIdentifier_ = reuseIdentifier;
    contentView_ = View::make<TableViewCellContentView>(bounds());
    contentView_->setAutoresizingMask(ViewAutoresizingFlexibleWidth | ViewAutoresizingFlexibleHeight);
    addSubview(contentView_);
}

const LabelPtr& TableViewCell::textLabel() {
    if (!textLabel_) {
        textLabel_ = Label::create();
        {
            Appearance::BuiltInDefaults defaults;
            textLabel_->setFont(Font::boldSystemFontOfSize(18));
        }
        contentView_->addSubview(textLabel_);
        setNeedsLayout();
    }
    return textLabel_;
}

LabelPtr TableViewCell::detailTextLabel() {
    if (style_ == TableViewCellStyle::Default) return nullptr;
    if (!detailTextLabel_) {
        detailTextLabel_ = Label::create();
        {
            Appearance::BuiltInDefaults defaults;
            detailTextLabel_->setFont(Font::systemFontOfSize(style_ == TableViewCellStyle::Subtitle ? 14 : 17));
            detailTextLabel_->setTextColor(Color::grayColor());
        }
        contentView_->addSubview(detailTextLabel_);
        setNeedsLayout();
    }
    return detailTextLabel_;
}

const ImageViewPtr& TableViewCell::imageView() {
    if (!imageView_) {
        imageView_ = ImageView::create();
        contentView_->addSubview(imageView_);
        setNeedsLayout();
    }
    return imageView_;
}

void TableViewCell::setAccessoryType(TableViewCellAccessoryType t) {
    setProperty(accessoryType_, t, PropertyEffectsLayout);
}

void TableViewCell::setAccessoryView(const ViewPtr& v) {
    if (accessoryView_) accessoryView_->removeFromSuperview();
    accessoryView_ = v;
    if (v) addSubview(v);
    setNeedsLayout();
}

void TableViewCell::setBackgroundView(const ViewPtr& v) {
    if (backgroundView_) backgroundView_->removeFromSuperview();
    backgroundView_ = v;
    if (v) {
        v->setFrame(bounds());
        insertSubviewAtIndex(v, 0);
    }
}

void TableViewCell::setSelectedBackgroundView(const ViewPtr& v) {
    if (selectedBackgroundView_) selectedBackgroundView_->removeFromSuperview();
    selectedBackgroundView_ = v;
    if (v) {
        v->setFrame(bounds());
        v->setAlpha(selected_ || highlighted_ ? 1 : 0);
        insertSubviewAbove(v, backgroundView_ ? backgroundView_ : nullptr);
        if (!backgroundView_) insertSubviewAtIndex(v, 0);
    }
}

void TableViewCell::showSelectionLook(bool on, bool animated) {
    if (selectionStyle == TableViewCellSelectionStyle::None) return;
    // Labels and image views inside show their highlighted look.
    std::function<void(const ViewPtr&)> mark = [&](const ViewPtr& v) {
        if (auto l = std::dynamic_pointer_cast<Label>(v)) l->setHighlighted(on);
        if (auto i = std::dynamic_pointer_cast<ImageView>(v)) i->setHighlighted(on);
        for (const auto& s : v->subviews()) mark(s);
    };
    mark(contentView_);
    if (!selectedBackgroundView_) return;
    auto apply = [this, on] { selectedBackgroundView_->setAlpha(on ? 1 : 0); };
    if (animated)
        ViewAnimation::animate(kSelectionAnimationDuration, apply);
    else
        apply();
}

void TableViewCell::setSelected(bool selected, bool animated) {
    selected_ = selected;
    showSelectionLook(selected_ || highlighted_, animated);
}

void TableViewCell::setHighlighted(bool highlighted, bool animated) {
    highlighted_ = highlighted;
    showSelectionLook(selected_ || highlighted_, animated);
}

void TableViewCell::setEditing(bool editing, bool) { setProperty(editing_, editing, PropertyEffectsLayout); }

void TableViewCell::prepareForReuse() {
    setSelected(false, false);
    setHighlighted(false, false);
    setEditing(false, false);
}

void TableViewCell::layoutSubviews() {
    cg::Rect b = bounds();
    double accessory = 0;
    if (accessoryView_) {
        cg::Size s = accessoryView_->frame().size;
        accessoryView_->setFrame(cg::RectMake(b.size.width - s.width - 10, (b.size.height - s.height) / 2, s.width,
                                              s.height));
        accessory = s.width + 20;
    } else if (accessoryType_ != TableViewCellAccessoryType::None) {
        accessory = kAccessoryWidth;
    }
    contentView_->setFrame(cg::RectMake(0, 0, b.size.width - accessory, b.size.height));
    if (backgroundView_) backgroundView_->setFrame(b);
    if (selectedBackgroundView_) selectedBackgroundView_->setFrame(b);
    cg::Rect content = contentView_->bounds();
    double x = 15 + indentationLevel * indentationWidth;
    if (imageView_ && imageView_->image()) {
        cg::Size s = imageView_->image()->size();
        imageView_->setFrame(cg::RectMake(x, (content.size.height - s.height) / 2, s.width, s.height));
        x += s.width + 15;
    }
    double width = std::max(0.0, content.size.width - x - 15);
    if (textLabel_ && detailTextLabel_ && style_ == TableViewCellStyle::Subtitle) {
        textLabel_->setFrame(cg::RectMake(x, 4, width, content.size.height / 2 - 4));
        detailTextLabel_->setFrame(cg::RectMake(x, content.size.height / 2, width, content.size.height / 2 - 4));
    } else if (textLabel_ && detailTextLabel_) {
        textLabel_->setFrame(cg::RectMake(x, 0, width / 2, content.size.height));
        detailTextLabel_->setFrame(cg::RectMake(x + width / 2, 0, width / 2, content.size.height));
        detailTextLabel_->setTextAlignment(TextAlignment::Right);
    } else if (textLabel_) {
        textLabel_->setFrame(cg::RectMake(x, 0, width, content.size.height));
    }
}

}  // namespace ui
