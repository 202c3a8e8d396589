// A row of text segments built from plain buttons, with a thin bar that
// slides under the chosen one; the chosen title is larger and darker. A
// person's tap on another segment sends the value-changed event; choosing
// from code sends nothing.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/Value.h"
#include "platform/ui/Control.h"
#include "platform/ui/ImageView.h"
#include "widgets/SegmentItem.h"

class SGSegmentControl : public ui::Control {
public:
    using Control::Control;
    // One segment per string of `titles`; other elements are skipped.
    static std::shared_ptr<SGSegmentControl> create(const std::vector<ns::Value>& titles);

    // The bar's slide to a newly chosen segment.
    static constexpr double kSlideSeconds = 0.3;

    int selectedIndex() const { return selectedIndex_; }
    // An index outside the segments is ignored.
    void setSelectedIndex(int index);
    void setSelectedIndex(unsigned index, bool animation);
    // The number of segments (a value set is kept and not used).
    int numberOfItems() const { return static_cast<int>(items_.size()); }
    void setNumberOfItems(int count) { numberOfItems_ = count; }
    const std::vector<SegmentItemPtr>& items() const { return items_; }
    const ui::ImageViewPtr& selectionView() const { return selectionView_; }

    // A segment's button was tapped.
    void segmentControlValueChanged(ui::Control& button);
    virtual void indexChangedAnimation(int previousIndex, bool animation);
    void updateSelectedItem();
    void layoutSubviews() override;
    virtual void layoutCustomViews();

protected:
    void initWithTitleArray(const std::vector<ns::Value>& titles);
    // Appends one item per string title and adds its background view.
    void makeItems(const std::vector<ns::Value>& titles, const ui::ImagePtr& background);
    // Wires a segment's button to segmentControlValueChanged.
    void listenTo(const std::shared_ptr<ui::Button>& button);
    void removeItems();
    void setSelectionView(const ui::ImageViewPtr& view) { selectionView_ = view; }
    void storeSelectedIndex(int index) { selectedIndex_ = index; }

private:
    std::vector<SegmentItemPtr> items_;
    ui::ImageViewPtr selectionView_;
    int selectedIndex_ = 0;
    int numberOfItems_ = 0;
};
