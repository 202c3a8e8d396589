// The program keeps no log; the few warnings it prints go through this sink
// to stderr, and tests can capture them.
#pragma once

#include <functional>
#include <string>

namespace ns {

void logWarning(const std::string& text);
// Replaces the sink (nullptr restores stderr). Returns the previous one.
using LogSink = std::function<void(const std::string&)>;
LogSink setLogSink(LogSink sink);

}  // namespace ns
