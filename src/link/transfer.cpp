#include "link/transfer.h"

#include "link/wire_protocol.h"
#include "settings/decoder_settings.h"

#include <algorithm>

namespace velmora::link {
namespace {

// The sixteen frames of a fill, as the document and the settings store hold
// them now: later changes are not sent.
std::vector<std::string> fillFrames(const station::Document& document,
                                    const platform::SettingsStore& settings) {
    std::vector<std::string> frames;
    for (int entry = 0; entry < station::kProgrammeServiceLayout.entryCount; ++entry) {
        frames.push_back(programmeServiceFrame(entry, document.programmeServiceSet()));
    }
    for (int entry = 0; entry < station::kRadiotextLayout.entryCount; ++entry) {
        frames.push_back(radiotextFrame(entry, document.radiotextSet()));
    }
    frames.push_back(decoderFrame(settings::readDecoderValues(settings)));
    return frames;
}

} // namespace

Transfer::Transfer(platform::SerialLine& line, platform::Timer& pacingTimer,
                   const station::Document& document, const platform::SettingsStore& settings,
                   LinkView& view)
    : line_(line), pacingTimer_(pacingTimer), document_(document), settings_(settings),
      view_(view) {}

void Transfer::startFill() {
    sendPosition_ = 0;
    if (!filling_) {
        view_.setBusyCursor(true);
    }
    filling_ = true;
    sendTable_ = fillFrames(document_, settings_);
    pacingTimer_.start(kPacingInterval);
    openProgress();
}

void Transfer::startReadOut() {
    sendPosition_ = 0;
    line_.write(kReadRequest);
    openProgress();
}

void Transfer::pacingTick() {
    pacingTimer_.stop();
    if (!filling_) {
        return;
    }
    line_.write(sendTable_[sendPosition_]);
    if (sendPosition_ + 1 < sendTable_.size()) {
        pacingTimer_.start(kPacingInterval);
        ++sendPosition_;
        showProgress(static_cast<int>(sendPosition_));
        return;
    }
    filling_ = false;
    closeProgress();
    view_.setBusyCursor(false);
}

void Transfer::advanceReadOut() {
    showProgress(std::min(progress_ + 1, kLastProgress));
}

void Transfer::finishReadOut() {
    closeProgress();
}

void Transfer::progressClosedByUser() {
    progressShown_ = false;
}

void Transfer::abandon() {
    pacingTimer_.stop();
    const bool wasFilling = filling_;
    filling_ = false;
    closeProgress();
    if (wasFilling) {
        view_.setBusyCursor(false);
    }
}

void Transfer::openProgress() {
    progress_ = 0;
    if (progressShown_) {
        view_.setProgress(progress_);
    } else {
        progressShown_ = true;
        view_.showProgress(progress_);
    }
}

void Transfer::showProgress(int value) {
    progress_ = value;
    if (progressShown_) {
        view_.setProgress(value);
    }
}

void Transfer::closeProgress() {
    if (progressShown_) {
        progressShown_ = false;
        view_.closeProgress();
    }
}

} // namespace velmora::link
