#include "shell/encoder_wiring.h"

#include "platform/qt/windows1252.h"
#include "shell/hardware_window.h"
#include "shell/main_window.h"
#include "widgets/warning_window.h"

#include <QApplication>

namespace velmora::shell {

using platform::fromWindows1252;

EncoderWiring::EncoderWiring(MainWindow& window)
    : window_(window),
      link_(mscBasis_, tmrBasis_, tmrBasis_Delay_, window.settings(), window.document(), *this) {
    connect(&window, &MainWindow::connectionToggleRequested, this,
            [this] { link_.toggleConnection(); });
    connect(&window, &MainWindow::fillRequested, this, [this] { link_.startFill(); });
    connect(&window, &MainWindow::readOutRequested, this, [this] { link_.startReadOut(); });
    connect(&progress_, &TransferProgress::closedByUser, this,
            [this] { link_.progressClosedByUser(); });
}

EncoderWiring::~EncoderWiring() {
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
}

void EncoderWiring::showConnectionState(link::ConnectionState state) {
    const link::ConnectionDisplay& display = link::displayOf(state);
    window_.setConnectionStatusText(fromWindows1252(display.statusText));
    window_.setConnectionTooltip(fromWindows1252(display.tooltip));
    window_.setTransferCommandsEnabled(display.transferCommandsEnabled);
}

void EncoderWiring::showWarning(std::string_view text) {
    widgets::WarningWindow::showMessage(fromWindows1252(text));
}

void EncoderWiring::showHardware(std::string_view caption,
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

void EncoderWiring::showProgress(int value) {
    progress_.open(value);
}

void EncoderWiring::setProgress(int value) {
    progress_.setValue(value);
}

void EncoderWiring::closeProgress() {
    progress_.close();
}

void EncoderWiring::setBusyCursor(bool busy) {
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

// The message and hardware windows sound the beep themselves as they open,
// which is always right after the link asks for it.
void EncoderWiring::beep() {}

} // namespace velmora::shell
