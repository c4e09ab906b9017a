#include "shell/main_window.h"

#include "editors/editor_commands.h"
#include "shell/child_window_list.h"
#include "shell/encoder_wiring.h"
#include "shell/exit_shortcut.h"
#include "shell/file_menu_commands.h"
#include "shell/info_window.h"
#include "shell/main_toolbar.h"
#include "shell/menu_rules.h"
#include "shell/status_panels.h"
#include "shell/workspace.h"
#include "users/account_windows.h"
#include "widgets/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <array>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

// Toolbar entries that run the command of a menu item, in the order the
// dispatcher compares their keys.
struct MenuTwin {
    QStringView key;
    QStringView menuItem;
};
constexpr std::array kMenuTwins{
    MenuTwin{u"Nieuw", u"mnuBestand_nieuw"},
    MenuTwin{u"Open", u"mnuBestand_open"},
    MenuTwin{u"Opslaan", u"mnuBestand_opslaan"},
    MenuTwin{u"Opties", u"mnuInstellingen_opties"},
    MenuTwin{u"Overzicht", u"mnuVenster_overzicht"},
    MenuTwin{u"Programmaservice", u"mnuInstellingen_programmaservice"},
    MenuTwin{u"Radiotekst", u"mnuInstellingen_radiotekst"},
};

// The child windows a read-out from the toolbar closes first, in this order,
// so that none of them shows stale settings afterwards.
constexpr std::array<QStringView, 4> kEditorsClosedBeforeReadOut{
    u"frmOverzicht", u"frmProgramma", u"frmRadiotekst", u"frmDecoder_informatie"};

} // namespace

MainWindow::MainWindow(platform::SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings), workspace_(new Workspace(this)), menu_(*menuBar()),
      toolBar_(new MainToolBar(this)), statusPanels_(new StatusPanels(this)),
      windowList_(new ChildWindowList(*menu_.menu(u"mnuVenster"_s), *workspace_)) {
    setObjectName(u"frmBasis"_s);
    setWindowTitle(u"Velmora"_s);
    setCentralWidget(workspace_);
    addToolBar(Qt::TopToolBarArea, toolBar_);
    setStatusBar(statusPanels_);
    placeCentred();
    connectMenuCommands();
    encoderWiring_ = std::make_unique<EncoderWiring>(*this);
    fileMenuCommands_ = std::make_unique<FileMenuCommands>(*this);
    accountWindows_ = std::make_unique<users::AccountWindows>(*this);
    new editors::EditorCommands(*this);
    load();
}

MainWindow::~MainWindow() = default;

link::EncoderLink& MainWindow::encoderLink() {
    return encoderWiring_->encoderLink();
}

void MainWindow::closeEncoderPortWithoutNotice() {
    encoderLink().closePortWithoutNotice();
}

void MainWindow::load() {
    encoderWiring_->showConnectionState(encoderLink().state());
    document_.setModified(false);
    document_.setExitAfterSave(false);
}

void MainWindow::placeCentred() {
    const QSize client = widgets::twipsToSize(10830, 6270, this);
    const QSize size(client.width(), client.height() + menuBar()->sizeHint().height());
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, screen()->availableGeometry()));
}

void MainWindow::connectMenuCommands() {
    connect(menu_.menu(u"mnuBestand"_s), &QMenu::aboutToShow, this, &MainWindow::applyFileMenuRule);
    connect(menu_.menu(u"mnuVenster"_s), &QMenu::aboutToShow, this,
            &MainWindow::applyWindowMenuRule);
    // "Afsluiten" lets go of the encoder first, also when the save prompt then
    // keeps the program open; the display follows the closed port.
    QAction* exit = menuItem(u"mnuBestand_afsluiten"_s);
    connect(exit, &QAction::triggered, this, [this] {
        closeEncoderPortWithoutNotice();
        close();
    });
    new ExitShortcut(*this, *exit);
    connect(menuItem(u"mnuBewerken_velmoravullen"_s), &QAction::triggered, this,
            &MainWindow::fillRequested);
    connect(menuItem(u"mnuBewerken_velmorauitlezen"_s), &QAction::triggered, this,
            &MainWindow::readOutRequested);
    connect(menuItem(u"mnuVenster_trapsgewijs"_s), &QAction::triggered, workspace_,
            &QMdiArea::cascadeSubWindows);
    connect(menuItem(u"mnuHelp_info"_s), &QAction::triggered, this, &InfoWindow::showModal);
    connect(toolBar_, &MainToolBar::entryClicked, this, &MainWindow::dispatchToolbarEntry);
}

