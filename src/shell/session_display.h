#pragma once

#include "link/session_view.h"
#include "shell/command_items.h"
#include "shell/transfer_progress.h"

#include <QObject>

namespace velmora::shell {

class MainToolBar;
class StatusPanels;

// How the main window shows the main encoder session: status panel 3, the
// tooltip of "Verbinding" and the transfer commands follow the connection;
// messages and the hardware window are modal and beep; the progress of a
// transfer shows in the warning window; a fill sets the hourglass; the wait
// for an automatic connect shows in a status panel of its own.
class SessionDisplay : public QObject, public link::SessionView {
    Q_OBJECT

public:
    SessionDisplay(StatusPanels& statusPanels, const MainToolBar& toolBar, CommandItems items,
                   QObject* parent = nullptr);
    ~SessionDisplay() override;

    void showConnectionState(link::ConnectionState state) override;
    void showWarning(std::string_view text) override;
    void showHardware(std::string_view caption,
                      const std::optional<link::HardwareIdentity>& identity) override;
    void showProgress(int value) override;
    void setProgress(int value) override;
    void closeProgress() override;
    void setBusy(bool busy) override;
    void showReconnection(const std::optional<link::ReconnectWait>& wait) override;

signals:
    // The progress window of a transfer was closed with its close box.
    void progressClosedByUser();

private:
    StatusPanels& statusPanels_;
    const MainToolBar& toolBar_;
    CommandItems items_;
    TransferProgress progress_;
    bool busy_ = false;
};

} // namespace velmora::shell
