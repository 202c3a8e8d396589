// What the app center hands to the tool screens it opens by class name
// (they live in a sibling screen module): the Wi-Fi switch screen learns
// whether the Wi-Fi is on, the radio-power screen the band's power.
#pragma once

class TAVOWifiDoorTool {
public:
    virtual ~TAVOWifiDoorTool() = default;
    virtual void setWifiOpen(bool open) = 0;
};

class TAVORadioPowerTool {
public:
    virtual ~TAVORadioPowerTool() = default;
    // A percentage of full power.
    virtual void setRadioPower(int percent) = 0;
};
