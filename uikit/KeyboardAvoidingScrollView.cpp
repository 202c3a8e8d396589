#include "uikit/KeyboardAvoidingScrollView.h"

#include "uikit/UIScrollViewKeyboardAvoidingAdditions.h"

using Additions = UIScrollViewKeyboardAvoidingAdditions;

void KeyboardAvoidingScrollView::initWithFrame(const cg::Rect& frame) {
    ui::ScrollView::initWithFrame(frame);
    state_.restoresContentSize = true;
    Additions::setup(self<KeyboardAvoidingScrollView>(), state_);
}

void KeyboardAvoidingScrollView::setFrame(const cg::Rect& frame) {
    ui::ScrollView::setFrame(frame);
    Additions::updateContentInset(self<KeyboardAvoidingScrollView>(), state_);
}

void KeyboardAvoidingScrollView::setContentSize(const cg::Size& size) {
    ui::ScrollView::setContentSize(size);
    Additions::updateFromContentSizeChange(self<KeyboardAvoidingScrollView>(), state_);
}

void KeyboardAvoidingScrollView::contentSizeToFit() {
    setContentSize(Additions::calculatedContentSizeFromSubviewFrames(self<KeyboardAvoidingScrollView>()));
}

bool KeyboardAvoidingScrollView::focusNextTextField() {
    return Additions::focusNextTextField(self<KeyboardAvoidingScrollView>(), state_);
}

void KeyboardAvoidingScrollView::scrollToActiveTextField() {
    Additions::scrollToActiveTextField(self<KeyboardAvoidingScrollView>(), state_);
}

void KeyboardAvoidingScrollView::touchesEnded(const ui::TouchSet& touches, const ui::Event* event) {
    if (auto responder = Additions::findFirstResponderBeneathView(self<KeyboardAvoidingScrollView>()))
        responder->resignFirstResponder();
    ui::ScrollView::touchesEnded(touches, event);
}

bool KeyboardAvoidingScrollView::textFieldShouldReturn(ui::TextField& field) {
    if (!focusNextTextField()) field.resignFirstResponder();
    return true;
}

void KeyboardAvoidingScrollView::textFieldDidBeginEditing(ui::TextField&) { scrollToActiveTextField(); }

void KeyboardAvoidingScrollView::textViewDidBeginEditing(ui::TextView&) { scrollToActiveTextField(); }

void KeyboardAvoidingScrollView::layoutSubviews() {
    ui::ScrollView::layoutSubviews();
    Additions::scheduleFieldScan(self<KeyboardAvoidingScrollView>(), state_);
}
