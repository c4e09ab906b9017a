#pragma once

#include "shell/command.h"
#include "shell/command_items.h"
#include "shell/main_menu.h"
#include "shell/session_display.h"
#include "station/document_commands.h"
#include "station/document_view.h"
#include "station/station_file_view.h"
#include "users/accounts.h"
#include "widgets/child_windows.h"

#include <QMainWindow>
#include <span>

namespace velmora::shell {

class ChildWindowList;
class MainToolBar;
class StatusPanels;
class Workspace;

// frmBasis, the frame of the program: the child windows' workspace, the menu
// bar, the toolbar and the status bar. It shows what the document and the
// accounts report, gives the main encoder session a display of its own, and
// hands every command to the program behind it.
class MainWindow : public QMainWindow,
                   public station::DocumentView,
                   public station::StationFileView,
                   public station::SavePromptView,
                   public users::MainWindowView {
    Q_OBJECT

public:
    explicit MainWindow(CommandHandler& commands, QWidget* parent = nullptr);
    ~MainWindow() override;

    // See widgets::openChildWindow; the window opens in this window's workspace.
    QWidget* openChildWindow(const QString& objectName, const widgets::ChildWindowFactory& factory);
    // Closes the child window with this objectName, when it is open.
    void closeChildWindow(const QString& objectName);
    // The active child window, or else the main window itself, which starts the exit.
    void closeActiveWindow();
    void cascadeChildWindows();
    // Deletes every child window at once, as the end of the run does.
    void deleteChildWindows();

    // Where the main encoder session shows itself.
    SessionDisplay& sessionDisplay() { return *sessionDisplay_; }

    // The connection state as shown: status panel 3 and the tooltip of the
    // toolbar entry "Verbinding".
    QString connectionStatusText() const;
    QString connectionTooltip() const;

    void enableSaveCommands(bool enabled) override;

    // The warning window with this text, shown modally.
    void showWarning(std::string_view text) override;
    // Closes the main window once the running close request has been refused.
    void closeMainWindow() override;
    station::SavePromptAnswer askToSaveChanges(std::string_view question) override;

    void setTitle(std::string_view title) override;
    void applyAccountItems(const users::AccountItems& items) override;
    bool isShown() const override { return isVisible(); }
    void showMainWindow() override { show(); }

protected:
    // Every request to close the main window passes here.
    void closeEvent(QCloseEvent* event) override;

private:
    void placeCentred();
    void connectCommands();
    void applyFileMenuRule();
    void applyWindowMenuRule();

    CommandHandler& commands_;
    Workspace* workspace_;
    MainMenu menu_;
    MainToolBar* toolBar_;
    StatusPanels* statusPanels_;
    ChildWindowList* windowList_;
    CommandItems items_;
    SessionDisplay* sessionDisplay_;
};

} // namespace velmora::shell
