#include "uikit/KeyboardAvoidingCollectionView.h"

#include "uikit/UIScrollViewKeyboardAvoidingAdditions.h"

using Additions = UIScrollViewKeyboardAvoidingAdditions;

void KeyboardAvoidingCollectionView::initWithFrame(const cg::Rect& frame) {
    ui::CollectionView::initWithFrame(frame);
    Additions::setup(self<KeyboardAvoidingCollectionView>(), state_);
}

void KeyboardAvoidingCollectionView::setFrame(const cg::Rect& frame) {
    ui::CollectionView::setFrame(frame);
    Additions::updateContentInset(self<KeyboardAvoidingCollectionView>(), state_);
}

void KeyboardAvoidingCollectionView::setContentSize(const cg::Size& size) {
    if (size == contentSize()) return;
    ui::CollectionView::setContentSize(size);
    Additions::updateContentInset(self<KeyboardAvoidingCollectionView>(), state_);
}

bool KeyboardAvoidingCollectionView::focusNextTextField() {
    return Additions::focusNextTextField(self<KeyboardAvoidingCollectionView>(), state_);
}

void KeyboardAvoidingCollectionView::scrollToActiveTextField() {
    Additions::scrollToActiveTextField(self<KeyboardAvoidingCollectionView>(), state_);
}

void KeyboardAvoidingCollectionView::touchesEnded(const ui::TouchSet& touches, const ui::Event* event) {
    if (auto responder = Additions::findFirstResponderBeneathView(self<KeyboardAvoidingCollectionView>()))
        responder->resignFirstResponder();
    ui::CollectionView::touchesEnded(touches, event);
}

bool KeyboardAvoidingCollectionView::textFieldShouldReturn(ui::TextField& field) {
    if (!focusNextTextField()) field.resignFirstResponder();
    return true;
}

void KeyboardAvoidingCollectionView::textFieldDidBeginEditing(ui::TextField&) { scrollToActiveTextField(); }

void KeyboardAvoidingCollectionView::textViewDidBeginEditing(ui::TextView&) { scrollToActiveTextField(); }

void KeyboardAvoidingCollectionView::layoutSubviews() {
    ui::CollectionView::layoutSubviews();
    Additions::scheduleFieldScan(self<KeyboardAvoidingCollectionView>(), state_);
}
