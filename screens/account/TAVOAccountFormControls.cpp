#include "screens/account/TAVOAccountFormControls.h"

#include "platform/ui/Image.h"

ui::ImageViewPtr TAVOAccountFormControls::inputBox(const cg::Rect& frame) {
    auto box = ui::ImageView::create(frame);
    if (auto image = ui::Image::imageNamed(kInputBoxImage))
        box->setImage(image->stretchableImageWithLeftCapWidth(kInputBoxCap, kInputBoxCap));
    box->setUserInteractionEnabled(true);
    return box;
}

ui::ImageViewPtr TAVOAccountFormControls::separator(const cg::Rect& frame) {
    auto line = ui::ImageView::create(frame);
    line->setImage(ui::Image::imageNamed(kSeparatorImage));
    return line;
}

ui::TextFieldPtr TAVOAccountFormControls::field(const cg::Rect& frame, const std::string& placeholder,
                                                ui::ReturnKeyType returnKey) {
    auto field = ui::TextField::create(frame);
    field->setFont(ui::Font::systemFontOfSize(kFieldFontSize));
    field->setTextColor(ui::Color::white(0.2));
    field->setPlaceholder(placeholder);
    field->clearButtonMode = ui::TextFieldViewMode::WhileEditing;
    field->setReturnKeyType(returnKey);
    return field;
}

ui::TextFieldPtr TAVOAccountFormControls::plainField(const cg::Rect& frame, const std::string& placeholder,
                                                     ui::ReturnKeyType returnKey) {
    auto f = field(frame, placeholder, returnKey);
    f->traits.autocorrectionType = 1;      // no correction
    f->traits.autocapitalizationType = 0;  // no capitals
    return f;
}

ui::ButtonPtr TAVOAccountFormControls::actionButton(const cg::Rect& frame, const std::string& title,
                                                    double fontSize) {
    auto button = ui::Button::create(frame);
    button->setTitle(title, ui::ControlStateNormal);
    button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    button->setTitleColor(ui::Color::white(1, kDisabledTitleAlpha), ui::ControlStateDisabled);
    button->titleLabel()->setFont(ui::Font::systemFontOfSize(fontSize));
    if (auto normal = ui::Image::imageNamed(kButtonImage)) {
        auto stretched = normal->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap);
        button->setBackgroundImage(stretched, ui::ControlStateNormal);
        button->setBackgroundImage(stretched, ui::ControlStateDisabled);
    }
    if (auto pressed = ui::Image::imageNamed(kButtonPressedImage))
        button->setBackgroundImage(pressed->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap),
                                   ui::ControlStateHighlighted);
    return button;
}

ui::ButtonPtr TAVOAccountFormControls::textButton(const cg::Rect& frame, const std::string& title, double fontSize) {
    auto button = ui::Button::create(frame);
    button->setTitle(title, ui::ControlStateNormal);
    button->setTitleColor(accentColor(), ui::ControlStateNormal);
    button->titleLabel()->setFont(ui::Font::systemFontOfSize(fontSize));
    return button;
}
