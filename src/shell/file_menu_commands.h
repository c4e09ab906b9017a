#pragma once

#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_file_store.h"
#include "station/document_commands.h"
#include "station/station_file_commands.h"

#include <QObject>
#include <optional>

namespace velmora::shell {

class MainWindow;

// The commands of the "&Bestand" menu that act on the document, with their
// toolbar twins: "&Nieuw...", "&Open...", "&Sluit...", "O&pslaan" and
// "Ops&laan als...", and the exit sequence with the save prompt. The login
// and the re-login use openLinkedFile and clearForRelogin.
class FileMenuCommands : public QObject,
                         public station::StationFileView,
                         public station::SavePromptView {
    Q_OBJECT

public:
    explicit FileMenuCommands(MainWindow& window);
    ~FileMenuCommands() override;

    // Where station files are chosen and kept: the Qt dialogs and the disk
    // unless another pair is given here.
    void useFileAccess(platform::FileDialogs& dialogs, platform::FileStore& files);

    // For a successful login, once it has set the document's file name to the
    // account's linked file: reads that file into the document, or warns.
    void openLinkedFile();
    // For "Opnieuw &aanmelden", between unloading its windows and showing the
    // login: empties the document and the current user. The file name stays
    // for the login to decide, and the document is not modified afterwards.
    void clearForRelogin();

    // The main window is asked to close. True: it may, and the other windows
    // and the serial port have been closed. False: it stays open.
    bool allowClose();

    void showWarning(std::string_view text) override;
    // Closes the main window once the running close request has been refused.
    void closeMainWindow() override;
    station::SavePromptAnswer askToSaveChanges(std::string_view question) override;

private:
    void connectMenuItems();
    void startNewDocument();
    void closeActiveWindow();
    void unloadOtherWindows();

    MainWindow& window_;
    platform::QtFileDialogs qtDialogs_;
    platform::QtFileStore qtFiles_;
    std::optional<station::StationFileCommands> stationFiles_;
    std::optional<station::DocumentCommands> commands_;
};

} // namespace velmora::shell
