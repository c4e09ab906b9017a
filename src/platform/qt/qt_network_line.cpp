#include "platform/qt/qt_network_line.h"

#include "platform/qt/port_links.h"

#include <utility>

#if defined(Q_OS_UNIX)
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace velmora::platform {
namespace {

// A device server that vanished without closing is noticed within about
// 30 s: probes after 10 s of silence, then every 5 s, three unanswered end
// it; data left unacknowledged for 30 s ends it too.
void keepAliveShort([[maybe_unused]] qintptr descriptor) {
#if defined(Q_OS_UNIX) && defined(TCP_KEEPIDLE)
    const int socket = static_cast<int>(descriptor);
    const auto set = [socket](int option, int value) {
        setsockopt(socket, IPPROTO_TCP, option, &value, sizeof value);
    };
    set(TCP_KEEPIDLE, 10);
    set(TCP_KEEPINTVL, 5);
    set(TCP_KEEPCNT, 3);
#if defined(TCP_USER_TIMEOUT)
    set(TCP_USER_TIMEOUT, 30'000);
#endif
#endif
}

} // namespace

QtNetworkLine::QtNetworkLine() {
    QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] { connectionMade(); });
    QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_,
                     [this] { received_.add(socket_.readAll()); });
    QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                     [this](QAbstractSocket::SocketError error) { handleError(error); });
    QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_, [this] { lineGone(); });
}

QtNetworkLine::~QtNetworkLine() {
    close();
}

SerialLine::OpenResult QtNetworkLine::open(int portNumber) {
    if (open_) {
        return OpenResult::PortInUse;
    }
    const std::optional<NetworkAddress> address = portDestination(portNumber).network;
    if (!address) {
        return OpenResult::NoSuchPort;
    }
    open_ = true;
    socket_.connectToHost(address->host, address->port);
    return OpenResult::Opened;
}

void QtNetworkLine::connectionMade() {
    // Each frame goes out as it is written, not held back to fill a packet,
    // and a server that disappears without a word is noticed soon.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket_.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    keepAliveShort(socket_.socketDescriptor());
    const std::string bytes = std::exchange(unsent_, {});
    write(bytes);
}

void QtNetworkLine::close() {
    // Before the abort, which tells of the disconnection at once.
    open_ = false;
    unsent_.clear();
    received_.clear();
    socket_.abort();
}

void QtNetworkLine::write(std::string_view bytes) {
    if (!open_ || bytes.empty()) {
        return;
    }
    if (socket_.state() != QAbstractSocket::ConnectedState) {
        unsent_.append(bytes);
        return;
    }
    socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_.flush();
}

void QtNetworkLine::discardBuffers() {
    received_.clear();
    if (open_) {
        socket_.readAll();
    }
}

void QtNetworkLine::handleError(QAbstractSocket::SocketError error) {
    if (!open_) {
        return;
    }
    if (socket_.state() == QAbstractSocket::ConnectedState) {
        return; // a connection that fails for good also disconnects
    }
    // Other failures to connect, such as a host that does not answer, leave
    // the greeting unanswered.
    if (error == QAbstractSocket::HostNotFoundError ||
        error == QAbstractSocket::ConnectionRefusedError) {
        close();
        if (const auto handler = openFailedHandler_) {
            handler(OpenResult::NoSuchPort);
        }
    }
}

void QtNetworkLine::lineGone() {
    if (!open_) {
        return;
    }
    close();
    if (const auto handler = lostHandler_) {
        handler();
    }
}

} // namespace velmora::platform
