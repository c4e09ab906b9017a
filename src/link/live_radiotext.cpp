#include "link/live_radiotext.h"

#include "link/live_text.h"
#include "link/transfer.h"
#include "link/wire_protocol.h"
#include "settings/live_settings.h"
#include "station/path_text.h"

namespace velmora::link {

std::string_view reasonText(LiveState state) {
    switch (state) {
    case LiveState::Off:
        return "Live radiotekst staat uit";
    case LiveState::NoConnection:
        return "Geen verbinding met de Encoder";
    case LiveState::FileNotFound:
        return "Bestand niet gevonden";
    case LiveState::NothingSent:
        return "Nog niets verstuurd";
    case LiveState::Sent:
        break;
    }
    return {};
}

LiveRadiotext::LiveRadiotext(FrameOutlet& outlet, platform::Timer& timer,
                             platform::WatchedFile& file, const platform::SettingsStore& settings,
                             Clock clock)
    : outlet_(outlet), timer_(timer), file_(file), settings_(settings), clock_(std::move(clock)) {
    timer_.setTimeoutHandler([this] { tick(); });
    file_.setChangedHandler([this] { fileChanged(); });
    outlet_.setUseChangedHandler([this](LineUse use) { lineUseChanged(use); });
    reloadSettings();
}

LiveRadiotext::~LiveRadiotext() {
    timer_.setTimeoutHandler({});
    file_.setChangedHandler({});
    outlet_.setUseChangedHandler({});
}

void LiveRadiotext::reloadSettings() {
    const settings::LiveSettings live = settings::readLiveSettings(settings_);
    file_.follow(live.on ? station::utf8PathFromText(live.file) : std::string());
    if (takeCurrentText(true) && outlet_.use() == LineUse::Free && !timer_.isRunning()) {
        send();
    }
    showStatus();
}

void LiveRadiotext::lineUseChanged(LineUse use) {
    switch (use) {
    case LineUse::Free:
        if (takeCurrentText(true) && !timer_.isRunning()) {
            timer_.start(kPacingInterval);
        }
        break;
    case LineUse::HeldByFill:
        return;
    case LineUse::Closed:
        pendingFrame_.reset();
        break;
    }
    showStatus();
}

LiveStatus LiveRadiotext::status() const {
    if (!isOn()) {
        return {LiveState::Off};
    }
    if (outlet_.use() == LineUse::Closed) {
        return {LiveState::NoConnection};
    }
    if (!fileFound_) {
        return {LiveState::FileNotFound};
    }
    return lastSent_;
}

void LiveRadiotext::setView(LiveView* view) {
    view_ = view;
    showStatus();
}

bool LiveRadiotext::isOn() const {
    return settings::readLiveSettings(settings_).on;
}

bool LiveRadiotext::takeCurrentText(bool evenIfSent) {
    const std::optional<std::string> start = file_.readStart(kLiveTextReadLimit);
    fileFound_ = start.has_value();
    const settings::LiveSettings live = settings::readLiveSettings(settings_);
    if (!live.on || !start) {
        pendingFrame_.reset();
        return false;
    }
    const std::string payload = liveRadiotextPayload(live.prefix, *start);
    std::string frame = radiotextPayloadFrame(live.entry - 1, payload);
    if (frame == lastFrame_ && !evenIfSent && !pendingFrame_) {
        return false;
    }
    pendingFrame_ = std::move(frame);
    // The payload is the text, padded, and its active flag.
    pendingText_ = payload.substr(0, payload.size() - 1);
    pendingText_.erase(pendingText_.find_last_not_of(' ') + 1);
    return true;
}

void LiveRadiotext::fileChanged() {
    if (takeCurrentText(false) && outlet_.use() == LineUse::Free && !timer_.isRunning()) {
        send();
    }
    showStatus();
}

void LiveRadiotext::tick() {
    timer_.stop();
    if (pendingFrame_ && outlet_.use() == LineUse::Free) {
        send();
        showStatus();
    }
}

void LiveRadiotext::send() {
    outlet_.send(*pendingFrame_);
    lastFrame_ = std::move(*pendingFrame_);
    pendingFrame_.reset();
    timer_.start(kLiveInterval);
    lastSent_ = {LiveState::Sent, pendingText_, clock_()};
    if (sent_) {
        sent_(lastSent_.text);
    }
}

void LiveRadiotext::showStatus() {
    if (view_ != nullptr) {
        view_->showLiveStatus(status());
    }
}

} // namespace velmora::link
