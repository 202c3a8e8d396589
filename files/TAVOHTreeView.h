// The horizontal strip above the router-disk list that shows the open
// folder's path as a row of nodes, one per folder from the root down. It
// asks its data source for the nodes and its delegate for their widths;
// on each layout pass new nodes slide in from the right (0.25 s) below
// their predecessors, and nodes no longer wanted slide out to the right
// and are removed. A path wider than the strip scrolls to its last node.
#pragma once

#include <memory>
#include <vector>

#include "files/TAVOTreeCell.h"
#include "platform/ui/ScrollView.h"

class TAVOHTreeView;

class TAVOHTreeViewDataSource {
public:
    virtual ~TAVOHTreeViewDataSource() = default;
    virtual unsigned numberOfNodesInTreeView(TAVOHTreeView& tree) = 0;
    virtual TAVOTreeCellPtr cellForRowAtIndex(TAVOHTreeView& tree, unsigned index) = 0;
};

class TAVOHTreeViewDelegate {
public:
    virtual ~TAVOHTreeViewDelegate() = default;
    virtual double widthForRowAtIndex(TAVOHTreeView& tree, unsigned index) = 0;
    virtual void didSelectRowAtIndex(TAVOHTreeView&, unsigned) {}
};

class TAVOHTreeView : public ui::View, public TAVOTreeCellDelegate {
public:
    using ui::View::View;
    static constexpr double kSlideDuration = 0.25;
    static constexpr double kOverlap = 15;

    static std::shared_ptr<TAVOHTreeView> create(const cg::Rect& frame) { return make<TAVOHTreeView>(frame); }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    // The nodes catch up with the data source on the next layout pass.
    void reloadData();
    void cellDidSelect(TAVOTreeCell& cell) override;

    void setDataSource(const std::shared_ptr<TAVOHTreeViewDataSource>& d) { dataSource_ = d; }
    void setDelegate(const std::shared_ptr<TAVOHTreeViewDelegate>& d) { delegate_ = d; }
    const ui::ViewPtr& headerView() const { return headerView_; }
    void setHeaderView(const ui::ViewPtr& view) { headerView_ = view; }

    const ui::ScrollViewPtr& scrollView() const { return scrollView_; }
    const std::vector<TAVOTreeCellPtr>& cells() const { return cells_; }
    double currentX() const { return currentX_; }

private:
    ui::ScrollViewPtr scrollView_;
    ui::ViewPtr bottomLine_;
    std::vector<TAVOTreeCellPtr> cells_;
    double currentX_ = 0;
    ui::ViewPtr headerView_;
    std::weak_ptr<TAVOHTreeViewDataSource> dataSource_;
    std::weak_ptr<TAVOHTreeViewDelegate> delegate_;
};

using TAVOHTreeViewPtr = std::shared_ptr<TAVOHTreeView>;
