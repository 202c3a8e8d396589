// The device's screen: 320 x 480 points, or 320 x 568 on the tall screen,
// at scale 2, with a 20-point status bar above the application frame.
// Tests choose the height.
#pragma once

#include <memory>

#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"

namespace ui {

class Screen : public ns::Object {
public:
    static std::shared_ptr<Screen> create() { return std::make_shared<Screen>(); }
    static std::shared_ptr<Screen> mainScreen();

    cg::Rect bounds() const { return bounds_; }
    // The screen below a visible status bar.
    cg::Rect applicationFrame() const;
    double scale() const { return scale_; }

    // Tests: the 568-point screen (true) or the 480-point one.
    void setTallScreen(bool tall);
    void setBounds(const cg::Rect& bounds) { bounds_ = bounds; }
    void setScale(double scale) { scale_ = scale; }

private:
    cg::Rect bounds_ = cg::RectMake(0, 0, 320, 480);
    double scale_ = 2;
};

}  // namespace ui
