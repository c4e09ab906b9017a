#include "platform/qt/qt_file_store.h"

#include "platform/qt/windows1252.h"

#include <QFile>
#include <QSaveFile>

namespace velmora::platform {
namespace {

Status failure(const QFileDevice& file) {
    return Status::failure(toWindows1252(file.errorString()));
}

} // namespace

FileContent QtFileStore::readAll(const std::string& path) const {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {failure(file), {}};
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return {failure(file), {}};
    }
    return {Status::success(), bytes.toStdString()};
}

Status QtFileStore::writeAtomically(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file);
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
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
