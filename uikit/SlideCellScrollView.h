// The horizontal scroll view behind a swipeable cell's content. It slides
// along with the table's vertical drag only while the finger does not move
// vertically, and it keeps the touches on the content to itself: the cell
// selects its row through its own tap recognizer, so the table must not
// select it a second time.
#pragma once

#include <memory>

#include "platform/ui/ScrollView.h"

class SlideCellScrollView : public ui::ScrollView {
public:
    using ui::ScrollView::ScrollView;
    static std::shared_ptr<SlideCellScrollView> create(const cg::Rect& frame = {}) {
        return make<SlideCellScrollView>(frame);
    }
    // Points per second of vertical finger speed below which the cell's
    // drag and the table's drag may go on together.
    static constexpr double kMaximumVerticalVelocity = 0.25;

    bool shouldRecognizeSimultaneously(ui::GestureRecognizer& recognizer, ui::GestureRecognizer& other) override;

    void touchesBegan(const ui::TouchSet&, const ui::Event*) override {}
    void touchesMoved(const ui::TouchSet&, const ui::Event*) override {}
    void touchesEnded(const ui::TouchSet&, const ui::Event*) override {}
    void touchesCancelled(const ui::TouchSet&, const ui::Event*) override {}
};
