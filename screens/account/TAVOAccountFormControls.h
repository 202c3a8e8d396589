// The pieces the account screens build their forms from, in the one look
// they share: the stretchable input box, the rows' text fields, the thin
// separator between rows and the wide green action button.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TextField.h"

class TAVOAccountFormControls {
public:
    TAVOAccountFormControls() = delete;

    static constexpr const char* kInputBoxImage = "bg_reg_input";
    static constexpr long kInputBoxCap = 7;
    static constexpr const char* kSeparatorImage = "seperator_line";
    static constexpr const char* kButtonImage = "public_btn01";
    static constexpr const char* kButtonPressedImage = "public_btn01_pre";
    static constexpr long kButtonCap = 8;
    static constexpr double kButtonHeight = 43;
    static constexpr double kFieldFontSize = 15;
    static constexpr double kDisabledTitleAlpha = 0.3;
    // The green of the text buttons and titles on these screens.
    static ui::Color accentColor() { return ui::Color::rgb255(10, 167, 75); }
    // The screens' grey page.
    static ui::Color pageColor() { return ui::Color::white(248.0 / 255.0); }

    // The input box, interactive so that the fields inside it take touches.
    static ui::ImageViewPtr inputBox(const cg::Rect& frame);
    static ui::ImageViewPtr separator(const cg::Rect& frame);
    // A 15-point field with a clear button while editing.
    static ui::TextFieldPtr field(const cg::Rect& frame, const std::string& placeholder, ui::ReturnKeyType returnKey);
    // Like field, for addresses and names: no correction, no capitals.
    static ui::TextFieldPtr plainField(const cg::Rect& frame, const std::string& placeholder,
                                       ui::ReturnKeyType returnKey);
    // The green button: white title of the size, dimmed while disabled.
    static ui::ButtonPtr actionButton(const cg::Rect& frame, const std::string& title, double fontSize);
    // A text button in the accent colour.
    static ui::ButtonPtr textButton(const cg::Rect& frame, const std::string& title, double fontSize);
};
