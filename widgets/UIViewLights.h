// Moving lights: a narrow diagonal white band that sweeps across a view
// every four seconds, forever, seen through a mask image when one is given.
// The band lives in one container layer of the view's layer, named
// "lightsLayer", so starting again never stacks a second one.
#pragma once

#include "platform/ui/Image.h"
#include "platform/ui/Layer.h"
#include "platform/ui/View.h"

class UIViewLights {
public:
    UIViewLights() = delete;

    static constexpr const char* kLayerName = "lightsLayer";
    static constexpr const char* kAnimationKey = "lights";
    static constexpr double kSweepSeconds = 4.0;

    // Stops any earlier lights first.
    static void animateLights(const ui::ViewPtr& view, const ui::ImagePtr& mask);
    static void stopLightsAnimation(const ui::ViewPtr& view);
    // The view layer's first sublayer named "lightsLayer", or null.
    static ca::LayerPtr lightsLayer(const ui::ViewPtr& view);
    // Removes the current one; a new one is named and added.
    static void setLightsLayer(const ui::ViewPtr& view, const ca::LayerPtr& layer);
};
