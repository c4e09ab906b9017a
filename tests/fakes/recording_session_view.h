#pragma once

#include "link/session_view.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::fakes {

// Where a session shows itself, as a test sees it: it records every call,
// knows which windows are up, and lets a test act from inside a modal window.
class RecordingSessionView : public link::SessionView {
public:
    struct Report {
        std::string text;
        link::ConnectionState stateShown;
        bool progressOpen;
    };
    struct Hardware {
        std::string caption;
        std::optional<link::HardwareIdentity> identity;
        link::ConnectionState stateShown;
    };

    void showConnectionState(link::ConnectionState state) override { stateShown = state; }
    void showWarning(std::string_view text) override {
        warnings.push_back({std::string(text), stateShown, progressOpen});
        if (duringWarning) {
            std::exchange(duringWarning, nullptr)();
        }
    }
    void showHardware(std::string_view caption,
                      const std::optional<link::HardwareIdentity>& identity) override {
        hardware.push_back({std::string(caption), identity, stateShown});
        if (duringHardware) {
            std::exchange(duringHardware, nullptr)();
        }
    }
    void showProgress(int value) override {
        progressOpen = true;
        progress.push_back(value);
        ++progressOpenings;
    }
    void setProgress(int value) override { progress.push_back(value); }
    void closeProgress() override { progressOpen = false; }
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
    void showReconnection(const std::optional<link::ReconnectWait>& wait) override {
        reconnection.push_back(wait);
    }

    link::ConnectionState stateShown = link::ConnectionState::Disconnected;
    std::vector<Report> warnings;
    std::vector<Hardware> hardware;
    std::vector<int> progress;
    int progressOpenings = 0;
    bool progressOpen = false;
    std::vector<bool> busyChanges;
    std::vector<std::optional<link::ReconnectWait>> reconnection;
    // Run once from inside the next modal window of their kind.
    std::function<void()> duringWarning;
    std::function<void()> duringHardware;
};

} // namespace velmora::fakes
