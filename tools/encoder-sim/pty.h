#pragma once

#include "line.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::encodersim {

// The encoder's end of a pseudo-terminal. The program opens the other end, the
// slave device, as if it were a serial port.
class Pty final : public Line {
public:
    Pty() = default;
    ~Pty() override { close(); }

    // Creates the pair and puts the line in raw mode. Returns an error text, empty on success.
    std::string open();
    void close() override;

    std::string address() const override { return slavePath_; }
    std::vector<int> fds() const override { return {master_}; }
    // Bytes, or Released while no program has the slave open.
    Event read(std::string& bytes) override;
    void write(std::string_view bytes) override;

private:
    int master_ = -1;
    std::string slavePath_;
};

} // namespace velmora::encodersim
