// A vertical stack of views in a scroll view: each view lies under the
// previous one at its own height, keeping its own x and width; the panel
// grows its content size (or, in size-change mode 1, its own height) to
// fit. Inserts and removals may be animated; requests that come while an
// animated change of their kind runs wait and are carried out one at a time
// in arrival order, inserts and removals in two queues of their own.
#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ScrollView.h"
#include "widgets/OpertaionInfo.h"

class TAVOStackPanel : public ui::ScrollView {
public:
    using ScrollView::ScrollView;
    static std::shared_ptr<TAVOStackPanel> create(const cg::Rect& frame = {}) { return make<TAVOStackPanel>(frame); }

    // The fades and moves of an animated change.
    static constexpr double kAnimationSeconds = 0.3;
    // The size-change mode in which the panel's own height follows the stack.
    static constexpr int kResizeFrameMode = 1;

    const std::vector<ui::ViewPtr>& viewsCollection() const { return viewsCollection_; }
    double yPosition() const { return yPosition_; }
    const std::deque<OpertaionInfo>& insertQueue() const { return insertQueue_; }
    const std::deque<OpertaionInfo>& removeQueue() const { return removeQueue_; }
    bool isInserting() const { return isInserting_; }
    bool isRemoving() const { return isRemoving_; }
    int sizeChangeMode() const { return sizeChangeMode_; }
    void setSizeChangeMode(int mode) { sizeChangeMode_ = mode; }
    const ui::ImagePtr& backgroundImage() const { return backgroundImage_; }
    void setBackgroundImage(const ui::ImagePtr& image);

    // At the bottom, at once.
    void addView(const ui::ViewPtr& view);
    // Before the view now at `index`; an index past the last view appends.
    void insertView(const ui::ViewPtr& view, unsigned index, bool animation);
    // A view that is not in the panel when its turn comes is passed over.
    void removeView(const ui::ViewPtr& view, bool animation);
    void removeViewFromCollection(const ui::ViewPtr& view);
    void relayoutSubViewsFromIndex(std::size_t index, bool animation);
    void resizeScrollViewSize();
    cg::Rect stackPanelFrameOnlyHeight(double height) const;
    cg::Rect stackPanelFrameOnlyWidth(double width) const;

    void initWithFrame(const cg::Rect& frame) override;

private:
    void shareInit();
    void runInsertQueue();
    void runRemoveQueue();
    void finishInsert();
    void finishRemove();
    // Lays out the views from `position` on, starting under the one before.
    void relayoutFromPosition(std::size_t position, bool animation);
    void placeAtCursor(const ui::ViewPtr& view, bool animation);
    std::ptrdiff_t positionOf(const ui::ViewPtr& view) const;

    std::vector<ui::ViewPtr> viewsCollection_;
    double yPosition_ = 0;
    std::deque<OpertaionInfo> insertQueue_;
    std::deque<OpertaionInfo> removeQueue_;
    bool isInserting_ = false;
    bool isRemoving_ = false;
    int sizeChangeMode_ = 0;
    ui::ImagePtr backgroundImage_;
    ui::ImageViewPtr backgroundImageView_;
};
