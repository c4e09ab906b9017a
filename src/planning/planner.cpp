#include "planning/planner.h"

#include "settings/decoder_settings.h"
#include "settings/settings_schema.h"
#include "station/path_text.h"
#include "station/station_file.h"

#include <algorithm>
#include <variant>

namespace velmora::planning {
namespace {

std::string clockText(const platform::LocalTime& time) {
    return settings::startText(time.hour, time.minute) + ":" + (time.second < 10 ? "0" : "") +
           std::to_string(time.second);
}

std::string_view endText(link::TransferEnd end) {
    switch (end) {
    case link::TransferEnd::Completed:
        return "voltooid";
    case link::TransferEnd::Failed:
        return "mislukt";
    case link::TransferEnd::Replaced:
        return "vervangen door een andere vulling";
    case link::TransferEnd::BrokenOff:
        return "afgebroken";
    }
    return {};
}

} // namespace

Planner::Planner(Parts parts) : parts_(std::move(parts)) {
    parts_.timer.setTimeoutHandler([this] { look(); });
    parts_.session.addListener(*this);
    reload();
}

Planner::~Planner() {
    parts_.timer.setTimeoutHandler({});
}

void Planner::reload() {
    planning_ = settings::readPlanningSettings(parts_.settings);
    look();
    showStatus();
}

PlanningStatus Planner::status() const {
    const platform::LocalTime now = parts_.clock.now();
    PlanningStatus status{.inUse = planning_.inUse,
                          .inForce = entryInForce(planning_.entries, now),
                          .inForceFile = {},
                          .next = nextStart(planning_.entries, now),
                          .nextFile = {},
                          .lastFill = lastFill_};
    if (status.inForce) {
        status.inForceFile = planning_.entries[status.inForce->entry].file;
    }
    if (status.next) {
        status.nextFile = planning_.entries[status.next->entry].file;
    }
    return status;
}

void Planner::setView(PlanningView* view) {
    view_ = view;
    showStatus();
}

void Planner::sessionEvent(const link::SessionEvent& event) {
    if (std::holds_alternative<link::Connected>(event)) {
        newConnection_ = true;
        look();
    } else if (std::holds_alternative<link::Disconnected>(event)) {
        waiting_.reset();
        look();
    } else if (const auto* ended = std::get_if<link::TransferEnded>(&event)) {
        if (ended->kind == link::TransferKind::Fill && ended->origin == link::Origin::Planning) {
            lastFill_ = lastFileText_ + ": " + std::string(endText(ended->end));
            showStatus();
        }
        look();
    }
}

void Planner::look() {
    followTimer();
    if (!planning_.inUse) {
        return;
    }
    const std::optional<Start> inForce = entryInForce(planning_.entries, parts_.clock.now());
    if (inForce && planning_.entries[inForce->entry].allEncoders) {
        waiting_.reset();
        lookForGroup(*inForce);
    } else {
        lookForConnection(inForce);
    }
}

void Planner::lookForGroup(const Start& inForce) {
    if (inForce != handledByGroup_) {
        waitingForGroup_ = inForce;
        handledByGroup_ = inForce;
        showStatus();
    }
    if (waitingForGroup_ && fillGroup(*waitingForGroup_)) {
        waitingForGroup_.reset();
    }
}

void Planner::lookForConnection(const std::optional<Start>& inForce) {
    if (parts_.session.state() != link::ConnectionState::Connected) {
        return;
    }
    if (inForce && (inForce != handled_ || newConnection_)) {
        waiting_ = inForce;
        handled_ = inForce;
        showStatus();
    }
    newConnection_ = false;
    if (waiting_ && !parts_.session.isBusy()) {
        const Start start = *waiting_;
        waiting_.reset();
        fill(start);
    }
}

// The timer runs only while there is something to look for.
void Planner::followTimer() {
    const bool forGroup = std::ranges::any_of(
        planning_.entries, [](const settings::PlanningEntry& entry) { return entry.allEncoders; });
    const bool wanted =
        planning_.inUse && (forGroup || parts_.session.state() == link::ConnectionState::Connected);
    if (wanted && !parts_.timer.isRunning()) {
        parts_.timer.start(kPlanningLook);
    } else if (!wanted) {
        parts_.timer.stop();
    }
}

// A file that cannot be read leaves the encoders as they are.
std::optional<link::FillContent> Planner::contentOf(const Start& start) {
    const std::string& file = planning_.entries[start.entry].file;
    lastFileText_ = file + ", " + clockText(parts_.clock.now());
    const station::StationFileRead read =
        station::readStationFile(parts_.files, station::utf8PathFromText(file));
    if (!read.status) {
        const std::string failure =
            "het bestand " + file + " kon niet worden gelezen: " + read.status.reason();
        lastFill_ = lastFileText_ + ": " + failure;
        parts_.record("Planning: " + failure);
        showStatus();
        return std::nullopt;
    }
    return link::FillContent{read.sets.programmeService, read.sets.radiotext,
                             settings::readDecoderValues(parts_.settings)};
}

void Planner::fill(const Start& start) {
    if (const std::optional<link::FillContent> content = contentOf(start)) {
        parts_.record("Planning: " + planning_.entries[start.entry].file + " gaat naar de encoder");
        parts_.session.startFill(*content, link::Origin::Planning);
    }
}

bool Planner::fillGroup(const Start& start) {
    if (parts_.group.isRunning()) {
        return false;
    }
    const std::optional<link::FillContent> content = contentOf(start);
    if (!content) {
        return true;
    }
    const std::string& file = planning_.entries[start.entry].file;
    const link::JobTask task = settings::readFlag(parts_.settings, settings::kVerifyAfterFill)
                                   ? link::JobTask::FillAndVerify
                                   : link::JobTask::Fill;
    std::vector<link::GroupMember> members = link::membersTakingPart(parts_.settings);
    if (members.empty()) {
        lastFill_ = lastFileText_ + ": er doet geen zender mee";
        parts_.record("Planning: " + file +
                      " gaat naar geen enkele zender: er doet geen zender mee");
        showStatus();
        return true;
    }
    parts_.record("Planning: " + file + " gaat naar alle zenders");
    parts_.group.start(
        std::move(members), task, *content, link::Origin::Group,
        [this, fileText = lastFileText_](const std::vector<link::JobReport>& reports) {
            lastFill_ = fileText + ": " + link::groupSummary(reports);
            showStatus();
        });
    return true;
}

void Planner::showStatus() {
    if (view_ != nullptr) {
        view_->showPlanningStatus(status());
    }
}

} // namespace velmora::planning
