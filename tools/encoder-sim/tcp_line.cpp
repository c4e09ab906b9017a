#include "tcp_line.h"

#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velmora::encodersim {

namespace {

std::string failure(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool makeNonBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

} // namespace

std::string TcpLine::listen(int port) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener_ < 0) {
        return failure("socket");
    }
    // A restart may take the port while the last session's connection still
    // lingers in TIME_WAIT; a port another program listens on stays refused.
    const int on = 1;
    ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 4) != 0) {
        return failure("cannot listen on 127.0.0.1:" + std::to_string(port));
    }
    socklen_t length = sizeof address;
    if (::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return failure("getsockname");
    }
    port_ = ntohs(address.sin_port);
    // A caller that gives up between the wake-up and accept() must not leave
    // the simulator blocked in accept().
    if (!makeNonBlocking(listener_)) {
        return failure("non-blocking listener");
    }
    return {};
}

void TcpLine::close() {
    closeConnection();
    if (listener_ >= 0) {
        ::close(listener_);
        listener_ = -1;
    }
}

std::string TcpLine::address() const {
    return "tcp://127.0.0.1:" + std::to_string(port_);
}

std::vector<int> TcpLine::fds() const {
    if (connection_ < 0) {
        return {listener_};
    }
    return {connection_, listener_};
}

Line::Event TcpLine::read(std::string& bytes) {
    if (connection_ < 0) {
        return attachWaiting();
    }
    // The attached program first, so that one which has just gone makes way
    // for a successor instead of having it turned away.
    const Event received = receive(bytes);
    return received == Event::Nothing ? turnAwayWaiting() : received;
}

Line::Event TcpLine::attachWaiting() {
    const int arriving = ::accept(listener_, nullptr, nullptr);
    if (arriving < 0 || !makeNonBlocking(arriving)) {
        if (arriving >= 0) {
            ::close(arriving);
        }
        // Also when accept() failed for want of descriptors: the caller pauses
        // instead of spinning on a listener that stays readable.
        return Event::Released;
    }
    // Every answer frame goes out as soon as it is written.
    const int on = 1;
    ::setsockopt(arriving, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    connection_ = arriving;
    return Event::Attached;
}

Line::Event TcpLine::turnAwayWaiting() {
    const int arriving = ::accept(listener_, nullptr, nullptr);
    if (arriving < 0) {
        return Event::Nothing;
    }
    ::close(arriving);
    return Event::Refused;
}

Line::Event TcpLine::receive(std::string& bytes) {
    std::array<char, 512> chunk{};
    const ssize_t count = ::recv(connection_, chunk.data(), chunk.size(), 0);
    if (count > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(count));
        return Event::Bytes;
    }
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return Event::Nothing;
    }
    closeConnection(); // closed by the program, or reset
    return Event::Released;
}

// The socket does not block on reading; writing waits until the program has
// taken enough, as on a serial line.
void TcpLine::write(std::string_view bytes) {
    while (connection_ >= 0 && !bytes.empty()) {
        const ssize_t count = ::send(connection_, bytes.data(), bytes.size(), 0);
        if (count > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(count));
        } else if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd writable{connection_, POLLOUT, 0};
            ::poll(&writable, 1, -1);
        } else if (count == 0 || errno != EINTR) {
            return;
        }
    }
}

void TcpLine::closeConnection() {
    if (connection_ >= 0) {
        ::close(connection_);
        connection_ = -1;
    }
}

} // namespace velmora::encodersim
