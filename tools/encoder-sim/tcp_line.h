#pragma once

#include "line.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::encodersim {

// A raw TCP port on the loopback address, the way a serial device server
// offers an encoder's line: one program at a time, every byte as it is.
class TcpLine final : public Line {
public:
    TcpLine() = default;
    ~TcpLine() override { close(); }

    // Listens on 127.0.0.1:port; port 0 lets the system choose a free one.
    // Returns an error text, empty on success.
    std::string listen(int port);
    void close() override;

    // tcp://127.0.0.1:PORT, with the port actually listened on.
    std::string address() const override;
    // While no program is attached only the listening socket; with one
    // attached its connection too, so that a second program is turned away at
    // once instead of waiting unseen.
    std::vector<int> fds() const override;
    Event read(std::string& bytes) override;
    void write(std::string_view bytes) override;

private:
    Event attachWaiting();
    Event receive(std::string& bytes);
    Event turnAwayWaiting();
    void closeConnection();

    int listener_ = -1;
    int connection_ = -1;
    int port_ = 0;
};

} // namespace velmora::encodersim
