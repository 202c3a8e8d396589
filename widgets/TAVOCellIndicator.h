// A tappable header strip of a list: a stretched background button (users
// attach their action to it), a text and a trailing arrow.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOCellIndicator : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOCellIndicator> create(const cg::Rect& frame = {}) {
        return make<TAVOCellIndicator>(frame);
    }

    const std::shared_ptr<ui::Button>& bgButton() const { return bgButton_; }
    const ui::ImageViewPtr& appender() const { return appender_; }
    const ui::LabelPtr& content() const { return content_; }

    void initWithFrame(const cg::Rect& frame) override;

private:
    std::shared_ptr<ui::Button> bgButton_;
    ui::ImageViewPtr appender_;
    ui::LabelPtr content_;
};
