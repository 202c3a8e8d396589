#include "emulator/PeerSocket.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cstdlib>

namespace emulator {

namespace {
int portOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return -1;
}
}  // namespace

int PeerSocket::find(int localPort, int remotePort) {
    DIR* dir = opendir("/proc/self/fd");
    if (!dir) return -1;
    int found = -1;
    while (dirent* entry = readdir(dir)) {
        char* end = nullptr;
        long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0') continue;
        sockaddr_storage local{}, remote{};
        socklen_t localLength = sizeof local, remoteLength = sizeof remote;
        if (getsockname(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&local), &localLength) != 0) continue;
        if (getpeername(static_cast<int>(fd), reinterpret_cast<sockaddr*>(&remote), &remoteLength) != 0) continue;
        if (portOf(local) == localPort && portOf(remote) == remotePort) {
            found = static_cast<int>(fd);
            break;
        }
    }
    closedir(dir);
    return found;
}

bool PeerSocket::peerClosed(int fd) {
    if (fd < 0) return false;
    pollfd p{fd, POLLIN | POLLRDHUP, 0};
    if (poll(&p, 1, 0) <= 0) return false;
    if (p.revents & (POLLRDHUP | POLLHUP | POLLERR)) return true;
    if (p.revents & POLLIN) {
        // Readable with nothing to read means the peer finished.
        char byte;
        return recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
    }
    return false;
}

void PeerSocket::drop(int fd) {
    if (fd >= 0) shutdown(fd, SHUT_RDWR);
}

}  // namespace emulator
