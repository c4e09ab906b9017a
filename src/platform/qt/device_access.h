#pragma once

#include <QString>
#include <optional>
#include <string>

namespace velmora::platform {

// When this user may not read and write the device: what to ask the
// administrator, naming the device's group where membership would give
// access. Nothing when the user may, or the device does not exist.
std::optional<std::string> missingAccessRemedy(const QString& device);

} // namespace velmora::platform
