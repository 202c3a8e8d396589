// The class-wide looks of the program's own views, registered once before
// launch (they apply to each view when it first enters a window, so the
// order against the window's making does not matter).
#pragma once

class TAVOWidgetsAppearance {
public:
    TAVOWidgetsAppearance() = delete;

    static void registerLaunchDefaults();
};
