// A scroll view that keeps the text field being edited visible above the
// keyboard, moves the focus to the next field on Return (the last field's
// Return ends editing) and ends editing on a tap outside the fields. With
// no content size of its own it takes its subviews' extent while the
// keyboard is up, and gives the owner's size back when it hides.
#pragma once

#include <memory>

#include "platform/ui/ScrollView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "uikit/KeyboardAvoidingState.h"

class KeyboardAvoidingScrollView : public ui::ScrollView, public ui::TextFieldDelegate, public ui::TextViewDelegate {
public:
    using ui::ScrollView::ScrollView;
    static std::shared_ptr<KeyboardAvoidingScrollView> create(const cg::Rect& frame = {}) {
        return make<KeyboardAvoidingScrollView>(frame);
    }

    void initWithFrame(const cg::Rect& frame) override;
    void setFrame(const cg::Rect& frame) override;
    void setContentSize(const cg::Size& size) override;
    // The content size becomes the extent of the subviews.
    void contentSizeToFit();
    bool focusNextTextField();
    void scrollToActiveTextField();
    KeyboardAvoidingState& keyboardAvoidingState() { return state_; }

    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;
    bool textFieldShouldReturn(ui::TextField& field) override;
    void textFieldDidBeginEditing(ui::TextField& field) override;
    void textViewDidBeginEditing(ui::TextView& view) override;
    void layoutSubviews() override;

private:
    KeyboardAvoidingState state_;
};
