// A shake: the view moves back and forth by a distance, a number of times,
// and ends where it started (identity transform).
#pragma once

#include "platform/ui/View.h"

class UIViewShake {
public:
    UIViewShake() = delete;

    static constexpr double kDefaultSpeed = 0.03;
    enum Direction : int { Horizontal = 0, Vertical = 1 };

    // `times` counts the moves as the steps count down towards each other:
    // 5 makes four moves, 1 two, 0 one; then the view is reset.
    static void shake(const ui::ViewPtr& view, int times, double delta);
    static void shake(const ui::ViewPtr& view, int times, double delta, double speed);
    // Any direction other than 0 shakes vertically.
    static void shake(const ui::ViewPtr& view, int times, double delta, double speed, int shakeDirection);

private:
    static void step(const std::weak_ptr<ui::View>& view, int times, int direction, int current, double delta,
                     double speed, int shakeDirection);
};
