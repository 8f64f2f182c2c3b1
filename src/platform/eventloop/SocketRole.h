#pragma once

namespace rennlupe::platform {

// What a watched socket is, which decides the notifications it can get.
enum class SocketRole {
    Datagram,    // read and write only
    Connecting,  // a stream socket whose connect is under way: connect once, then as Connected
    Connected,   // a stream socket with a peer: read, write, close
    Listening,   // a stream socket that accepts
};

}  // namespace rennlupe::platform
