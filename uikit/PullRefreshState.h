// Where a pull-to-refresh header or footer is: pulled (or idle), pulled far
// enough that letting go would start the work, or working.
#pragma once

enum class PullRefreshState { Pulling = 0, Ready = 1, Refreshing = 2 };
