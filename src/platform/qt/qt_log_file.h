#pragma once

#include "platform/log_file.h"

#include <QString>
#include <chrono>
#include <memory>
#include <optional>

namespace spdlog::sinks {
class sink;
}

namespace velmora::platform {

// The user's state folder for the program: $XDG_STATE_HOME/velmora when that
// is an absolute path, else ~/.local/state/velmora; on Windows the local
// application data folder.
QString stateFolder();

inline constexpr std::size_t kLogFileSize = std::size_t{1} << 20;
inline constexpr std::size_t kLogFilesKept = 5;

// logboek.txt in a folder, through spdlog's rotating file sink: past about
// 1 MiB it becomes logboek.1.txt, the one before logboek.2.txt, and so on up
// to logboek.5.txt; older ones go. The folder is made at the first line.
// After a failure to open the file, lines are refused at once for a minute,
// so a log that cannot be written costs nothing.
class QtLogFile : public LogFile {
public:
    QtLogFile();
    explicit QtLogFile(const QString& folder);
    ~QtLogFile() override;
    QtLogFile(const QtLogFile&) = delete;
    QtLogFile& operator=(const QtLogFile&) = delete;

    Status append(std::string_view line) override;
    std::string folder() const override { return folder_.toStdString(); }
    std::vector<std::string> lastLines(std::size_t count) const override;

private:
    Status open();
    QString filePath() const;

    QString folder_;
    std::unique_ptr<spdlog::sinks::sink> sink_;
    // Why the file could not be opened, and when.
    std::string openFailure_;
    std::optional<std::chrono::steady_clock::time_point> failedAt_;
};

} // namespace velmora::platform
