#pragma once

#include "platform/file_store.h"

#include <QString>
#include <cstddef>

namespace velmora::platform {

// Up to maxBytes from the start of the regular file at this path. Nothing at
// the path is ever waited on: a named pipe, a socket, a device or a folder in
// its place is refused at once with kNotARegularFile, and a huge file costs
// no more than its first maxBytes.
FileContent readRegularFileStart(const QString& path, std::size_t maxBytes);

} // namespace velmora::platform
