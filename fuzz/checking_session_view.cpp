#include "checking_session_view.h"

#include "link/encoder_session.h"
#include "link/transfer.h"
#include "property.h"

namespace velmora::fuzz {
namespace {

bool isProgressValue(int value) {
    return value >= 0 && value <= link::kLastProgress;
}

} // namespace

void CheckingSessionView::showWarning(std::string_view text) {
    require(!text.empty(), "a warning has a text");
    enterModalWindow();
}

void CheckingSessionView::showHardware(std::string_view caption,
                                       const std::optional<link::HardwareIdentity>& identity) {
    require(caption == link::kSignOnCaption || caption == link::kSignOffCaption,
            "the hardware window announces a sign-on or a sign-off");
    require(caption != link::kSignOnCaption || identity.has_value(),
            "a sign-on shows the identity just announced");
    enterModalWindow();
}

void CheckingSessionView::enterModalWindow() {
    if (insideModalWindow) {
        insideModalWindow();
    }
}

void CheckingSessionView::showProgress(int value) {
    require(!progressOpen_, "the progress window is opened only when it is closed");
    require(isProgressValue(value), "progress lies within the bar");
    progressOpen_ = true;
}

void CheckingSessionView::setProgress(int value) {
    require(progressOpen_, "progress is set only on an open progress window");
    require(isProgressValue(value), "progress lies within the bar");
}

void CheckingSessionView::closeProgress() {
    require(progressOpen_, "only an open progress window is closed");
    progressOpen_ = false;
}

void CheckingSessionView::setBusy(bool busy) {
    require(busy != busy_, "the busy state is set only when it changes");
    busy_ = busy;
}

} // namespace velmora::fuzz
