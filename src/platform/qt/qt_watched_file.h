#pragma once

#include "platform/watched_file.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QString>
#include <QTimer>

namespace velmora::platform {

// Follows a file with QFileSystemWatcher on the file and on its folder, so
// that a file renamed over it is noticed too, and looks at it once a second
// as well, for file systems that report nothing. The handler runs on every
// change reported for the file, and otherwise when the file looks different:
// another size, time, identity or presence.
class QtWatchedFile : public WatchedFile {
public:
    QtWatchedFile();

    void follow(const std::string& path) override;
    void setChangedHandler(std::function<void()> handler) override {
        handler_ = std::move(handler);
    }
    std::optional<std::string> readStart(std::size_t maxBytes) const override;

private:
    struct Look {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        quint64 identity = 0;
        bool operator==(const Look&) const = default;
    };

    Look look() const;
    void check(bool reported);
    void watchWhatIsThere();

    QString path_;
    QFileSystemWatcher watcher_;
    QTimer poll_;
    Look last_;
    std::function<void()> handler_;
};

} // namespace velmora::platform
