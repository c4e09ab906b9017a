#pragma once

#include "link/session_view.h"

#include <functional>

namespace velmora::fuzz {

// A main window as the session sees it, checking on every call that the
// session keeps the promises of SessionView: a progress window opened only
// when closed and updated only when open, with values from 0 to the last
// step, and the busy state set only when it changes.
class CheckingSessionView : public link::SessionView {
public:
    void showConnectionState(link::ConnectionState state) override { stateShown_ = state; }
    void showWarning(std::string_view text) override;
    void showHardware(std::string_view caption,
                      const std::optional<link::HardwareIdentity>& identity) override;
    void showProgress(int value) override;
    void setProgress(int value) override;
    void closeProgress() override;
    void setBusy(bool busy) override;
    void showReconnection(const std::optional<link::ReconnectWait>& /*wait*/) override {}

    // The user closes the progress window with its close box.
    void closeProgressByUser() { progressOpen_ = false; }

    link::ConnectionState stateShown() const { return stateShown_; }
    bool progressOpen() const { return progressOpen_; }
    bool busy() const { return busy_; }

    // Runs inside every modal window, as its nested event loop.
    std::function<void()> insideModalWindow;

private:
    void enterModalWindow();

    link::ConnectionState stateShown_ = link::ConnectionState::Disconnected;
    bool progressOpen_ = false;
    bool busy_ = false;
};

} // namespace velmora::fuzz
