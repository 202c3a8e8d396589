// A one-line editable text field. Tapping it (or becomeFirstResponder)
// starts editing when the delegate agrees, which brings up the keyboard;
// typing goes through insertText / deleteBackward (the delegate may refuse
// each change); pressReturn asks the delegate what Return does.
//
// A field wider text than it has room for shows its end while editing (where
// the caret is) and is cut off at the end otherwise.
//
// Delegate methods are optional: a delegate that does not implement a
// should-method agrees.
#pragma once

#include <string>

#include "platform/foundation/Utf16.h"  // ns::Range: UTF-16 ranges
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextInputTraits.h"

namespace ui {

class TextField;

class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate() = default;
    virtual bool textFieldShouldBeginEditing(TextField&) { return true; }
    virtual void textFieldDidBeginEditing(TextField&) {}
    virtual bool textFieldShouldEndEditing(TextField&) { return true; }
    virtual void textFieldDidEndEditing(TextField&) {}
    virtual bool shouldChangeCharactersInRange(TextField&, ns::Range, const std::string& /*replacement*/) {
        return true;
    }
    virtual bool textFieldShouldClear(TextField&) { return true; }
    virtual bool textFieldShouldReturn(TextField&) { return true; }
};

inline const std::string TextFieldTextDidBeginEditingNotification = "UITextFieldTextDidBeginEditingNotification";
inline const std::string TextFieldTextDidChangeNotification = "UITextFieldTextDidChangeNotification";
inline const std::string TextFieldTextDidEndEditingNotification = "UITextFieldTextDidEndEditingNotification";

enum class TextBorderStyle { None = 0, Line = 1, Bezel = 2, RoundedRect = 3 };
enum class TextFieldViewMode { Never = 0, WhileEditing = 1, UnlessEditing = 2, Always = 3 };

class TextField : public Control {
public:
    using Control::Control;
    static std::shared_ptr<TextField> create(const cg::Rect& frame = {}) { return make<TextField>(frame); }

    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(const std::string& p);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    const OptionalColor& textColor() const { return textColor_; }
    void setTextColor(const OptionalColor& c);
    TextAlignment textAlignment = TextAlignment::Left;
    TextBorderStyle borderStyle = TextBorderStyle::None;
    TextFieldViewMode clearButtonMode = TextFieldViewMode::Never;
    TextFieldViewMode leftViewMode = TextFieldViewMode::Never;
    TextFieldViewMode rightViewMode = TextFieldViewMode::Never;
    ViewPtr leftView;
    ViewPtr rightView;
    ImagePtr background;
    bool clearsOnBeginEditing = false;
    bool adjustsFontSizeToFitWidth = false;
    double minimumFontSize = 0;
    TextInputTraits traits;
    ReturnKeyType returnKeyType() const { return traits.returnKeyType; }
    void setReturnKeyType(ReturnKeyType t) { traits.returnKeyType = t; }
    bool isSecureTextEntry() const { return traits.secureTextEntry; }
    void setSecureTextEntry(bool on) { traits.secureTextEntry = on; }
    KeyboardType keyboardType() const { return traits.keyboardType; }
    void setKeyboardType(KeyboardType t) { traits.keyboardType = t; }

    std::shared_ptr<TextFieldDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TextFieldDelegate>& d) { delegate_ = d; }
    bool hasDelegate() const { return !delegate_.expired(); }

    bool isEditing() const { return editing_; }
    // What a secure field shows: one bullet per character.
    std::string displayedText() const;

    // Typing at the end of the text (the caret stays at the end); false
    // when the delegate refused the change.
    bool insertText(const std::string& text);
    bool deleteBackward();
    // Replaces a UTF-16 range, asking the delegate first.
    bool replaceRange(ns::Range range, const std::string& replacement);
    // The clear button.
    bool clear();
    // The Return key: asks the delegate; sends editing-did-end-on-exit.
    bool pressReturn();

    bool canBecomeFirstResponder() const override;
    bool becomeFirstResponder() override;
    bool canResignFirstResponder() const override;
    bool resignFirstResponder() override;
    bool needsKeyboard() const override { return true; }
    void touchesEnded(const TouchSet& touches, const Event* event) override;
    // The border style's frame, the text (or the placeholder, in grey) and,
    // while editing, the caret after the last character.
    void drawRect(const cg::Rect& rect) override;

private:
    void postTextNotification(const std::string& name);

    std::string text_;
    std::string placeholder_;
    Font font_ = Font::systemFontOfSize(12);
    OptionalColor textColor_ = Color::blackColor();
    std::weak_ptr<TextFieldDelegate> delegate_;
    bool editing_ = false;
    bool resigning_ = false;
};

using TextFieldPtr = std::shared_ptr<TextField>;

}  // namespace ui
