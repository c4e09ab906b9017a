#pragma once

#include <string>
#include <string_view>

namespace velmora::encodersim {

// The encoder's end of a pseudo-terminal. The program opens the other end, the
// slave device, as if it were a serial port.
class Pty {
public:
    Pty() = default;
    ~Pty() { close(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // Creates the pair and puts the line in raw mode. Returns an error text, empty on success.
    std::string open();
    void close();

    int fd() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

    // Appends what is waiting. False when no program has the slave open (any more).
    bool read(std::string& bytes);
    void write(std::string_view bytes);

private:
    int master_ = -1;
    std::string slavePath_;
};

} // namespace velmora::encodersim
