#include "support/device_server.h"

#include "support/wait.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace velmora::testing {

DeviceServer::DeviceServer() {
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
        connection_ = server_.nextPendingConnection();
        received_.clear();
        QObject::connect(connection_, &QTcpSocket::readyRead, connection_,
                         [this] { received_ += connection_->readAll(); });
    });
    if (!server_.listen(QHostAddress::LocalHost)) {
        qFatal("cannot listen on the loopback address: %s", qPrintable(server_.errorString()));
    }
}

platform::NetworkAddress DeviceServer::address() const {
    return {.host = u"127.0.0.1"_s, .port = server_.serverPort()};
}

bool DeviceServer::waitForConnection() {
    return QTest::qWaitFor([this] { return !connection_.isNull(); }, kDeadlineMs);
}

bool DeviceServer::waitForReceived(qsizetype count) {
    return QTest::qWaitFor([&] { return received_.size() >= count; }, kDeadlineMs);
}

void DeviceServer::send(const QByteArray& bytes) {
    connection_->write(bytes);
    connection_->flush();
}

void DeviceServer::dropConnection() {
    connection_->disconnectFromHost();
}

platform::NetworkAddress refusingAddress() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return {.host = u"127.0.0.1"_s, .port = server.serverPort()};
}

UnansweringHost::UnansweringHost() {
    sockaddr_in loopback{};
    loopback.sin_family = AF_INET;
    loopback.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof loopback;
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    queued_ = ::socket(AF_INET, SOCK_STREAM, 0);
    auto* address = reinterpret_cast<sockaddr*>(&loopback);
    if (listener_ < 0 || queued_ < 0 || ::bind(listener_, address, size) != 0 ||
        ::listen(listener_, 0) != 0 || ::getsockname(listener_, address, &size) != 0 ||
        ::connect(queued_, address, size) != 0) {
        qFatal("cannot make a host that does not answer");
    }
    address_ = {.host = u"127.0.0.1"_s, .port = ntohs(loopback.sin_port)};
}

UnansweringHost::~UnansweringHost() {
    ::close(queued_);
    ::close(listener_);
}

} // namespace velmora::testing
