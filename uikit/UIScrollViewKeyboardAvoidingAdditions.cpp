#include "uikit/UIScrollViewKeyboardAvoidingAdditions.h"

#include <algorithm>
#include <limits>

#include "platform/ui/KeyboardNotifications.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/ViewAnimation.h"

namespace {

bool isTextInput(const ui::ViewPtr& view) {
    return std::dynamic_pointer_cast<ui::TextField>(view) || std::dynamic_pointer_cast<ui::TextView>(view);
}

// A view's frame in the scroll view's coordinates.
cg::Rect frameInScrollView(const ui::ViewPtr& view, const ui::ScrollViewPtr& scrollView) {
    auto superview = view->superview();
    if (!superview) return view->frame();
    return superview->convertRectToView(view->frame(), scrollView);
}

}  // namespace

void UIScrollViewKeyboardAvoidingAdditions::setup(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state) {
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<ui::ScrollView> weak = view;
    // The state lives in the view: while the view does, so does the state.
    auto* kept = &state;
    state.keyboardWillShowObserver = ns::ScopedObserver(
        center, center->addObserverForName(ui::KeyboardWillShowNotification, {}, nullptr,
                                           [weak, kept](const ns::NotificationPtr& n) {
                                               if (auto v = weak.lock()) keyboardWillShow(v, *kept, n);
                                           }));
    state.keyboardWillHideObserver = ns::ScopedObserver(
        center, center->addObserverForName(ui::KeyboardWillHideNotification, {}, nullptr,
                                           [weak, kept](const ns::NotificationPtr& n) {
                                               if (auto v = weak.lock()) keyboardWillHide(v, *kept, n);
                                           }));
}

void UIScrollViewKeyboardAvoidingAdditions::keyboardWillShow(const ui::ScrollViewPtr& view,
                                                             KeyboardAvoidingState& state,
                                                             const ns::NotificationPtr& notification) {
    if (!view || state.keyboardVisible) return;
    auto firstResponder = findFirstResponderBeneathView(view);
    const ns::Dictionary info = notification ? notification->userInfo() : ns::Dictionary{};
    auto endFrame = info[ui::KeyboardFrameEndUserInfoKey].as<ui::RectValue>();
    state.keyboardFrameInWindow = endFrame ? endFrame->rect : cg::Rect{};
    state.keyboardRect = endFrame ? view->convertRectFromView(endFrame->rect, nullptr) : cg::Rect{};
    state.keyboardVisible = true;
    state.priorInset = view->contentInset();
    state.priorScrollIndicatorInsets = view->scrollIndicatorInsets();
    if (state.restoresContentSize) {
        state.priorContentSize = view->contentSize();
        if (view->contentSize() == cg::Size{}) {
            state.sizingContentForKeyboard = true;
            view->setContentSize(calculatedContentSizeFromSubviewFrames(view));
            state.sizingContentForKeyboard = false;
        }
    }
    const double duration = info[ui::KeyboardAnimationDurationUserInfoKey].doubleValue();
    const int curve = info[ui::KeyboardAnimationCurveUserInfoKey].intValue();
    ui::ViewAnimation::animateWithCurve(duration, curve, [&] {
        const cg::EdgeInsets inset = contentInsetForKeyboard(view, state);
        view->setContentInset(inset);
        if (firstResponder) {
            const double height = view->bounds().size.height - inset.top - inset.bottom;
            const double y = idealOffsetForView(view, firstResponder, height);
            ui::ViewAnimation::performWithoutAnimation(
                [&] { view->setContentOffset(cg::PointMake(view->contentOffset().x, y)); });
        }
        view->setScrollIndicatorInsets(inset);
    });
}

