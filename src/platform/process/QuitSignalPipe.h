#pragma once

namespace rennlupe::platform {

// SIGINT and SIGTERM as bytes on a descriptor that a loop can watch: the
// handler only writes a byte to a socket pair. Without the pair (descriptor()
// below 0) the signals keep their default and end the program.
class QuitSignalPipe {
public:
    QuitSignalPipe();
    ~QuitSignalPipe();
    QuitSignalPipe(const QuitSignalPipe&) = delete;
    QuitSignalPipe& operator=(const QuitSignalPipe&) = delete;

    int descriptor() const { return m_readEnd; }
    // Reads what the handler wrote, so the descriptor is quiet again.
    void drain();

private:
    int m_readEnd = -1;
    int m_writeEnd = -1;
};

}  // namespace rennlupe::platform
