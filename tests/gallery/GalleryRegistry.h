// The gallery's states: one picture each of every screen and kit component
// in a named state (normal, loading, empty, error, each alert it raises).
// A state is a function that brings the launched-or-not application to it
// on the fixture; the gallery then takes the picture.
//
// Each library registers its states from one registration function, called
// from the gallery's main (GalleryMain.cpp); later libraries add a function
// and a line there. Names are file names: lower-case letters, digits and
// '_', unique.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/support/screen/AppFixture.h"

namespace keelbox::gallery {

struct GalleryState {
    std::string name;
    std::function<void(test::AppFixture&)> produce;
};

class GalleryRegistry {
public:
    static void add(const std::string& name, std::function<void(test::AppFixture&)> produce);
    static const std::vector<GalleryState>& states();
    // Names refused (malformed or taken), with why.
    static const std::vector<std::string>& problems();
};

// The registration functions, one per library.
void registerAppGalleryStates();
void registerUikitAlertGalleryStates();
void registerUikitHudGalleryStates();
void registerUikitTabsGalleryStates();
void registerUikitTextGalleryStates();
void registerWidgetsFrameGalleryStates();
void registerWidgetsPartsGalleryStates();
void registerHomeScreensGalleryStates();
void registerSettingsGalleryStates();
void registerWidgetsViewsTwoGalleryStates();
void registerWidgetsViewsOneGalleryStates();
void registerWidgetsPopupGalleryStates();
void registerHomeViewsGalleryStates();
void registerAccountGalleryStates();
void registerWifiSettingsGalleryStates();
void registerFilesGalleryStates();
void registerSafetyGalleryStates();
void registerWifiDevicesGalleryStates();

}  // namespace keelbox::gallery
