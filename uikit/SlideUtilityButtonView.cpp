#include "uikit/SlideUtilityButtonView.h"

#include "uikit/SlideTableViewCell.h"

std::shared_ptr<SlideUtilityButtonView> SlideUtilityButtonView::create(
    const std::vector<ui::ButtonPtr>& buttons, const std::shared_ptr<SlideTableViewCell>& parentCell, Handler handler,
    const cg::Rect& frame) {
    auto view = make<SlideUtilityButtonView>(frame);
    for (const auto& button : buttons)
        if (button) view->utilityButtons_.push_back(button);
    view->utilityButtonWidth_ = calculateUtilityButtonWidth(view->utilityButtons_.size());
    view->parentCell_ = parentCell;
    view->handler_ = handler;
    return view;
}

SlideUtilityButtonView::~SlideUtilityButtonView() { detachFromButtons(); }

double SlideUtilityButtonView::calculateUtilityButtonWidth(std::size_t count) {
    const double n = static_cast<double>(count);
    if (kButtonWidth * n <= kMaximumButtonsWidth) return kButtonWidth;
    return kButtonWidth - (kButtonWidth * n - kMaximumButtonsWidth) / n;
}

void SlideUtilityButtonView::setHeight(double height) {
    height_ = height;
    for (std::size_t i = 0; i < utilityButtons_.size(); ++i)
        utilityButtons_[i]->setFrame(
            cg::RectMake(static_cast<double>(i) * utilityButtonWidth_, 0, utilityButtonWidth_, height));
}

void SlideUtilityButtonView::populateUtilityButtons() {
    detachFromButtons();
    auto cell = parentCell_.lock();
    for (std::size_t i = 0; i < utilityButtons_.size(); ++i) {
        const auto& button = utilityButtons_[i];
        button->setFrame(cg::RectMake(static_cast<double>(i) * utilityButtonWidth_, 0, utilityButtonWidth_,
                                      bounds().size.height));
        button->setTag(static_cast<long>(i));
        auto tap = ui::TapGestureRecognizer::create();
        tap->addTarget(cell, "utilityButtonTapped", [weak = parentCell_, handler = handler_, i](ui::GestureRecognizer&) {
            if (auto c = weak.lock(); c && handler) ((*c).*handler)(i);
        });
        button->addGestureRecognizer(tap);
        recognizers_.emplace_back(button, tap);
        addSubview(button);
    }
}

void SlideUtilityButtonView::detachFromButtons() {
    for (auto& [weakButton, tap] : recognizers_)
        if (auto button = weakButton.lock()) button->removeGestureRecognizer(tap);
    recognizers_.clear();
}
