#include "link/group_run.h"

#include "link/connection.h"
#include "settings/encoder_list.h"

#include <algorithm>
#include <set>

namespace velmora::link {
namespace {

std::string_view taskText(JobTask task) {
    switch (task) {
    case JobTask::Fill:
        return "Vullen";
    case JobTask::FillAndVerify:
        return "Vullen en controleren";
    case JobTask::Verify:
        return "Controle";
    case JobTask::ReadOut:
        return "Uitlezen";
    }
    return {};
}

} // namespace

std::vector<GroupMember> membersTakingPart(const platform::SettingsStore& store) {
    std::vector<GroupMember> members;
    for (const settings::EncoderEntry& encoder : settings::readEncoderList(store)) {
        if (encoder.takesPart) {
            members.push_back({.name = encoder.name, .port = encoder.port});
        }
    }
    return members;
}

std::string jobLine(const GroupMember& member, const JobReport& report) {
    const std::string port = std::to_string(member.port);
    const std::string hardware = hardwareText(report.identity);
    const std::string who =
        member.name.empty()
            ? "Poort " + port + (hardware.empty() ? "" : " (" + hardware + ")")
            : member.name + " (poort " + port + (hardware.empty() ? "" : ", " + hardware) + ")";
    return who + ": " + report.result;
}

std::string jobLogText(JobTask task, Origin origin, const GroupMember& member,
                       const JobReport& report) {
    return std::string(taskText(task)) + " door " + std::string(originText(origin)) + ", " +
           jobLine(member, report);
}

std::string groupSummary(const std::vector<JobReport>& reports) {
    const auto count = [&reports](JobOutcome outcome) {
        return std::ranges::count_if(
            reports, [outcome](const JobReport& report) { return report.outcome == outcome; });
    };
    std::string summary =
        std::to_string(reports.size()) + (reports.size() == 1 ? " zender" : " zenders");
    const std::pair<JobOutcome, std::string_view> parts[] = {
        {JobOutcome::Done, " gelukt"},
        {JobOutcome::Differences, " met verschillen"},
        {JobOutcome::Failed, " mislukt"},
        {JobOutcome::Pending, " bezig"}};
    std::string_view separator = ": ";
    for (const auto& [outcome, text] : parts) {
        if (const auto number = count(outcome); number > 0) {
            summary += std::string(separator) + std::to_string(number) + std::string(text);
            separator = ", ";
        }
    }
    return summary;
}

int exitStatusOf(const std::vector<JobReport>& reports) {
    const auto any = [&reports](JobOutcome outcome) {
        return std::ranges::any_of(
            reports, [outcome](const JobReport& report) { return report.outcome == outcome; });
    };
    if (any(JobOutcome::Failed) || any(JobOutcome::Pending)) {
        return 2;
    }
    return any(JobOutcome::Differences) ? 1 : 0;
}

GroupRun::GroupRun(GroupParts parts, std::vector<GroupMember> members, JobTask task,
                   const FillContent& content, Origin origin, GroupView& view)
    : parts_(std::move(parts)), members_(std::move(members)), task_(task), origin_(origin),
      view_(view) {
    slots_.reserve(members_.size());
    for (std::size_t row = 0; row < members_.size(); ++row) {
        Slot& slot = slots_.emplace_back();
        slot.line = parts_.newLine();
        slot.supervision = parts_.newTimer();
        slot.pacing = parts_.newTimer();
        slot.verification = parts_.newTimer();
        slot.readOutLimit = parts_.newTimer();
        slot.job = std::make_unique<EncoderJob>(
            JobParts{.line = *slot.line,
                     .timers = {.supervision = *slot.supervision,
                                .pacing = *slot.pacing,
                                .verification = *slot.verification},
                     .readOutLimit = *slot.readOutLimit,
                     .portNumber = members_[row].port,
                     .task = task,
                     .content = content,
                     .origin = origin,
                     .changed = [this, row](const JobReport& report) { changed(row, report); }});
    }
}

// The jobs go before their lines and timers.
GroupRun::~GroupRun() {
    for (Slot& slot : slots_) {
        slot.job.reset();
    }
}

void GroupRun::start() {
    if (started_) {
        return;
    }
    started_ = true;
    unfinished_ = slots_.size();
    std::set<int> taken;
    for (std::size_t row = 0; row < slots_.size(); ++row) {
        const int port = members_[row].port;
        if (parts_.isPortHeld(port) || !taken.insert(port).second) {
            slots_[row].job->refuse(kPortInUse);
        } else {
            slots_[row].job->start();
        }
    }
    if (slots_.empty()) {
        view_.groupFinished();
    }
}

std::vector<JobReport> GroupRun::reports() const {
    std::vector<JobReport> reports;
    for (const Slot& slot : slots_) {
        reports.push_back(slot.job->report());
    }
    return reports;
}

void GroupRun::changed(std::size_t row, const JobReport& report) {
    view_.showJob(row, report);
    if (report.step != JobStep::Finished) {
        return;
    }
    if (parts_.record) {
        parts_.record(jobLogText(task_, origin_, members_[row], report));
    }
    if (--unfinished_ == 0) {
        view_.groupFinished();
    }
}

} // namespace velmora::link
