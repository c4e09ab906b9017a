#include "platform/qt/regular_file.h"

#include "platform/qt/windows1252.h"

#include <QFile>
#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora::platform {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

Status notARegularFile() {
    return Status::failure(std::string(kNotARegularFile));
}

Status systemFailure(int code) {
    return Status::failure(toWindows1252(qt_error_string(code)));
}

#ifndef Q_OS_WIN

bool isRegular(const struct stat& status) {
    return S_ISREG(status.st_mode);
}

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileContent readUpTo(int fd, std::size_t maxBytes) {
    std::string bytes;
    while (bytes.size() < maxBytes) {
        const std::size_t before = bytes.size();
        const std::size_t wanted = std::min(kChunk, maxBytes - before);
        bytes.resize(before + wanted);
        const ssize_t got = ::read(fd, bytes.data() + before, wanted);
        if (got < 0 && errno == EINTR) {
            bytes.resize(before);
            continue;
        }
        if (got < 0) {
            return {systemFailure(errno), {}};
        }
        bytes.resize(before + static_cast<std::size_t>(got));
        if (got == 0) {
            break;
        }
    }
    return {Status::success(), std::move(bytes)};
}

#endif

} // namespace

FileContent readRegularFileStart(const QString& path, std::size_t maxBytes) {
#ifdef Q_OS_WIN
    if (!QFileInfo(path).isFile()) {
        return {QFileInfo::exists(path) ? notARegularFile() : systemFailure(ENOENT), {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {Status::failure(toWindows1252(file.errorString())), {}};
    }
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError) {
        return {Status::failure(toWindows1252(file.errorString())), {}};
    }
    return {Status::success(), bytes.toStdString()};
#else
    const QByteArray name = QFile::encodeName(path);
    // Looked at before opening, so that a device is never opened at all, as
    // opening a serial port may already signal on its lines.
    struct stat status = {};
    if (::stat(name.constData(), &status) != 0) {
        return {systemFailure(errno), {}};
    }
    if (!isRegular(status)) {
        return {notARegularFile(), {}};
    }
    // Something else may have taken the file's place since: opening without
    // waiting and looking again at what was opened keeps a pipe from holding
    // the program up.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        return {systemFailure(errno), {}};
    }
    if (::fstat(file.get(), &status) != 0) {
        return {systemFailure(errno), {}};
    }
    if (!isRegular(status)) {
        return {notARegularFile(), {}};
    }
    return readUpTo(file.get(), maxBytes);
#endif
}

} // namespace velmora::platform
