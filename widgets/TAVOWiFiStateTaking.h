// A screen that is told, by whoever opens it, whether the router's Wi-Fi is
// on: the opener creates it by class name and sets the state through this
// interface, without knowing the screen's class.
#pragma once

class TAVOWiFiStateTaking {
public:
    virtual ~TAVOWiFiStateTaking() = default;
    virtual void setWifiOpen(bool open) = 0;
};
