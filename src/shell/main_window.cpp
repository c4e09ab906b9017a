#include "shell/main_window.h"

#include "platform/qt/windows1252.h"
#include "shell/child_window_list.h"
#include "shell/exit_shortcut.h"
#include "shell/info_window.h"
#include "shell/main_toolbar.h"
#include "shell/menu_rules.h"
#include "shell/save_prompt.h"
#include "shell/status_panels.h"
#include "shell/workspace.h"
#include "widgets/twips.h"
#include "widgets/warning_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace velmora::shell {

using platform::fromWindows1252;

MainWindow::MainWindow(CommandHandler& commands, QWidget* parent)
    : QMainWindow(parent), commands_(commands), workspace_(new Workspace(this)), menu_(*menuBar()),
      toolBar_(new MainToolBar(this)), statusPanels_(new StatusPanels(this)),
      windowList_(new ChildWindowList(menu_.windowMenu(), *workspace_)), items_(menu_, *toolBar_),
      sessionDisplay_(new SessionDisplay(*statusPanels_, *toolBar_, items_, this)) {
    setObjectName(u"frmBasis"_s);
    setWindowTitle(u"Velmora"_s);
    setCentralWidget(workspace_);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    setStatusBar(statusPanels_);
    placeCentred();
    connectCommands();
    new ExitShortcut(*this, *menu_.item(Command::Exit));
    sessionDisplay_->showConnectionState(link::ConnectionState::Disconnected);
}

MainWindow::~MainWindow() = default;

void MainWindow::placeCentred() {
    const QSize client = widgets::twipsToSize(10830, 6270, this);
    const QSize size(client.width(), client.height() + menuBar()->sizeHint().height());
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen()->availableGeometry()));
}

// A toolbar entry runs its command also while the menu twin is disabled:
// after "&Nieuw..." the toolbar still offers "Nieuw".
void MainWindow::connectCommands() {
    for (std::size_t index = 0; index < kCommandCount; ++index) {
        const auto command = static_cast<Command>(index);
        if (QAction* item = menu_.item(command)) {
            connect(item, &QAction::triggered, this, [this, command] { commands_.run(command); });
        }
    }
    connect(toolBar_, &MainToolBar::commandRequested, this,
            [this](Command command) { commands_.run(command); });
    connect(&menu_.fileMenu(), &QMenu::aboutToShow, this, &MainWindow::applyFileMenuRule);
    connect(&menu_.windowMenu(), &QMenu::aboutToShow, this, &MainWindow::applyWindowMenuRule);
}

QWidget* MainWindow::openChildWindow(const QString& objectName,
                                     const widgets::ChildWindowFactory& factory) {
    return widgets::openChildWindow(*workspace_, objectName, factory);
}

void MainWindow::closeChildWindow(const QString& objectName) {
    widgets::closeChildWindow(*workspace_, objectName);
}

void MainWindow::closeActiveWindow() {
    if (QMdiSubWindow* active = workspace_->currentSubWindow()) {
        active->close();
    } else {
        close();
    }
}

void MainWindow::cascadeChildWindows() {
    workspace_->cascadeSubWindows();
}

void MainWindow::deleteChildWindows() {
    qDeleteAll(workspace_->subWindowList());
}

QString MainWindow::connectionStatusText() const {
    return statusPanels_->connectionText();
}

QString MainWindow::connectionTooltip() const {
    return toolBar_->entry(Command::ToggleConnection)->toolTip();
}

void MainWindow::enableSaveCommands(bool enabled) {
    items_.setEnabled(Command::Save, enabled, true);
    menu_.item(Command::SaveAs)->setEnabled(enabled);
}

void MainWindow::showWarning(std::string_view text) {
    widgets::showWarning(text);
}

// Called from within the main window's close request, which Qt does not let
// start a second close; the new request follows once this one is refused.
void MainWindow::closeMainWindow() {
    QMetaObject::invokeMethod(this, &MainWindow::close, Qt::QueuedConnection);
}

station::SavePromptAnswer MainWindow::askToSaveChanges(std::string_view question) {
    return SavePrompt::ask(fromWindows1252(question));
}

// Qt takes "[*]" in a title for the modified mark and shows a doubled one as
// a single "[*]", so every "[*]" of the text is doubled to show as it is.
void MainWindow::setTitle(std::string_view title) {
    setWindowTitle(fromWindows1252(title).replace(u"[*]"_s, u"[*][*]"_s));
}

void MainWindow::applyAccountItems(const users::AccountItems& items) {
    const std::pair<const std::optional<bool>&, Command> switched[] = {
        {items.newDocument, Command::NewDocument},
        {items.editCurrentUser, Command::EditCurrentUser},
        {items.comPort, Command::ComPort},
        {items.comPort, Command::Encoders},
        {items.options, Command::Options},
        {items.decoderInformation, Command::DecoderInformation},
    };
    for (const auto& [enabled, command] : switched) {
        if (enabled) {
            items_.setEnabled(command, *enabled, items.toolbarFollows);
        }
    }
}

void MainWindow::applyFileMenuRule() {
    const FileMenuState state =
        fileMenuRule(countLoadedWindows(*workspace_), commands_.isDocumentComplete());
    menu_.item(Command::CloseWindow)->setEnabled(state.closeEnabled);
    menu_.item(Command::SaveAs)->setEnabled(state.saveAsEnabled);
}

void MainWindow::applyWindowMenuRule() {
    menu_.item(Command::Cascade)->setEnabled(cascadeEnabled(countLoadedWindows(*workspace_)));
    windowList_->refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(commands_.allowClose());
}

} // namespace velmora::shell
