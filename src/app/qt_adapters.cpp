#include "app/qt_adapters.h"

namespace velmora::app {

Adapters QtAdapters::adapters() {
    return Adapters{.settings = settings_,
                    .serialLine = serialLine_,
                    .supervisionTimer = supervisionTimer_,
                    .pacingTimer = pacingTimer_,
                    .fileDialogs = fileDialogs_,
                    .fileStore = fileStore_,
                    .passwords = passwords_,
                    .liveFile = liveFile_,
                    .clock = clock_,
                    .logFile = logFile_,
                    .newTimer = [] { return std::make_unique<platform::QtTimer>(); },
                    .newLine = [] { return std::make_unique<platform::QtPortLine>(); }};
}

} // namespace velmora::app
