#include "shell/file_menu_commands.h"

#include "platform/qt/windows1252.h"
#include "shell/main_window.h"
#include "shell/save_prompt.h"
#include "shell/workspace.h"
#include "users/window_title.h"
#include "widgets/child_windows.h"
#include "widgets/warning_window.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>

using namespace Qt::StringLiterals;

namespace velmora::shell {

FileMenuCommands::FileMenuCommands(MainWindow& window) : window_(window), qtDialogs_(&window) {
    useFileAccess(qtDialogs_, qtFiles_);
    connectMenuItems();
}

FileMenuCommands::~FileMenuCommands() = default;

void FileMenuCommands::useFileAccess(platform::FileDialogs& dialogs, platform::FileStore& files) {
    commands_.reset();
    stationFiles_.emplace(window_.document(), dialogs, files, window_.settings(), *this);
    commands_.emplace(window_.document(), *stationFiles_, *this);
}

void FileMenuCommands::connectMenuItems() {
    connect(window_.menuItem(u"mnuBestand_nieuw"_s), &QAction::triggered, this,
            &FileMenuCommands::startNewDocument);
    connect(window_.menuItem(u"mnuBestand_open"_s), &QAction::triggered, this,
            [this] { stationFiles_->BestandOpenen(); });
    connect(window_.menuItem(u"mnuBestand_sluit"_s), &QAction::triggered, this,
            &FileMenuCommands::closeActiveWindow);
    connect(window_.menuItem(u"mnuBestand_opslaan"_s), &QAction::triggered, this,
            [this] { (void)commands_->save(); });
    connect(window_.menuItem(u"mnuBestand_opslaanals"_s), &QAction::triggered, this,
            [this] { (void)stationFiles_->BestandOpslaanAls(); });
}

void FileMenuCommands::openLinkedFile() {
    stationFiles_->GekoppeldBestandOpenen();
}

void FileMenuCommands::clearForRelogin() {
    commands_->emptyForRelogin();
    window_.session().currentUser.clear();
}

// Nobody is logged in afterwards: the account's items stay off until the next
// login, and "&Decoderinformatie" for the rest of the run.
void FileMenuCommands::startNewDocument() {
    window_.menuItem(u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s)->setEnabled(false);
    window_.menuItem(u"mnuBestand_nieuw"_s)->setEnabled(false);
    window_.setWindowTitle(platform::fromWindows1252(users::titleOfNewDocument()));
    commands_->startNewDocument();
    window_.menuItem(u"mnuInstellingen_decoderinformatie"_s)->setEnabled(false);
    window_.menuItem(u"mnuInstellingen_opties"_s)->setEnabled(false);
    window_.session().currentUser.clear();
}

// The active child window, or else the main window itself, which starts the exit.
void FileMenuCommands::closeActiveWindow() {
    if (QMdiSubWindow* active = window_.workspace().currentSubWindow()) {
        active->close();
    } else {
        window_.close();
    }
}

bool FileMenuCommands::allowClose() {
    if (!commands_->mayEnd()) {
        return false;
    }
    unloadOtherWindows();
    window_.closeEncoderPortWithoutNotice();
    return true;
}

void FileMenuCommands::unloadOtherWindows() {
    widgets::closeSettingsWindows(window_.workspace());
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == u"frmWaarschuwing") {
            window->close();
        }
    }
}

void FileMenuCommands::showWarning(std::string_view text) {
    widgets::WarningWindow::showMessage(platform::fromWindows1252(text));
}

// Called from within the main window's close request, which Qt does not let
// start a second close; the new request follows once this one is refused.
void FileMenuCommands::closeMainWindow() {
    QMetaObject::invokeMethod(
        &window_, [&window = window_] { window.close(); }, Qt::QueuedConnection);
}

station::SavePromptAnswer FileMenuCommands::askToSaveChanges(std::string_view question) {
    return SavePrompt::ask(platform::fromWindows1252(question));
}

} // namespace velmora::shell
