#include "uikit/KeyboardAvoidingTableView.h"

#include "uikit/UIScrollViewKeyboardAvoidingAdditions.h"

using Additions = UIScrollViewKeyboardAvoidingAdditions;

void KeyboardAvoidingTableView::initWithFrame(const cg::Rect& frame) {
    ui::TableView::initWithFrame(frame);
    setup();
}

void KeyboardAvoidingTableView::initWithFrameStyle(const cg::Rect& frame, ui::TableViewStyle style) {
    ui::TableView::initWithFrameStyle(frame, style);
    setup();
}

void KeyboardAvoidingTableView::setup() {
    if (state_.keyboardWillShowObserver.token()) return;
    Additions::setup(self<KeyboardAvoidingTableView>(), state_);
}

void KeyboardAvoidingTableView::setFrame(const cg::Rect& frame) {
    ui::TableView::setFrame(frame);
    Additions::updateContentInset(self<KeyboardAvoidingTableView>(), state_);
}

void KeyboardAvoidingTableView::setContentSize(const cg::Size& size) {
    ui::TableView::setContentSize(size);
    Additions::updateContentInset(self<KeyboardAvoidingTableView>(), state_);
}

bool KeyboardAvoidingTableView::focusNextTextField() {
    return Additions::focusNextTextField(self<KeyboardAvoidingTableView>(), state_);
}

void KeyboardAvoidingTableView::scrollToActiveTextField() {
    Additions::scrollToActiveTextField(self<KeyboardAvoidingTableView>(), state_);
}

void KeyboardAvoidingTableView::touchesEnded(const ui::TouchSet& touches, const ui::Event* event) {
    if (auto responder = Additions::findFirstResponderBeneathView(self<KeyboardAvoidingTableView>()))
        responder->resignFirstResponder();
    ui::TableView::touchesEnded(touches, event);
}

bool KeyboardAvoidingTableView::textFieldShouldReturn(ui::TextField& field) {
    if (!focusNextTextField()) field.resignFirstResponder();
    return true;
}

void KeyboardAvoidingTableView::textFieldDidBeginEditing(ui::TextField&) { scrollToActiveTextField(); }

void KeyboardAvoidingTableView::textViewDidBeginEditing(ui::TextView&) { scrollToActiveTextField(); }

void KeyboardAvoidingTableView::layoutSubviews() {
    ui::TableView::layoutSubviews();
    Additions::scheduleFieldScan(self<KeyboardAvoidingTableView>(), state_);
}
