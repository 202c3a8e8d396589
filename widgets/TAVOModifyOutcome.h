// What a screen that changes a router setting tells the screen that opened
// it once it is closed again: whether its change went through. The settings
// screen asks the Wi-Fi password screen (another module) through it.
#pragma once

class TAVOModifyOutcome {
public:
    virtual ~TAVOModifyOutcome() = default;
    virtual bool okToModify() const = 0;
};
