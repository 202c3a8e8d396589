// The USB storage file manager.
// The application calls registerAll() once at start-up, before any screen
// of this module is made: it puts the module's interface builders into the
// nib registry and its screen classes into the screen class registry, by
// which the other screen modules open them without including their headers.
#pragma once

class TAVOFileScreens {
public:
    static void registerAll();
};
