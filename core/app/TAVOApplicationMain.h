// The program's main function: runs the application with TAVOAppDelegate
// until it is terminated (SIGINT or SIGTERM, closing its desktop window, or
// after the seconds given with "--quit-after <seconds>").
//
// With a display (DISPLAY set) the window stack is shown in a desktop
// window; without one the application runs headless. "--screenshot PATH"
// writes the window stack as a PNG after the --quit-after seconds (else
// after three, past the launch splash), then exits.
//
// The launch options reach the application delegate as the platform's
// launch options (a push payload that started the process goes under
// ui::ApplicationLaunchOptionsRemoteNotificationKey). "--push-payload JSON"
// plays a launch from a tapped notification with that payload.
#pragma once

#include "platform/foundation/Value.h"

int TAVOApplicationMain(int argc, char** argv, const ns::Value& launchOptions = {});
