#include "support/station.h"

#include "shell/file_menu_commands.h"
#include "users/account_windows.h"

#include <QAction>
#include <QTest>

namespace velmora::testing {

template <typename FileStore> BasicStation<FileStore>::BasicStation() {
    window.fileMenuCommands().useFileAccess(dialogs, files);
    window.accountWindows().useFileDialogs(dialogs);
}

template <typename FileStore>
void BasicStation<FileStore>::addAccount(const std::string& name, const std::string& password,
                                         const std::string& linkedFile) {
    QVERIFY(settings.SaveSetting(name, "Wachtwoord", password).ok());
    QVERIFY(settings.SaveSetting(name, "Bestand", linkedFile).ok());
}

template <typename FileStore> void BasicStation<FileStore>::run(const QString& menuItem) {
    window.menuItem(menuItem)->trigger();
}

template <typename FileStore> void BasicStation<FileStore>::runEnabled(const QString& menuItem) {
    window.menuItem(menuItem)->setEnabled(true);
    run(menuItem);
}

template struct BasicStation<fakes::FakeFileStore>;
template struct BasicStation<platform::QtFileStore>;

} // namespace velmora::testing
