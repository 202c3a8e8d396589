#include "tests/platform/render/VirtualDisplay.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr const char* kXvfb = "/usr/bin/Xvfb";
constexpr int kStartTimeoutMs = 10000;

}  // namespace

VirtualDisplay::VirtualDisplay() {
    if (access(kXvfb, X_OK) != 0) return;
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return;
    }
    if (pid == 0) {
        close(fds[0]);
        // Xvfb writes the display number it chose once it accepts clients.
        std::string fd = std::to_string(fds[1]);
        execl(kXvfb, "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x1136x24", "-nolisten", "tcp",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, kStartTimeoutMs) > 0) {
        char buf[16];
        ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0) break;
        number.append(buf, std::size_t(n));
        if (number.find('\n') != std::string::npos) break;
    }
    close(fds[0]);
    while (!number.empty() && (number.back() == '\n' || number.back() == ' ')) number.pop_back();
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return;
    }
    pid_ = pid;
    display_ = ":" + number;
    if (const char* d = std::getenv("DISPLAY")) {
        previous_ = d;
        hadPrevious_ = true;
    }
    setenv("DISPLAY", display_.c_str(), 1);
}

VirtualDisplay::~VirtualDisplay() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    if (hadPrevious_) {
        setenv("DISPLAY", previous_.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}
