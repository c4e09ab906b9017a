#include "link/transfer.h"

#include "link/wire_protocol.h"
#include "settings/decoder_settings.h"

#include <algorithm>

namespace velmora::link {
namespace {

// The sixteen frames of a fill, made when it starts: later changes are not sent.
std::vector<std::string> fillFrames(const FillContent& content) {
    std::vector<std::string> frames;
    for (int entry = 0; entry < station::kProgrammeServiceLayout.entryCount; ++entry) {
        frames.push_back(programmeServiceFrame(entry, content.programmeService));
    }
    for (int entry = 0; entry < station::kRadiotextLayout.entryCount; ++entry) {
        frames.push_back(radiotextFrame(entry, content.radiotext));
    }
    frames.push_back(decoderFrame(content.decoder));
    return frames;
}

} // namespace

FillContent fillContentOf(const station::Document& document,
                          const platform::SettingsStore& settings) {
    return {document.programmeServiceSet(), document.radiotextSet(),
            settings::readDecoderValues(settings)};
}

Transfer::Transfer(FrameOutlet& outlet, platform::Timer& pacingTimer, SessionView& view)
    : outlet_(outlet), pacingTimer_(pacingTimer), view_(view) {}

void Transfer::startFill(const FillContent& content) {
    sendPosition_ = 0;
    if (!filling_) {
        view_.setBusy(true);
    }
    filling_ = true;
    sendTable_ = fillFrames(content);
    pacingTimer_.start(kPacingInterval);
    openProgress();
}

void Transfer::startReadOut() {
    sendPosition_ = 0;
    outlet_.send(kReadRequest);
    openProgress();
}

void Transfer::pacingTick() {
    pacingTimer_.stop();
    if (!filling_) {
        return;
    }
    outlet_.send(sendTable_[sendPosition_]);
    if (sendPosition_ + 1 < sendTable_.size()) {
        pacingTimer_.start(kPacingInterval);
        ++sendPosition_;
        showProgress(static_cast<int>(sendPosition_));
        return;
    }
    filling_ = false;
    closeProgress();
    view_.setBusy(false);
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
        view_.setBusy(false);
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
