#include "platform/qt/port_links.h"

#include "platform/qt/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <filesystem>
#include <system_error>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace velmora::platform {

namespace {

constexpr auto kNetworkScheme = "tcp"_L1;

#ifndef Q_OS_WIN
QString configHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + u"/.config"_s;
}

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

Status failure(const std::error_code& error) {
    return Status::failure(toWindows1252(QString::fromLocal8Bit(error.message())));
}
#endif

} // namespace

QString NetworkAddress::linkTarget() const {
    QUrl url;
    url.setScheme(kNetworkScheme);
    url.setHost(host);
    url.setPort(port);
    return url.toString();
}

std::optional<NetworkAddress> networkAddressFromLinkTarget(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != kNetworkScheme || url.host().isEmpty() ||
        url.port() < 1 || (!url.path().isEmpty() && url.path() != u"/"_s)) {
        return std::nullopt;
    }
    return NetworkAddress{.host = url.host(), .port = static_cast<quint16>(url.port())};
}

#ifdef Q_OS_WIN

PortDestination portDestination(int port) {
    PortDestination destination;
    destination.device = u"COM"_s + QString::number(port);
    return destination;
}

#else

QString portLinkPath(int port) {
    return configHome() + u"/velmora/ports/COM"_s + QString::number(port);
}

PortDestination portDestination(int port) {
    PortDestination destination;
    const QFileInfo link(portLinkPath(port));
    if (!link.isSymLink()) {
        destination.device = u"/dev/ttyS"_s + QString::number(port - 1);
        return destination;
    }
    std::error_code error;
    destination.linkTarget = QFile::decodeName(QByteArray::fromStdString(
        std::filesystem::read_symlink(nativePath(link.filePath()), error).string()));
    destination.network = networkAddressFromLinkTarget(destination.linkTarget);
    if (!destination.network) {
        // The device itself rather than a path to it; a link that points
        // nowhere names the device that has gone.
        destination.device = link.exists() ? link.canonicalFilePath() : link.symLinkTarget();
    }
    return destination;
}

Status linkPort(int port, const QString& target) {
    const QString link = portLinkPath(port);
    std::error_code error;
    std::filesystem::create_directories(nativePath(QFileInfo(link).path()), error);
    if (error) {
        return failure(error);
    }
    // Made beside the link under a name of its own, then renamed over it.
    const auto fresh = nativePath(link + u".new"_s + QString::number(::getpid()));
    std::filesystem::remove(fresh, error);
    std::filesystem::create_symlink(nativePath(target), fresh, error);
    if (!error) {
        std::filesystem::rename(fresh, nativePath(link), error);
    }
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(fresh, ignored);
        return failure(error);
    }
    return Status::success();
}

#endif

} // namespace velmora::platform
