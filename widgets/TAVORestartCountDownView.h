// The full-screen count-down shown while the router restarts: a larger
// circle centred on a dark veil, with an introduction line under it.
#pragma once

#include <memory>
#include <string>

#include "widgets/TAVOCountDownView.h"

class TAVORestartCountDownView : public TAVOCountDownView {
public:
    using TAVOCountDownView::TAVOCountDownView;
    static std::shared_ptr<TAVORestartCountDownView> create(const cg::Rect& frame = {}) {
        return make<TAVORestartCountDownView>(frame);
    }

    // Made by the first non-empty introduction.
    const ui::LabelPtr& contentLabel() const { return contentLabel_; }
    // An empty text keeps the introduction shown.
    void setIntroduceContent(const std::string& text);

    void initWithFrame(const cg::Rect& frame) override;

private:
    ui::LabelPtr contentLabel_;
};
