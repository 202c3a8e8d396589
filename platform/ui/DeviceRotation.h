// Turning the device (a test driver): the device's orientation changes and
// is announced; the key window's root controller then decides whether the
// interface follows, as the platform asks it (shouldAutorotate and the
// supported orientations). When it does, the controller hears will-rotate,
// the status bar turns (its orientation notifications), the root view takes
// the rotated transform and the swapped bounds inside an animation during
// which the controller hears will-animate, and did-rotate arrives when that
// animation completes on the clock.
#pragma once

#include <string>

#include "platform/graphics/Geometry.h"
#include "platform/ui/Device.h"

namespace ui {

inline const std::string DeviceOrientationDidChangeNotification = "UIDeviceOrientationDidChangeNotification";

class DeviceRotation {
public:
    // A quarter turn; a half turn takes twice as long.
    static constexpr double kQuarterTurnDuration = 0.4;

    // True when the interface turned with the device.
    static bool turnDeviceTo(DeviceOrientation orientation);

    // The interface orientation that a device orientation shows, when it
    // has one (face up and down and unknown have none).
    static bool interfaceOrientationFor(DeviceOrientation device, InterfaceOrientation& interface);
    // The root view's transform for an interface orientation: a quarter
    // turn clockwise for landscape right, counter-clockwise for landscape
    // left, a half turn upside down.
    static cg::AffineTransform transformFor(InterfaceOrientation orientation);
    static bool isLandscape(InterfaceOrientation orientation) {
        return orientation == InterfaceOrientation::LandscapeLeft || orientation == InterfaceOrientation::LandscapeRight;
    }
};

}  // namespace ui
