// A table that keeps the text field being edited visible above the
// keyboard, moves the focus to the next field on Return (the last field's
// Return ends editing) and ends editing on a tap outside the fields.
#pragma once

#include <memory>

#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "uikit/KeyboardAvoidingState.h"

class KeyboardAvoidingTableView : public ui::TableView, public ui::TextFieldDelegate, public ui::TextViewDelegate {
public:
    using ui::TableView::TableView;
    static std::shared_ptr<KeyboardAvoidingTableView> create(const cg::Rect& frame,
                                                             ui::TableViewStyle style = ui::TableViewStyle::Plain) {
        return makeTable<KeyboardAvoidingTableView>(frame, style);
    }

    void initWithFrame(const cg::Rect& frame) override;
    void initWithFrameStyle(const cg::Rect& frame, ui::TableViewStyle style) override;
    void setFrame(const cg::Rect& frame) override;
    void setContentSize(const cg::Size& size) override;
    bool focusNextTextField();
    void scrollToActiveTextField();
    KeyboardAvoidingState& keyboardAvoidingState() { return state_; }

    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;
    bool textFieldShouldReturn(ui::TextField& field) override;
    void textFieldDidBeginEditing(ui::TextField& field) override;
    void textViewDidBeginEditing(ui::TextView& view) override;
    void layoutSubviews() override;

private:
    void setup();
    KeyboardAvoidingState state_;
};
