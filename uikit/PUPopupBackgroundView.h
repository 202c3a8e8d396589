// The dimming behind a popup: black that deepens from clear at the centre
// to three-quarters at the edges.
#pragma once

#include <memory>

#include "platform/ui/View.h"

class PUPopupBackgroundView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<PUPopupBackgroundView> create(const cg::Rect& frame = {}) {
        return make<PUPopupBackgroundView>(frame);
    }

    void drawRect(const cg::Rect& rect) override;
};
