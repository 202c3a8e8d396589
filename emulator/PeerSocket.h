// The accepted socket behind one request, so that fault injection can drop a
// connection without answering and notice when a client goes away while its
// request stalls. The server library does not hand the socket to handlers;
// it is found by its local and remote port among the process's descriptors.
#pragma once

namespace emulator {

class PeerSocket {
public:
    // The connected socket whose local and remote ports match; -1 when none.
    static int find(int localPort, int remotePort);
    // Whether the client has closed or reset its side.
    static bool peerClosed(int fd);
    // Ends the connection in both directions (the server library still owns
    // and later closes the descriptor).
    static void drop(int fd);
};

}  // namespace emulator
