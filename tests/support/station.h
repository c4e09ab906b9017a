#pragma once

#include "app/composition_root.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_dialogs.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_log_file.h"
#include "fakes/fake_password_hashing.h"
#include "fakes/fake_serial_line.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_watched_file.h"
#include "platform/qt/qt_file_store.h"
#include "support/main_window_parts.h"

#include <QString>
#include <QTemporaryDir>
#include <string>

namespace velmora::testing {

// The program as the start-up puts it together, its main window hidden, on
// fake settings, a fake serial line, hand-driven timers and fake file
// dialogs, and on station files in a store of the given type.
template <typename FileStore> struct BasicStation {
    void addAccount(const std::string& name, const std::string& password,
                    const std::string& linkedFile = {});
    void run(const QString& menuItem);
    // Connects as a user does, with "Verbinding", the fake encoder announcing
    // itself and the hardware window closed as a user would; nothing written
    // remains on the line.
    void connect();
    // Runs the menu item as it runs once a login has enabled it.
    void runEnabled(const QString& menuItem);

    fakes::FakeSettingsStore settings;
    fakes::FakeSerialLine line;
    fakes::FakeTimer supervisionTimer;
    fakes::FakeTimer pacingTimer;
    fakes::FakeFileDialogs dialogs;
    FileStore files;
    fakes::FakeWatchedFile liveFile;
    fakes::FakePasswordHashing passwords;
    fakes::FakeClock clock;
    fakes::FakeLogFile logFile;
    app::CompositionRoot program{
        app::Adapters{.settings = settings,
                      .serialLine = line,
                      .supervisionTimer = supervisionTimer,
                      .pacingTimer = pacingTimer,
                      .fileDialogs = dialogs,
                      .fileStore = files,
                      .passwords = passwords,
                      .liveFile = liveFile,
                      .clock = clock,
                      .logFile = logFile,
                      .newTimer = [] { return std::make_unique<fakes::FakeTimer>(); },
                      .newLine = [] { return std::make_unique<fakes::FakeSerialLine>(); }}};
    shell::MainWindow& window = program.mainWindow();
    station::Document& document = program.document();
    users::Session& session = program.session();
};

extern template struct BasicStation<fakes::FakeFileStore>;
extern template struct BasicStation<platform::QtFileStore>;

// On fake station files.
using Station = BasicStation<fakes::FakeFileStore>;

// On station files on disk, in a temporary folder that goes with the station.
struct StationInFolder : BasicStation<platform::QtFileStore> {
    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};

} // namespace velmora::testing
