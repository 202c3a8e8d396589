// A horizontal strip of equal-width title buttons with image separators
// between them and a thin line along the bottom; one button is selected at
// a time and the delegate hears which index was chosen. Meant to sit above
// a set of pages.
//
// The button images go in before the titles: buttons take them when they
// are made. Giving titles again replaces the buttons (and clears the
// selection); the separators and the bottom line are made with the buttons,
// not at every layout.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"
#include "widgets/TAVOViewPagerDelegate.h"

class TAVOViewPager : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOViewPager> create(const cg::Rect& frame = {}) { return make<TAVOViewPager>(frame); }

    static constexpr double kTitleFontSize = 13;
    static constexpr double kBottomLineHeight = 1;
    static constexpr int kBottomLineGrey = 224;  // of 255

    const ui::ImagePtr& normalBGImage() const { return normalBGImage_; }
    void setNormalBGImage(const ui::ImagePtr& image) { normalBGImage_ = image; }
    const ui::ImagePtr& highBGImage() const { return highBGImage_; }
    void setHighBGImage(const ui::ImagePtr& image) { highBGImage_ = image; }
    const ui::ImagePtr& splitImage() const { return splitImage_; }
    void setSplitImage(const ui::ImagePtr& image);

    const std::vector<std::string>& titlesArr() const { return titlesArr_; }
    void setTitlesArr(const std::vector<std::string>& titles);

    // -1 until something is selected.
    long selectedIndex() const { return selectedIndex_; }
    // Selects the button at the index (as a click would, telling the
    // delegate) when there is one; stores the index in any case.
    void setSelectedIndex(long index);

    std::shared_ptr<TAVOViewPagerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOViewPagerDelegate>& delegate) { delegate_ = delegate; }

    // The parts, for looking at.
    const std::vector<ui::ButtonPtr>& buttons() const { return btnsContainer_; }
    const std::vector<ui::ImageViewPtr>& separators() const { return separators_; }
    const ui::ViewPtr& bottomLine() const { return bottomLine_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

    void btnClick(ui::Control& sender);

private:
    void shareInit();
    void removeButtons();

    ui::ImagePtr normalBGImage_;
    ui::ImagePtr highBGImage_;
    ui::ImagePtr splitImage_;
    std::vector<std::string> titlesArr_;
    long selectedIndex_ = -1;
    std::weak_ptr<TAVOViewPagerDelegate> delegate_;

    std::vector<ui::ButtonPtr> btnsContainer_;
    ui::ButtonPtr selectedBtn_;
    std::vector<ui::ImageViewPtr> separators_;
    ui::ViewPtr bottomLine_;
};

using TAVOViewPagerPtr = std::shared_ptr<TAVOViewPager>;
