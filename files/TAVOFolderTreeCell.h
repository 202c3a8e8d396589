// A node of the router-disk browser's path strip: the folder's name on a
// tab-shaped background that reaches 15 points into the next node (which
// is drawn over it). Touching the node shows the pressed background; when
// the finger lifts, the node reports itself 0.1 s later.
#pragma once

#include <memory>
#include <string>

#include "files/TAVOTreeCell.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

class TAVOFolderTreeCell : public TAVOTreeCell {
public:
    using TAVOTreeCell::TAVOTreeCell;
    static constexpr double kOverlap = 15;
    static constexpr double kSelectDelay = 0.1;

    static std::shared_ptr<TAVOFolderTreeCell> create(const cg::Rect& frame = {}) { return make<TAVOFolderTreeCell>(frame); }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;
    void bindModel(const std::string& text);

    void touchesBegan(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesMoved(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesEnded(const ui::TouchSet& touches, const ui::Event* event) override;
    void touchesCancelled(const ui::TouchSet& touches, const ui::Event* event) override;

    const ui::ImageViewPtr& backgroundImageView() const { return background_; }
    const ui::LabelPtr& pathLB() const { return pathLB_; }
    bool pressed() const { return pressed_; }

private:
    void showPressed(bool pressed);

    ui::ImageViewPtr background_;
    ui::LabelPtr pathLB_;
    bool pressed_ = false;
    ns::ScopedTimer selectTimer_;
};

using TAVOFolderTreeCellPtr = std::shared_ptr<TAVOFolderTreeCell>;