void MainWindow::enableSaveCommands(bool enabled) {
    menuItem(u"mnuBestand_opslaan"_s)->setEnabled(enabled);
    menuItem(u"mnuBestand_opslaanals"_s)->setEnabled(enabled);
    toolBar_->entry(u"Opslaan")->setEnabled(enabled);
}

QString MainWindow::connectionStatusText() const {
    return statusPanels_->connectionText();
}

void MainWindow::setConnectionStatusText(const QString& text) {
    statusPanels_->setConnectionText(text);
}

QString MainWindow::connectionTooltip() const {
    return toolBar_->entryAt(MainToolBar::kConnectionPosition)->toolTip();
}

void MainWindow::setConnectionTooltip(const QString& tooltip) {
    toolBar_->entryAt(MainToolBar::kConnectionPosition)->setToolTip(tooltip);
}

void MainWindow::setTransferCommandsEnabled(bool enabled) {
    menuItem(u"mnuBewerken_velmorauitlezen"_s)->setEnabled(enabled);
    menuItem(u"mnuBewerken_velmoravullen"_s)->setEnabled(enabled);
    toolBar_->entryAt(MainToolBar::kReadOutPosition)->setEnabled(enabled);
    toolBar_->entryAt(MainToolBar::kFillPosition)->setEnabled(enabled);
}

QWidget* MainWindow::openChildWindow(const QString& objectName,
                                     const widgets::ChildWindowFactory& factory) {
    return widgets::openChildWindow(*workspace_, objectName, factory);
}

void MainWindow::showAsStarted() {
    show();
    document_.setModified(false);
}

void MainWindow::dispatchToolbarEntry(const QString& key) {
    for (const MenuTwin& twin : kMenuTwins) {
        if (key == twin.key) {
            runMenuCommand(twin.menuItem.toString());
            return;
        }
    }
    if (key == u"Verbinding") {
        emit connectionToggleRequested();
    } else if (key == u"Inladen") {
        closeEditorsBeforeReadOut();
        emit readOutRequested();
    } else if (key == u"Versturen") {
        runMenuCommand(u"mnuBewerken_velmoravullen"_s);
    }
}

// Some toolbar entries are enabled apart from their menu twins (after
// "&Nieuw..." the toolbar still offers "Nieuw"), and the entry runs the
// command all the same. QAction::trigger ignores a disabled action, so the
// item's signal is raised directly.
void MainWindow::runMenuCommand(const QString& name) {
    QAction* item = menuItem(name);
    emit item->triggered(item->isChecked());
}

void MainWindow::closeEditorsBeforeReadOut() {
    for (const QStringView name : kEditorsClosedBeforeReadOut) {
        widgets::closeChildWindow(*workspace_, name.toString());
    }
}

void MainWindow::applyFileMenuRule() {
    const FileMenuState state =
        fileMenuRule(countLoadedWindows(*workspace_), document_.isComplete());
    menuItem(u"mnuBestand_sluit"_s)->setEnabled(state.closeEnabled);
    menuItem(u"mnuBestand_opslaanals"_s)->setEnabled(state.saveAsEnabled);
}

void MainWindow::applyWindowMenuRule() {
    menuItem(u"mnuVenster_trapsgewijs"_s)
        ->setEnabled(cascadeEnabled(countLoadedWindows(*workspace_)));
    windowList_->refresh();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(fileMenuCommands_->allowClose());
}

} // namespace velmora::shell
