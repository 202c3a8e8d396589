// The base of a node of the folder path strip: a clear view that tells its
// delegate (the strip) when it was tapped.
#pragma once

#include <memory>

#include "platform/ui/View.h"

class TAVOTreeCell;

class TAVOTreeCellDelegate {
public:
    virtual ~TAVOTreeCellDelegate() = default;
    virtual void cellDidSelect(TAVOTreeCell& cell) = 0;
};

class TAVOTreeCell : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOTreeCell> create(const cg::Rect& frame = {}) { return make<TAVOTreeCell>(frame); }

    void initWithFrame(const cg::Rect& frame) override;

    std::shared_ptr<TAVOTreeCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOTreeCellDelegate>& delegate) { delegate_ = delegate; }

private:
    std::weak_ptr<TAVOTreeCellDelegate> delegate_;
};

using TAVOTreeCellPtr = std::shared_ptr<TAVOTreeCell>;
