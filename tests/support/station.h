#pragma once

#include "fakes/fake_file_dialogs.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_settings_store.h"
#include "platform/qt/qt_file_store.h"
#include "shell/main_window.h"

#include <QString>
#include <QTemporaryDir>
#include <string>

namespace velmora::testing {

// A main window as the start-up loads it, hidden, on fake settings and file
// dialogs, and on station files in a store of the given type.
template <typename FileStore> struct BasicStation {
    BasicStation();

    void addAccount(const std::string& name, const std::string& password,
                    const std::string& linkedFile = {});
    void run(const QString& menuItem);
    // Runs the menu item as it runs once a login has enabled it.
    void runEnabled(const QString& menuItem);

    fakes::FakeSettingsStore settings;
    fakes::FakeFileDialogs dialogs;
    FileStore files;
    shell::MainWindow window{settings};
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
