// Screens by class name. Each screen module registers its screen classes
// from its registration function; another module opens one of them by name
// ("TAVORouterAdminPwdViewController"), without including its header, since
// the screen modules stand side by side and never include one another.
#pragma once

#include "platform/foundation/ClassRegistry.h"
#include "platform/ui/ViewController.h"

using TAVOScreenClassRegistry = ns::ClassRegistry<ui::ViewController>;
