#include "pty.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace velmora::encodersim {

namespace {

std::string failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// No echo, no line editing, no translation of CR or NL, all eight bits: the
// program must see exactly the bytes the encoder sends. On a pseudo-terminal
// the master's terminal calls act on the slave's settings.
bool makeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B9600);
    ::cfsetospeed(&settings, B9600);
    return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

std::string Pty::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        return failure("posix_openpt");
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        return failure("grantpt/unlockpt");
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        return failure("ptsname");
    }
    slavePath_ = name;
    if (!makeRaw(master_)) {
        return failure("raw mode");
    }
    return {};
}

void Pty::close() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

Line::Event Pty::read(std::string& bytes) {
    std::array<char, 512> chunk{};
    const ssize_t count = ::read(master_, chunk.data(), chunk.size());
    if (count <= 0) {
        return Event::Released; // EIO: the slave side is closed
    }
    bytes.append(chunk.data(), static_cast<std::size_t>(count));
    return Event::Bytes;
}

void Pty::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(master_, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

} // namespace velmora::encodersim
