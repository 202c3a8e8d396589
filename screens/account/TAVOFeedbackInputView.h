// The feedback's text entry: a framed text view for up to 240 characters
// with a placeholder and a count of the characters left. It tells its
// delegate when editing begins and after each change.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextView.h"

class TAVOFeedbackInputCellDelegate {
public:
    virtual ~TAVOFeedbackInputCellDelegate() = default;
    virtual void textViewDidBeginEditing(ui::TextView&) {}
    virtual void textViewDidChange(ui::TextView&) {}
};

class TAVOFeedbackInputView : public ui::View, public ui::TextViewDelegate {
public:
    using View::View;
    static std::shared_ptr<TAVOFeedbackInputView> create(const cg::Rect& frame = {}) {
        return make<TAVOFeedbackInputView>(frame);
    }

    static constexpr std::size_t kMaxLength = 240;

    void initWithFrame(const cg::Rect& frame) override;

    const std::shared_ptr<ui::TextView>& textView() const { return textView_; }
    const ui::LabelPtr& placeholderLabel() const { return placeholderLabel_; }
    const ui::LabelPtr& countLabel() const { return countLabel_; }
    std::weak_ptr<TAVOFeedbackInputCellDelegate> delegate;

    void textViewDidBeginEditing(ui::TextView& textView) override;
    bool shouldChangeTextInRange(ui::TextView& textView, ns::Range range, const std::string& replacement) override;
    void textViewDidChange(ui::TextView& textView) override;
    void textViewDidEndEditing(ui::TextView& textView) override;

private:
    ui::ImageViewPtr background_;
    std::shared_ptr<ui::TextView> textView_;
    ui::LabelPtr placeholderLabel_;
    ui::LabelPtr countLabel_;
};
