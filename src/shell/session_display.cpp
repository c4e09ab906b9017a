#include "shell/session_display.h"

#include "platform/qt/windows1252.h"
#include "shell/hardware_window.h"
#include "shell/main_toolbar.h"
#include "shell/status_panels.h"
#include "widgets/warning_window.h"

#include <QAction>
#include <QApplication>

namespace velmora::shell {

using platform::fromWindows1252;

SessionDisplay::SessionDisplay(StatusPanels& statusPanels, const MainToolBar& toolBar,
                               CommandItems items, QObject* parent)
    : QObject(parent), statusPanels_(statusPanels), toolBar_(toolBar), items_(items) {
    connect(&progress_, &TransferProgress::closedByUser, this,
            &SessionDisplay::progressClosedByUser);
}

SessionDisplay::~SessionDisplay() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
}

void SessionDisplay::showConnectionState(link::ConnectionState state) {
    const link::ConnectionDisplay& display = link::displayOf(state);
    statusPanels_.setConnectionText(fromWindows1252(display.statusText));
    toolBar_.entry(Command::ToggleConnection)->setToolTip(fromWindows1252(display.tooltip));
    for (const Command transfer : {Command::ReadOut, Command::Fill, Command::Verify}) {
        items_.setEnabled(transfer, display.transferCommandsEnabled, true);
    }
    toolBar_.entry(Command::ReadOutAfterClosingEditors)
        ->setEnabled(display.transferCommandsEnabled);
}

// The message window beeps as it opens.
void SessionDisplay::showWarning(std::string_view text) {
    widgets::showWarning(text);
}

// So does the hardware window.
void SessionDisplay::showHardware(std::string_view caption,
                                  const std::optional<link::HardwareIdentity>& identity) {
    HardwareReport report;
    report.frameCaption = fromWindows1252(caption);
    if (identity) {
        report.rows =
            HardwareRows{fromWindows1252(identity->name), fromWindows1252(identity->version),
                         fromWindows1252(identity->updateDate)};
    }
    HardwareWindow::present(report);
}

void SessionDisplay::showProgress(int value) {
    progress_.open(value);
}

void SessionDisplay::setProgress(int value) {
    progress_.setValue(value);
}

void SessionDisplay::closeProgress() {
    progress_.close();
}

void SessionDisplay::setBusy(bool busy) {
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void SessionDisplay::showReconnection(const std::optional<link::ReconnectWait>& wait) {
    statusPanels_.setReconnectionText(wait ? fromWindows1252(link::reconnectText(*wait))
                                           : QString());
}

} // namespace velmora::shell