void UIScrollViewKeyboardAvoidingAdditions::keyboardWillHide(const ui::ScrollViewPtr& view,
                                                             KeyboardAvoidingState& state,
                                                             const ns::NotificationPtr& notification) {
    if (!view || !state.keyboardVisible) return;
    state.keyboardRect = cg::Rect{};
    state.keyboardFrameInWindow = cg::Rect{};
    state.keyboardVisible = false;
    const ns::Dictionary info = notification ? notification->userInfo() : ns::Dictionary{};
    const double duration = info[ui::KeyboardAnimationDurationUserInfoKey].doubleValue();
    const int curve = info[ui::KeyboardAnimationCurveUserInfoKey].intValue();
    ui::ViewAnimation::animateWithCurve(duration, curve, [&] {
        if (state.restoresContentSize) view->setContentSize(state.priorContentSize);
        view->setContentInset(state.priorInset);
        view->setScrollIndicatorInsets(state.priorScrollIndicatorInsets);
    });
}

cg::EdgeInsets UIScrollViewKeyboardAvoidingAdditions::contentInsetForKeyboard(const ui::ScrollViewPtr& view,
                                                                              const KeyboardAvoidingState& state) {
    cg::EdgeInsets inset = view->contentInset();
    // How deep the keyboard reaches into the visible bounds, where the view
    // is now; a view wholly above the keyboard keeps all of its content
    // reachable.
    const cg::Rect keyboard = view->convertRectFromView(state.keyboardFrameInWindow, nullptr);
    const double covered =
        keyboard.size.height - (cg::RectGetMaxY(keyboard) - cg::RectGetMaxY(view->bounds()));
    inset.bottom = std::max(0.0, covered);
    return inset;
}

void UIScrollViewKeyboardAvoidingAdditions::updateContentInset(const ui::ScrollViewPtr& view,
                                                               KeyboardAvoidingState& state) {
    if (state.keyboardVisible) view->setContentInset(contentInsetForKeyboard(view, state));
}

void UIScrollViewKeyboardAvoidingAdditions::updateFromContentSizeChange(const ui::ScrollViewPtr& view,
                                                                        KeyboardAvoidingState& state) {
    if (!state.keyboardVisible) return;
    if (!state.sizingContentForKeyboard) state.priorContentSize = view->contentSize();
    updateContentInset(view, state);
}

double UIScrollViewKeyboardAvoidingAdditions::idealOffsetForView(const ui::ScrollViewPtr& view,
                                                                 const ui::ViewPtr& field, double viewingAreaHeight) {
    const cg::Rect r = field->convertRectToView(field->bounds(), view);
    const double topInset = view->contentInset().top;
    const double padding = std::max((viewingAreaHeight - r.size.height) / 2, kMinimumScrollOffsetPadding);
    double offset = r.origin.y - padding - topInset;
    offset = std::min(offset, view->contentSize().height - viewingAreaHeight);
    return std::max(offset, -topInset);
}

void UIScrollViewKeyboardAvoidingAdditions::scrollToActiveTextField(const ui::ScrollViewPtr& view,
                                                                    KeyboardAvoidingState& state) {
    if (!state.keyboardVisible) return;
    auto firstResponder = findFirstResponderBeneathView(view);
    if (!firstResponder) return;
    const cg::EdgeInsets inset = view->contentInset();
    const double height = view->bounds().size.height - inset.top - inset.bottom;
    const double y = idealOffsetForView(view, firstResponder, height);
    ui::ViewAnimation::animate(kScrollToFieldDuration, [&] { view->setContentOffset(cg::PointMake(0, y)); });
}

ui::ViewPtr UIScrollViewKeyboardAvoidingAdditions::findFirstResponderBeneathView(const ui::ViewPtr& view) {
    if (!view) return nullptr;
    for (const auto& sub : view->subviews()) {
        if (sub->isFirstResponder()) return sub;
        if (auto found = findFirstResponderBeneathView(sub)) return found;
    }
    return nullptr;
}

