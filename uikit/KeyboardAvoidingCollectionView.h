// A collection view that keeps the text field being edited visible above the
// keyboard, moves the focus to the next field on Return (the last field's
// Return ends editing) and ends editing on a tap outside the fields.
#pragma once

#include <memory>

#include "platform/ui/CollectionView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "uikit/KeyboardAvoidingState.h"

class KeyboardAvoidingCollectionView : public ui::CollectionView, public ui::TextFieldDelegate, public ui::TextViewDelegate {
public:
    using ui::CollectionView::CollectionView;
    static std::shared_ptr<KeyboardAvoidingCollectionView> create(
        const cg::Rect& frame, std::shared_ptr<ui::CollectionViewFlowLayout> layout = nullptr) {
        auto view = make<KeyboardAvoidingCollectionView>(frame);
        if (layout) view->setCollectionViewLayout(std::move(layout));
        return view;
    }

    void initWithFrame(const cg::Rect& frame) override;
    void setFrame(const cg::Rect& frame) override;
    // The same size again changes nothing.
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
    KeyboardAvoidingState state_;
};
