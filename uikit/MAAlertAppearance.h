// The look every alert of the application shows unless it sets its own:
// a light panel, a bold black title, a dark grey message, green button
// titles and light grey pressed buttons. Registered once on the platform's
// appearance defaults for MAAlertView (and so for its subclasses) when the
// class is first used; applied to each alert as it enters its window.
#pragma once

class MAAlertAppearance {
public:
    static void registerDefaults();
};
