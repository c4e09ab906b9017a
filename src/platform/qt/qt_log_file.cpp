#include "platform/qt/qt_log_file.h"

#include "platform/file_store.h"
#include "platform/qt/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <exception>
#include <spdlog/details/log_msg.h>
#include <spdlog/sinks/rotating_file_sink.h>

using namespace Qt::StringLiterals;

namespace velmora::platform {
namespace {

constexpr auto kFileName = "logboek.txt"_L1;
constexpr std::chrono::minutes kRetryAfter{1};
// The newest few hundred lines fit in it.
constexpr qint64 kTailBytes = 128 * 1024;

std::string reasonOf(const std::exception& error) {
    return toWindows1252(QString::fromLocal8Bit(error.what()));
}

} // namespace

QString stateFolder() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/velmora"_s;
#else
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    return (QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + u"/.local/state"_s) +
           u"/velmora"_s;
#endif
}

QtLogFile::QtLogFile() : QtLogFile(stateFolder()) {}

QtLogFile::QtLogFile(const QString& folder) : folder_(folder) {}

QtLogFile::~QtLogFile() = default;

QString QtLogFile::filePath() const {
    return folder_ + u'/' + kFileName;
}

Status QtLogFile::append(std::string_view line) {
    if (!sink_) {
        if (failedAt_ && std::chrono::steady_clock::now() - *failedAt_ < kRetryAfter) {
            return Status::failure(openFailure_);
        }
        if (Status opened = open(); !opened) {
            return opened;
        }
    }
    const QByteArray utf8 = fromWindows1252(line).toUtf8();
    try {
        sink_->log(spdlog::details::log_msg(
            {}, spdlog::level::info,
            spdlog::string_view_t(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
        sink_->flush();
    } catch (const std::exception& error) {
        // A rotation that failed halfway may leave the sink without a file:
        // the next line opens it again.
        sink_.reset();
        openFailure_ = reasonOf(error);
        failedAt_ = std::chrono::steady_clock::now();
        return Status::failure(openFailure_);
    }
    return Status::success();
}

// spdlog waits 10 ms before each of its five tries to open a file; the
// folder and the file are tried here first, so a failure is known at once.
Status QtLogFile::open() {
    failedAt_ = std::chrono::steady_clock::now();
    if (!QDir().mkpath(folder_)) {
        openFailure_ = toWindows1252(u"de map "_s + QDir::toNativeSeparators(folder_) +
                                     u" kon niet worden gemaakt"_s);
        return Status::failure(openFailure_);
    }
    // Opening a named pipe for writing would wait for a reader.
    if (const QFileInfo existing(filePath()); existing.exists() && !existing.isFile()) {
        openFailure_ = std::string(kNotARegularFile);
        return Status::failure(openFailure_);
    }
    if (QFile probe(filePath()); !probe.open(QIODevice::Append)) {
        openFailure_ = toWindows1252(probe.errorString());
        return Status::failure(openFailure_);
    }
    try {
        auto sink = std::make_unique<spdlog::sinks::rotating_file_sink_st>(
            QFile::encodeName(filePath()).toStdString(), kLogFileSize, kLogFilesKept);
        // The line brings its own time.
        sink->set_pattern("%v");
        sink_ = std::move(sink);
    } catch (const std::exception& error) {
        openFailure_ = reasonOf(error);
        return Status::failure(openFailure_);
    }
    failedAt_.reset();
    return Status::success();
}

std::vector<std::string> QtLogFile::lastLines(std::size_t count) const {
    QFile file(filePath());
    if (count == 0 || !QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const qint64 start = std::max<qint64>(0, file.size() - kTailBytes);
    if (!file.seek(start)) {
        return {};
    }
    QList<QByteArray> lines = file.readAll().split('\n');
    if (start > 0) {
        lines.removeFirst(); // cut off at its start
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    const qsizetype first = std::max<qsizetype>(0, lines.size() - static_cast<qsizetype>(count));
    std::vector<std::string> newest;
    for (qsizetype at = first; at < lines.size(); ++at) {
        QByteArray line = lines.at(at);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        newest.push_back(toWindows1252(QString::fromUtf8(line)));
    }
    return newest;
}

} // namespace velmora::platform