void UIScrollViewKeyboardAvoidingAdditions::findTextFieldAfterTextField(const ui::ScrollViewPtr& view,
                                                                        const ui::ViewPtr& current,
                                                                        const ui::ViewPtr& beneath, double& minY,
                                                                        ui::ViewPtr& found) {
    // Both frames in the scroll view's coordinates: fields in different
    // cells are compared where they are, not where they sit in their cells.
    const cg::Rect currentFrame = frameInScrollView(current, view);
    for (const auto& sub : beneath->subviews()) {
        if (sub->isHidden()) continue;
        if (isTextInput(sub) && sub->isUserInteractionEnabled()) {
            const cg::Rect f = frameInScrollView(sub, view);
            const bool after = f.origin.y != currentFrame.origin.y || f.origin.x >= currentFrame.origin.x;
            if (sub != current && f.origin.y >= currentFrame.origin.y && f.origin.y < minY && after) {
                minY = f.origin.y;
                found = sub;
            }
        } else {
            findTextFieldAfterTextField(view, current, sub, minY, found);
        }
    }
}

bool UIScrollViewKeyboardAvoidingAdditions::focusNextTextField(const ui::ScrollViewPtr& view,
                                                               KeyboardAvoidingState& state) {
    auto firstResponder = findFirstResponderBeneathView(view);
    if (!firstResponder) return false;
    double minY = std::numeric_limits<float>::max();
    ui::ViewPtr next;
    findTextFieldAfterTextField(view, firstResponder, view, minY, next);
    if (!next) return false;
    std::weak_ptr<ui::View> weakNext = next;
    state.focusTimer.start(0, false, [weakNext] {
        if (auto field = weakNext.lock()) field->becomeFirstResponder();
    });
    return true;
}

void UIScrollViewKeyboardAvoidingAdditions::scheduleFieldScan(const ui::ScrollViewPtr& view,
                                                              KeyboardAvoidingState& state) {
    std::weak_ptr<ui::ScrollView> weak = view;
    state.fieldScanTimer.start(kFieldScanDelay, false, [weak] {
        if (auto v = weak.lock()) assignTextDelegateForViewsBeneathView(v, v);
    });
}

void UIScrollViewKeyboardAvoidingAdditions::assignTextDelegateForViewsBeneathView(const ui::ScrollViewPtr& view,
                                                                                  const ui::ViewPtr& beneath) {
    for (const auto& sub : beneath->subviews()) {
        if (isTextInput(sub))
            initializeView(view, sub);
        else
            assignTextDelegateForViewsBeneathView(view, sub);
    }
}

void UIScrollViewKeyboardAvoidingAdditions::initializeView(const ui::ScrollViewPtr& view, const ui::ViewPtr& field) {
    auto textField = std::dynamic_pointer_cast<ui::TextField>(field);
    if (!textField || textField->returnKeyType() != ui::ReturnKeyType::Default) return;
    auto delegate = std::dynamic_pointer_cast<ui::TextFieldDelegate>(view);
    if (!delegate) return;
    if (textField->hasDelegate() && textField->delegate() != delegate) return;
    textField->setDelegate(delegate);
    double minY = std::numeric_limits<float>::max();
    ui::ViewPtr next;
    findTextFieldAfterTextField(view, textField, view, minY, next);
    textField->setReturnKeyType(next ? ui::ReturnKeyType::Next : ui::ReturnKeyType::Done);
}

cg::Size UIScrollViewKeyboardAvoidingAdditions::calculatedContentSizeFromSubviewFrames(const ui::ScrollViewPtr& view) {
    const bool showsVertical = view->showsVerticalScrollIndicator;
    const bool showsHorizontal = view->showsHorizontalScrollIndicator;
    view->showsVerticalScrollIndicator = false;
    view->showsHorizontalScrollIndicator = false;
    cg::Rect united;
    for (const auto& sub : view->subviews()) united = cg::RectUnion(united, sub->frame());
    view->showsVerticalScrollIndicator = showsVertical;
    view->showsHorizontalScrollIndicator = showsHorizontal;
    return cg::SizeMake(united.size.width, united.size.height + kCalculatedContentPadding);
}
