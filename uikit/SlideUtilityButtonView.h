// One side's row of utility buttons of a swipeable cell, side by side at
// one width (58 points each, narrower when more would pass 260 points). A
// tap on a button calls the cell's handler with the button's index.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/View.h"

class SlideTableViewCell;

class SlideUtilityButtonView : public ui::View {
public:
    using ui::View::View;
    using Handler = void (SlideTableViewCell::*)(std::size_t index);
    static constexpr double kButtonWidth = 58;
    static constexpr double kMaximumButtonsWidth = 260;

    static std::shared_ptr<SlideUtilityButtonView> create(const std::vector<ui::ButtonPtr>& buttons,
                                                          const std::shared_ptr<SlideTableViewCell>& parentCell,
                                                          Handler handler, const cg::Rect& frame = {});
    ~SlideUtilityButtonView() override;

    // The width of each of `count` buttons.
    static double calculateUtilityButtonWidth(std::size_t count);

    const std::vector<ui::ButtonPtr>& utilityButtons() const { return utilityButtons_; }
    double utilityButtonWidth() const { return utilityButtonWidth_; }
    // All buttons together.
    double utilityButtonsWidth() const { return static_cast<double>(utilityButtons_.size()) * utilityButtonWidth_; }
    double height() const { return height_; }
    // Frames each button to the new height.
    void setHeight(double height);

    // Frames, tags and adds the buttons, each with a tap recognizer that
    // reports its index to the cell.
    void populateUtilityButtons();
    // Takes this view's tap recognizers off the buttons (a button handed to
    // a newer row must not report twice).
    void detachFromButtons();

private:
    std::vector<ui::ButtonPtr> utilityButtons_;
    double utilityButtonWidth_ = 0;
    std::weak_ptr<SlideTableViewCell> parentCell_;
    Handler handler_ = nullptr;
    double height_ = 0;
    std::vector<std::pair<std::weak_ptr<ui::Button>, std::shared_ptr<ui::TapGestureRecognizer>>> recognizers_;
};

using SlideUtilityButtonViewPtr = std::shared_ptr<SlideUtilityButtonView>;
