// The segmented control whose look is set from outside: a background
// picture per segment, a selection picture that slides onto the chosen
// segment, three title colours, a font and a gap between segments that
// fill the control's height.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/Font.h"
#include "widgets/SGSegmentControl.h"

class SGExtendSegControl : public SGSegmentControl {
public:
    using SGSegmentControl::SGSegmentControl;
    static std::shared_ptr<SGExtendSegControl> create(const cg::Rect& frame = {});

    // The selection picture's slide.
    static constexpr double kSlideSeconds = 0.2;

    // Replaces the segments (an empty list keeps them) and chooses the first.
    void setItemArray(const std::vector<ns::Value>& titles);

    const ui::ImagePtr& selectedImage() const { return selectedImage_; }
    void setSelectedImage(const ui::ImagePtr& image);
    const ui::ImagePtr& normalImage() const { return normalImage_; }
    void setNormalImage(const ui::ImagePtr& image);
    const ui::OptionalColor& normalcolor() const { return normalcolor_; }
    void setNormalcolor(const ui::OptionalColor& color);
    const ui::OptionalColor& selectedColor() const { return selectedColor_; }
    void setSelectedColor(const ui::OptionalColor& color) { selectedColor_ = color; }
    const ui::OptionalColor& highlightColor() const { return highlightColor_; }
    void setHighlightColor(const ui::OptionalColor& color);
    const std::optional<ui::Font>& font() const { return font_; }
    void setFont(const std::optional<ui::Font>& font);
    double segSpace() const { return segSpace_; }
    void setSegSpace(double space) { segSpace_ = space; }

    void indexChangedAnimation(int previousIndex, bool animation) override;
    void layoutCustomViews() override;

private:
    ui::ImagePtr selectedImage_;
    ui::ImagePtr normalImage_;
    ui::OptionalColor normalcolor_;
    ui::OptionalColor selectedColor_;
    ui::OptionalColor highlightColor_;
    std::optional<ui::Font> font_;
    double segSpace_ = 0;
};
