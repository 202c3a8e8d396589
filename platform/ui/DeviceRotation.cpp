#include "platform/ui/DeviceRotation.h"

#include <cmath>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

namespace ui {

bool DeviceRotation::interfaceOrientationFor(DeviceOrientation device, InterfaceOrientation& interface) {
    switch (device) {
        case DeviceOrientation::Portrait: interface = InterfaceOrientation::Portrait; return true;
        case DeviceOrientation::PortraitUpsideDown: interface = InterfaceOrientation::PortraitUpsideDown; return true;
        // Turning the device to the left shows the interface turned right.
        case DeviceOrientation::LandscapeLeft: interface = InterfaceOrientation::LandscapeRight; return true;
        case DeviceOrientation::LandscapeRight: interface = InterfaceOrientation::LandscapeLeft; return true;
        default: return false;
    }
}

cg::AffineTransform DeviceRotation::transformFor(InterfaceOrientation orientation) {
    switch (orientation) {
        case InterfaceOrientation::LandscapeRight: return cg::AffineTransformMakeRotation(M_PI / 2);
        case InterfaceOrientation::LandscapeLeft: return cg::AffineTransformMakeRotation(-M_PI / 2);
        case InterfaceOrientation::PortraitUpsideDown: return cg::AffineTransformMakeRotation(M_PI);
        default: return cg::AffineTransformIdentity;
    }
}

bool DeviceRotation::turnDeviceTo(DeviceOrientation orientation) {
    auto device = Device::currentDevice();
    if (device->orientation != orientation) {
        device->orientation = orientation;
        ns::NotificationCenter::defaultCenter()->postNotificationName(DeviceOrientationDidChangeNotification,
                                                                      ns::Value(device));
    }
    InterfaceOrientation target;
    if (!interfaceOrientationFor(orientation, target)) return false;
    auto app = Application::sharedApplication();
    InterfaceOrientation old = app->statusBarOrientation();
    auto window = app->keyWindow();
    auto controller = window ? window->rootViewController() : nullptr;
    if (!controller || target == old) return false;
    unsigned mask = 1u << static_cast<unsigned>(target);
    if (!controller->shouldAutorotate() || (controller->supportedInterfaceOrientations() & mask) == 0) return false;

    double duration = isLandscape(old) == isLandscape(target) ? 2 * kQuarterTurnDuration : kQuarterTurnDuration;
    controller->willRotateToInterfaceOrientation(target, duration);
    app->setStatusBarOrientation(target, true);
    std::weak_ptr<ViewController> weak = controller;
    ViewAnimation::animate(
        duration,
        [&] {
            // The window stays upright; the root view turns inside it.
            if (controller->isViewLoaded()) {
                auto root = controller->view();
                cg::Rect w = window->bounds();
                cg::Size size = isLandscape(target) ? cg::Size{w.size.height, w.size.width} : w.size;
                root->setTransform(transformFor(target));
                root->setBounds(cg::RectMake(0, 0, size.width, size.height));
                root->setCenter({cg::RectGetMidX(w), cg::RectGetMidY(w)});
            }
            controller->willAnimateRotationToInterfaceOrientation(target, duration);
        },
        [weak, old](bool) {
            if (auto c = weak.lock()) c->didRotateFromInterfaceOrientation(old);
        });
    return true;
}

}  // namespace ui
