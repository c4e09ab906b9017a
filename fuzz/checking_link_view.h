#pragma once

#include "link/link_view.h"

#include <functional>

namespace velmora::fuzz {

// A main window as the link sees it, checking on every call that the link
// keeps the promises of LinkView: one beep just before each modal window,
// a progress window opened only when closed and updated only when open, with
// values from 0 to the last step, and a busy cursor set only when it changes.
class CheckingLinkView : public link::LinkView {
public:
    void showConnectionState(link::ConnectionState state) override { stateShown_ = state; }
    void showWarning(std::string_view text) override;
    void showHardware(std::string_view caption,
                      const std::optional<link::HardwareIdentity>& identity) override;
    void showProgress(int value) override;
    void setProgress(int value) override;
    void closeProgress() override;
    void setBusyCursor(bool busy) override;
    void beep() override { ++unansweredBeeps_; }

    // The user closes the progress window with its close box.
    void closeProgressByUser() { progressOpen_ = false; }

    link::ConnectionState stateShown() const { return stateShown_; }
    bool progressOpen() const { return progressOpen_; }
    bool busy() const { return busy_; }
    // Beeps that no modal window followed.
    int unansweredBeeps() const { return unansweredBeeps_; }

    // Runs inside every modal window, as its nested event loop.
    std::function<void()> insideModalWindow;

private:
    void enterModalWindow();

    link::ConnectionState stateShown_ = link::ConnectionState::Disconnected;
    bool progressOpen_ = false;
    bool busy_ = false;
    int unansweredBeeps_ = 0;
};

} // namespace velmora::fuzz
