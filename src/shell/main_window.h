#pragma once

#include "platform/settings_store.h"
#include "shell/main_menu.h"
#include "station/document.h"
#include "users/accounts.h"
#include "widgets/child_windows.h"

#include <QMainWindow>
#include <memory>

namespace velmora::link {
class EncoderLink;
}
namespace velmora::users {
class AccountWindows;
}

namespace velmora::shell {

class ChildWindowList;
class EncoderWiring;
class FileMenuCommands;
class MainToolBar;
class StatusPanels;
class Workspace;

// frmBasis, the frame of the program: the child windows' workspace, the menu
// bar, the toolbar and the status bar, and the open document. It lives for the
// whole run.
class MainWindow : public QMainWindow, public station::DocumentView {
    Q_OBJECT

public:
    explicit MainWindow(platform::SettingsStore& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    platform::SettingsStore& settings() const { return settings_; }
    // Who is logged in.
    users::Session& session() { return session_; }
    station::Document& document() { return document_; }
    const station::Document& document() const { return document_; }
    void enableSaveCommands(bool enabled) override;

    Workspace& workspace() const { return *workspace_; }
    const MainMenu& menu() const { return menu_; }
    // The item, separator or menu with this objectName; nullptr if none.
    QAction* menuItem(const QString& name) const { return menu_.item(name); }
    MainToolBar& toolBar() const { return *toolBar_; }
    StatusPanels& statusPanels() const { return *statusPanels_; }
    // The serial line to the encoder.
    link::EncoderLink& encoderLink();
    // The exit closes an open port this way: no disconnect request, no message.
    void closeEncoderPortWithoutNotice();
    // The File menu's document commands and the exit sequence.
    FileMenuCommands& fileMenuCommands() const { return *fileMenuCommands_; }
    // The login, the user editor and the administrator's settings windows.
    users::AccountWindows& accountWindows() const { return *accountWindows_; }

    // The connection state as shown: status panel 3 and the tooltip of the
    // toolbar entry "Verbinding".
    QString connectionStatusText() const;
    void setConnectionStatusText(const QString& text);
    QString connectionTooltip() const;
    void setConnectionTooltip(const QString& tooltip);
    // "Velmora &uitlezen" and "Velmora &vullen" with toolbar entries 16 and 17.
    void setTransferCommandsEnabled(bool enabled);

    // See widgets::openChildWindow; the window opens in this window's workspace.
    QWidget* openChildWindow(const QString& objectName, const widgets::ChildWindowFactory& factory);

    // Shows the window for the first time: the document it holds then counts
    // as unmodified.
    void showAsStarted();

    // Acts on a toolbar entry's key, as a click on the entry does.
    void dispatchToolbarEntry(const QString& key);
    // The rules that run when the File or Window menu opens.
    void applyFileMenuRule();
    void applyWindowMenuRule();

signals:
    // Toolbar entry "Verbinding": connect or disconnect.
    void connectionToggleRequested();
    // "Velmora &uitlezen", or toolbar entry "Inladen" after closing the editors.
    void readOutRequested();
    // "Velmora &vullen" or toolbar entry "Versturen".
    void fillRequested();

protected:
    // Every request to close the main window passes here.
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void placeCentred();
    void connectMenuCommands();
    void runMenuCommand(const QString& name);
    void closeEditorsBeforeReadOut();

    platform::SettingsStore& settings_;
    station::Document document_{*this};
    users::Session session_;
    Workspace* workspace_;
    MainMenu menu_;
    MainToolBar* toolBar_;
    StatusPanels* statusPanels_;
    ChildWindowList* windowList_;
    std::unique_ptr<EncoderWiring> encoderWiring_;
    std::unique_ptr<FileMenuCommands> fileMenuCommands_;
    std::unique_ptr<users::AccountWindows> accountWindows_;
};

} // namespace velmora::shell
