// A scrolling multi-line editable text. Like the text field it edits as
// first responder (bringing up the keyboard) with the delegate's consent,
// and typing goes through insertText / deleteBackward.
#pragma once

#include <string>

#include "platform/foundation/Utf16.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextInputTraits.h"

namespace ui {

class TextView;

class TextViewDelegate : public ScrollViewDelegate {
public:
    virtual bool textViewShouldBeginEditing(TextView&) { return true; }
    virtual void textViewDidBeginEditing(TextView&) {}
    virtual bool textViewShouldEndEditing(TextView&) { return true; }
    virtual void textViewDidEndEditing(TextView&) {}
    virtual bool shouldChangeTextInRange(TextView&, ns::Range, const std::string& /*replacement*/) { return true; }
    virtual void textViewDidChange(TextView&) {}
};

inline const std::string TextViewTextDidChangeNotification = "UITextViewTextDidChangeNotification";

class TextView : public ScrollView {
public:
    using ScrollView::ScrollView;
    static std::shared_ptr<TextView> create(const cg::Rect& frame = {}) { return make<TextView>(frame); }

    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    const Font& font() const { return font_; }
    void setFont(const Font& f) { font_ = f; setNeedsDisplay(); }
    OptionalColor textColor = Color::blackColor();
    TextAlignment textAlignment = TextAlignment::Left;
    bool editable = true;
    bool selectable = true;
    TextInputTraits traits;

    std::shared_ptr<TextViewDelegate> textDelegate() const { return textDelegate_.lock(); }
    void setTextDelegate(const std::shared_ptr<TextViewDelegate>& d);
    bool hasTextDelegate() const { return !textDelegate_.expired(); }
    bool isEditing() const { return editing_; }

    bool insertText(const std::string& text);
    bool deleteBackward();
    bool replaceRange(ns::Range range, const std::string& replacement);

    bool canBecomeFirstResponder() const override { return editable && !isHidden(); }
    bool becomeFirstResponder() override;
    bool canResignFirstResponder() const override;
    bool resignFirstResponder() override;
    bool needsKeyboard() const override { return true; }
    // Its text, wrapped within the bounds less the text container's inset.
    void drawRect(const cg::Rect& rect) override;
    static constexpr double kTextInsetX = 5;
    static constexpr double kTextInsetY = 8;
    void touchesEnded(const TouchSet& touches, const Event* event) override;

private:
    std::string text_;
    Font font_ = Font::systemFontOfSize(12);
    std::weak_ptr<TextViewDelegate> textDelegate_;
    bool editing_ = false;
    bool resigning_ = false;
};

}  // namespace ui
