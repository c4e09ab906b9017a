#include "platform/qt/qt_file_store.h"

#include "platform/qt/regular_file.h"
#include "platform/qt/windows1252.h"

#include <QSaveFile>

namespace velmora::platform {
namespace {

Status failure(const QFileDevice& file) {
    return Status::failure(toWindows1252(file.errorString()));
}

// A write may stop short, as on a disk that fills up; writing the rest then
// fails with the reason.
bool writeAll(QSaveFile& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

FileContent QtFileStore::readStart(const std::string& path, std::size_t maxBytes) const {
    return readRegularFileStart(QString::fromStdString(path), maxBytes);
}

Status QtFileStore::writeAtomically(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromStdString(path));
    file.setDirectWriteFallback(true);
    // Unbuffered: a buffered write that the system cuts short on the way to
    // the disk is not reported, and the commit would then put a truncated
    // file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failure(file);
    }
    if (!writeAll(file, bytes)) {
        const Status failed = failure(file);
        file.cancelWriting();
        return failed;
    }
    if (!file.commit()) {
        return failure(file);
    }
    return Status::success();
}

} // namespace velmora::platform
