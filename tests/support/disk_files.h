#pragma once

#include <QByteArray>
#include <QString>

namespace velmora::testing {

// The bytes of the file; empty if it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes the file with exactly these bytes; false if that fails.
[[nodiscard]] bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace velmora::testing
