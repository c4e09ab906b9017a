#include "checking_link_view.h"

#include "link/encoder_link.h"
#include "link/transfer.h"
#include "property.h"

namespace velmora::fuzz {
namespace {

bool isProgressValue(int value) {
    return value >= 0 && value <= link::kLastProgress;
}

} // namespace

void CheckingLinkView::showWarning(std::string_view text) {
    require(!text.empty(), "a warning has a text");
    enterModalWindow();
}

void CheckingLinkView::showHardware(std::string_view caption,
                                    const std::optional<link::HardwareIdentity>& identity) {
    require(caption == link::kSignOnCaption || caption == link::kSignOffCaption,
            "the hardware window announces a sign-on or a sign-off");
    require(caption != link::kSignOnCaption || identity.has_value(),
            "a sign-on shows the identity just announced");
    enterModalWindow();
}

void CheckingLinkView::enterModalWindow() {
    require(unansweredBeeps_ == 1, "exactly one beep comes just before a modal window");
    unansweredBeeps_ = 0;
    if (insideModalWindow) {
        insideModalWindow();
    }
}

void CheckingLinkView::showProgress(int value) {
    require(!progressOpen_, "the progress window is opened only when it is closed");
    require(isProgressValue(value), "progress lies within the bar");
    progressOpen_ = true;
}

void CheckingLinkView::setProgress(int value) {
    require(progressOpen_, "progress is set only on an open progress window");
    require(isProgressValue(value), "progress lies within the bar");
}

void CheckingLinkView::closeProgress() {
    require(progressOpen_, "only an open progress window is closed");
    progressOpen_ = false;
}

void CheckingLinkView::setBusyCursor(bool busy) {
    require(busy != busy_, "the busy cursor is set only when it changes");
    busy_ = busy;
}

} // namespace velmora::fuzz
