// A button: a control with a title, title colours, images and background
// images per state (highlighted, disabled, selected, falling back to the
// normal state's), a title label and an image view laid out with the
// content, title and image insets.
#pragma once

#include <map>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace ui {

enum class ButtonType { Custom = 0, RoundedRect = 1, DetailDisclosure = 2, InfoLight = 3, InfoDark = 4, ContactAdd = 5 };

class Button : public Control {
public:
    using Control::Control;
    static std::shared_ptr<Button> buttonWithType(ButtonType type);
    static std::shared_ptr<Button> create(const cg::Rect& frame = {}) { return make<Button>(frame); }

    ButtonType buttonType() const { return type_; }

    void setTitle(const std::optional<std::string>& title, unsigned state);
    std::optional<std::string> titleForState(unsigned state) const;
    void setTitleColor(const OptionalColor& color, unsigned state);
    OptionalColor titleColorForState(unsigned state) const;
    void setTitleShadowColor(const OptionalColor& color, unsigned state);
    OptionalColor titleShadowColorForState(unsigned state) const;
    void setImage(const ImagePtr& image, unsigned state);
    ImagePtr imageForState(unsigned state) const;
    void setBackgroundImage(const ImagePtr& image, unsigned state);
    ImagePtr backgroundImageForState(unsigned state) const;
    // The name under which a per-state value counts as set on the instance
    // ("titleColor:1"), for appearance defaults of those values.
    static std::string statePropertyName(const std::string& property, unsigned state) {
        return property + ":" + std::to_string(state);
    }

    std::string currentTitle() const { return titleForState(state()).value_or(""); }
    OptionalColor currentTitleColor() const { return titleColorForState(state()); }
    ImagePtr currentImage() const { return imageForState(state()); }
    ImagePtr currentBackgroundImage() const { return backgroundImageForState(state()); }

    // Created on first use; the label shows the current title.
    const LabelPtr& titleLabel();
    const ImageViewPtr& imageView();
    const ImageViewPtr& backgroundImageView();

    cg::EdgeInsets contentEdgeInsets() const { return contentInsets_; }
    void setContentEdgeInsets(const cg::EdgeInsets& i);
    cg::EdgeInsets titleEdgeInsets() const { return titleInsets_; }
    void setTitleEdgeInsets(const cg::EdgeInsets& i);
    cg::EdgeInsets imageEdgeInsets() const { return imageInsets_; }
    void setImageEdgeInsets(const cg::EdgeInsets& i);
    bool adjustsImageWhenHighlighted = true;
    bool adjustsImageWhenDisabled = true;
    bool showsTouchWhenHighlighted = false;
    bool reversesTitleShadowWhenHighlighted = false;

    cg::Rect titleRectForContentRect(const cg::Rect& contentRect);
    cg::Rect imageRectForContentRect(const cg::Rect& contentRect) const;
    cg::Rect contentRectForBounds(const cg::Rect& bounds) const;

    cg::Size sizeThatFits(const cg::Size& size) const override;
    void layoutSubviews() override;
    void initWithFrame(const cg::Rect& frame) override;

protected:
    void stateDidChange() override;

private:
    template <class T>
    static T lookup(const std::map<unsigned, T>& table, unsigned state, const T& none);
    void refresh();
    cg::Size titleSize() const;

    ButtonType type_ = ButtonType::Custom;
    std::map<unsigned, std::optional<std::string>> titles_;
    std::map<unsigned, OptionalColor> titleColors_;
    std::map<unsigned, OptionalColor> shadowColors_;
    std::map<unsigned, ImagePtr> images_;
    std::map<unsigned, ImagePtr> backgrounds_;
    LabelPtr titleLabel_;
    ImageViewPtr imageView_;
    ImageViewPtr backgroundView_;
    cg::EdgeInsets contentInsets_, titleInsets_, imageInsets_;
};

using ButtonPtr = std::shared_ptr<Button>;

}  // namespace ui
