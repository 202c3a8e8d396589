// The application's main function: registers the higher layers' services
// with the core, then runs the application (see TAVOApplicationMain for the
// arguments).
#pragma once

#include "platform/foundation/Value.h"

int KeelboxMain(int argc, char** argv, const ns::Value& launchOptions = {});
