#pragma once

#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/file_store.h"
#include "platform/log_file.h"
#include "platform/password_hashing.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "platform/watched_file.h"

#include <functional>
#include <memory>

namespace velmora::app {

// The platform as the program uses it: one of each for the whole run, on Qt
// in the program and on fakes in the tests.
struct Adapters {
    platform::SettingsStore& settings;
    // The serial port mscBasis, the supervision timer tmrBasis and the pacing
    // timer tmrBasis_Delay of the encoder link.
    platform::SerialLine& serialLine;
    platform::Timer& supervisionTimer;
    platform::Timer& pacingTimer;
    platform::FileDialogs& fileDialogs;
    platform::FileStore& fileStore;
    const platform::PasswordHashing& passwords;
    // The file whose text goes out as the live radiotext.
    platform::WatchedFile& liveFile;
    // The local time, for the planning and the log.
    const platform::Clock& clock;
    // logboek.txt, where every event of the encoder is written.
    platform::LogFile& logFile;
    // A timer of its own for a window that opens while the program runs, or
    // for an encoder of the group.
    std::function<std::unique_ptr<platform::Timer>()> newTimer;
    // A line of its own for each encoder of the group.
    std::function<std::unique_ptr<platform::SerialLine>()> newLine;
};

} // namespace velmora::app
