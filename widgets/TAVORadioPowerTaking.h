// A screen that is told, by whoever opens it, the radio power of the band
// in use (a percentage): the opener creates it by class name and sets the
// power through this interface, without knowing the screen's class.
#pragma once

class TAVORadioPowerTaking {
public:
    virtual ~TAVORadioPowerTaking() = default;
    virtual void setRadioPower(int percent) = 0;
};
