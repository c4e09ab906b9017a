#pragma once

#include "cli/command_line.h"

#include <ostream>

namespace velmora::cli {

// The exit status when an encoder, the station file or the file written
// failed.
inline constexpr int kFailed = 2;

// Does what the command line asks on the user's encoders, with the user's
// settings, port links and log, and says how each encoder fared in one line
// of UTF-8 text. Returns the exit status.
int runRequest(const Request& request, std::ostream& out, std::ostream& err);

} // namespace velmora::cli
