#pragma once

#include "link/frame_outlet.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "platform/watched_file.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::link {

// At most one live frame goes out per interval.
inline constexpr std::chrono::seconds kLiveInterval{1};

enum class LiveState {
    Off,          // the live radiotext is switched off
    NoConnection, // no connection stands
    FileNotFound, // the file is not there or cannot be read
    NothingSent,  // all is set, and the first frame is yet to go
    Sent,         // the last text went out
};

struct LiveStatus {
    LiveState state = LiveState::Off;
    // With Sent: the text as it went out, without its trailing spaces, and when.
    std::string text{};
    std::chrono::system_clock::time_point sentAt{};
};

// Why nothing goes out, in the words the live window uses.
std::string_view reasonText(LiveState state);

class LiveView {
public:
    virtual ~LiveView() = default;
    virtual void showLiveStatus(const LiveStatus& status) = 0;
};

// The "now playing" text that a playout system writes to a file, sent to the
// encoder as one RT entry while a connection stands. The text lives on the
// encoder only: the document is never touched.
//
// A change goes out at once when the last live frame is a second old, and
// otherwise when that second is over, only the latest text. While a fill runs
// nothing goes out; when the line becomes free again, after a connect or a
// fill that has just put the document's text in the same entry, the current
// text goes out once more, one pacing interval after the frame before it.
// It follows the line's use at the outlet its frames leave from.
class LiveRadiotext {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;

    LiveRadiotext(FrameOutlet& outlet, platform::Timer& timer, platform::WatchedFile& file,
                  const platform::SettingsStore& settings,
                  Clock clock = &std::chrono::system_clock::now);
    ~LiveRadiotext();
    LiveRadiotext(const LiveRadiotext&) = delete;
    LiveRadiotext& operator=(const LiveRadiotext&) = delete;

    // The live settings changed: follows the file they name now, and sends
    // what the new settings make of it.
    void reloadSettings();

    LiveStatus status() const;
    // The window that shows the status, or nullptr.
    void setView(LiveView* view);
    // Runs with the text of every live frame that went out.
    void setSentHandler(std::function<void(const std::string& text)> handler) {
        sent_ = std::move(handler);
    }

private:
    void lineUseChanged(LineUse use);
    bool isOn() const;
    // Reads the file into the frame that would go out now; false when there is none.
    bool takeCurrentText(bool evenIfSent);
    void fileChanged();
    void tick();
    void send();
    void showStatus();

    FrameOutlet& outlet_;
    platform::Timer& timer_;
    platform::WatchedFile& file_;
    const platform::SettingsStore& settings_;
    Clock clock_;
    LiveView* view_ = nullptr;
    std::function<void(const std::string& text)> sent_;
    bool fileFound_ = false;
    std::optional<std::string> pendingFrame_;
    std::string pendingText_;
    std::string lastFrame_;
    LiveStatus lastSent_{LiveState::NothingSent};
};

} // namespace velmora::link
