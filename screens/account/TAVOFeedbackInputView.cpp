#include "screens/account/TAVOFeedbackInputView.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Utf16.h"

namespace {
constexpr double kFontSize = 16;
constexpr long kBackgroundCaps = 5;
// The count of characters left: three digits of the system font at 14 need
// 27 points here, so the label is 30 wide and ends where the text view's
// background does (290).
constexpr double kCountRight = 290;
constexpr double kCountWidth = 30;
}  // namespace

void TAVOFeedbackInputView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    const double w = frame.size.width;
    const double h = frame.size.height;
    background_ = ui::ImageView::create(cg::RectMake(15, 0, w - 30, h));
    if (auto image = ui::Image::imageNamed("bg_feedback_input_setting.png"))
        background_->setImage(image->resizableImageWithCapInsets(
            cg::EdgeInsets{kBackgroundCaps, kBackgroundCaps, kBackgroundCaps, kBackgroundCaps}));
    addSubview(background_);

    textView_ = ui::TextView::create(cg::RectMake(30, 5, w - 60, h - 30));
    textView_->setFont(ui::Font::systemFontOfSize(kFontSize));
    textView_->textColor = ui::Color::blackColor();
    textView_->setBackgroundColor(ui::Color::clearColor());
    textView_->traits.autocorrectionType = 1;  // no
    textView_->setTextDelegate(self<TAVOFeedbackInputView>());
    addSubview(textView_);

    placeholderLabel_ = ui::Label::create(cg::RectMake(30, 10, w - 60, 40));
    placeholderLabel_->setText(TAVOLocalizedString("feedback will continue improve"));
    placeholderLabel_->setFont(ui::Font::systemFontOfSize(kFontSize));
    placeholderLabel_->setTextColor(ui::Color::white(1.0 / 3.0));
    placeholderLabel_->setNumberOfLines(0);
    placeholderLabel_->setBackgroundColor(ui::Color::clearColor());
    placeholderLabel_->setUserInteractionEnabled(false);
    addSubview(placeholderLabel_);

    countLabel_ = ui::Label::create(cg::RectMake(kCountRight - kCountWidth, h - 20, kCountWidth, 15));
    countLabel_->setText(ns::format("%lu", static_cast<unsigned long>(kMaxLength)));
    countLabel_->setFont(ui::Font::systemFontOfSize(14));
    countLabel_->setTextColor(ui::Color::grayColor());
    countLabel_->setBackgroundColor(ui::Color::clearColor());
    addSubview(countLabel_);
    sendSubviewToBack(background_);
}

void TAVOFeedbackInputView::textViewDidBeginEditing(ui::TextView& textView) {
    placeholderLabel_->setAlpha(0);
    countLabel_->setAlpha(1);
    if (auto d = delegate.lock()) d->textViewDidBeginEditing(textView);
}

bool TAVOFeedbackInputView::shouldChangeTextInRange(ui::TextView& textView, ns::Range range, const std::string&) {
    // At the limit only insertions are refused: replacing or deleting is
    // always allowed.
    return !(ns::utf16::length(textView.text()) >= kMaxLength && range.length == 0);
}

void TAVOFeedbackInputView::textViewDidChange(ui::TextView& textView) {
    // Keep the last line in sight.
    const double bottom = textView.contentSize().height - textView.bounds().size.height + 20;
    if (bottom > textView.contentOffset().y) textView.setContentOffset(cg::PointMake(0, bottom), true);
    const std::size_t length = ns::utf16::length(textView.text());
    countLabel_->setText(ns::format("%lu", static_cast<unsigned long>(length >= kMaxLength ? 0 : kMaxLength - length)));
    if (auto d = delegate.lock()) d->textViewDidChange(textView);
}

void TAVOFeedbackInputView::textViewDidEndEditing(ui::TextView& textView) {
    if (textView.text().empty()) placeholderLabel_->setAlpha(1);
}
