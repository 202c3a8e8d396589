#include "platform/foundation/Log.h"

#include <cstdio>
#include <mutex>

namespace ns {

namespace {
std::mutex& sinkMutex() {
    static std::mutex m;
    return m;
}
LogSink& currentSink() {
    static LogSink s;
    return s;
}
}  // namespace

void logWarning(const std::string& text) {
    LogSink sink;
    {
        std::lock_guard<std::mutex> lock(sinkMutex());
        sink = currentSink();
    }
    if (sink) {
        sink(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

LogSink setLogSink(LogSink sink) {
    std::lock_guard<std::mutex> lock(sinkMutex());
    LogSink old = std::move(currentSink());
    currentSink() = std::move(sink);
    return old;
}

}  // namespace ns
