#include "platform/qt/qt_watched_file.h"

#include "platform/qt/regular_file.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <sys/stat.h>

namespace velmora::platform {

namespace {

constexpr std::chrono::seconds kPollInterval{1};

} // namespace

QtWatchedFile::QtWatchedFile() {
    poll_.setInterval(kPollInterval);
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { check(false); });
    // Two writes within one time stamp may leave size and time alike, so a
    // reported change always counts.
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &poll_, [this] { check(true); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &poll_,
                     [this] { check(false); });
}

void QtWatchedFile::follow(const std::string& path) {
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    path_ = QString::fromStdString(path);
    last_ = look();
    if (path_.isEmpty()) {
        poll_.stop();
        return;
    }
    watchWhatIsThere();
    poll_.start();
}

std::optional<std::string> QtWatchedFile::readStart(std::size_t maxBytes) const {
    if (path_.isEmpty()) {
        return std::nullopt;
    }
    FileContent content = readRegularFileStart(path_, maxBytes);
    if (!content.status) {
        return std::nullopt;
    }
    return std::move(content.bytes);
}

QtWatchedFile::Look QtWatchedFile::look() const {
    const QFileInfo info(path_);
    if (path_.isEmpty() || !info.exists()) {
        return {};
    }
    Look seen{.exists = true, .size = info.size(), .modified = info.lastModified(), .identity = 0};
#ifndef Q_OS_WIN
    // A file renamed over the old one may have its size and time.
    struct stat status = {};
    if (::stat(QFile::encodeName(path_).constData(), &status) == 0) {
        seen.identity = static_cast<quint64>(status.st_ino);
    }
#endif
    return seen;
}

void QtWatchedFile::check(bool reported) {
    watchWhatIsThere();
    const Look now = look();
    if (now == last_ && !reported) {
        return;
    }
    last_ = now;
    if (handler_) {
        handler_();
    }
}

// A watch on a file ends when the file is replaced, so it is set again on the
// file that is there now.
void QtWatchedFile::watchWhatIsThere() {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!watcher_.directories().contains(folder) && QFileInfo(folder).isDir()) {
        watcher_.addPath(folder);
    }
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
}

} // namespace velmora::platform
