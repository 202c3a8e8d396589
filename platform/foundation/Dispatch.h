// The dispatch layer in one include: queues, after(), groups, semaphores, once.
#pragma once

#include "platform/foundation/DispatchGroup.h"
#include "platform/foundation/DispatchOnce.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/DispatchSemaphore.h"
