// Captures the warnings the program logs while it lives.
#pragma once

#include <string>
#include <vector>

#include "platform/foundation/Log.h"

class LoggedWarnings {
public:
    LoggedWarnings() : previous_(ns::setLogSink([this](const std::string& line) { lines.push_back(line); })) {}
    ~LoggedWarnings() { ns::setLogSink(previous_); }
    LoggedWarnings(const LoggedWarnings&) = delete;
    LoggedWarnings& operator=(const LoggedWarnings&) = delete;

    std::vector<std::string> lines;

private:
    ns::LogSink previous_;
};
