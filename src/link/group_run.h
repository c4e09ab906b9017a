#pragma once

#include "link/encoder_job.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
#include "platform/timer.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::link {

// One encoder of a group, as the list of encoders names it.
struct GroupMember {
    std::string name; // "Zender Noord", or empty; Windows-1252
    int port = 1;
};

// The encoders of the list in the settings store that take part.
std::vector<GroupMember> membersTakingPart(const platform::SettingsStore& store);

// Where a group shows its jobs: one row per member, in the list's order.
class GroupView {
public:
    virtual ~GroupView() = default;
    virtual void showJob(std::size_t row, const JobReport& report) = 0;
    virtual void groupFinished() = 0;
};

// What a group is built from beside its members.
struct GroupParts {
    // A line and a timer of its own for each job.
    std::function<std::unique_ptr<platform::SerialLine>()> newLine;
    std::function<std::unique_ptr<platform::Timer>()> newTimer;
    // Whether another connection of this program holds the port open.
    std::function<bool(int port)> isPortHeld = [](int /*port*/) { return false; };
    // Writes a line to the log.
    std::function<void(std::string_view line)> record;
};

// A job in one line: "Zender Noord (poort 3, RDS-SIM1 1.2): Gevuld", and for
// a member without a name "Poort 3 (RDS-SIM1 1.2): Gevuld".
std::string jobLine(const GroupMember& member, const JobReport& report);
// The line the log gets for a finished job: "Vullen en controleren door
// groep, Zender Noord (poort 3, RDS-SIM1 1.2): Gevuld, geen verschillen".
std::string jobLogText(JobTask task, Origin origin, const GroupMember& member,
                       const JobReport& report);

// "3 zenders: 1 gevuld, 1 met verschillen, 1 mislukt".
std::string groupSummary(const std::vector<JobReport>& reports);

// The exit status of velmora-cli for these reports: 0 when every encoder
// did what was asked, 1 when a verification found differences, 2 when one
// failed.
int exitStatusOf(const std::vector<JobReport>& reports);

// The same task for every member at once, each a job on its own line and
// timers, all on the one thread: eight encoders take about as long as one.
// Two members on one port, or a member on a port held elsewhere: the later
// one reports "Deze poort is al in gebruik".
class GroupRun {
public:
    GroupRun(GroupParts parts, std::vector<GroupMember> members, JobTask task,
             const FillContent& content, Origin origin, GroupView& view);
    ~GroupRun();
    GroupRun(const GroupRun&) = delete;
    GroupRun& operator=(const GroupRun&) = delete;

    // Once; a run is not started again.
    void start();
    bool isRunning() const { return unfinished_ > 0; }
    const std::vector<GroupMember>& members() const { return members_; }
    std::vector<JobReport> reports() const;
    const EncoderJob& job(std::size_t row) const { return *slots_[row].job; }

private:
    struct Slot {
        std::unique_ptr<platform::SerialLine> line;
        std::unique_ptr<platform::Timer> supervision;
        std::unique_ptr<platform::Timer> pacing;
        std::unique_ptr<platform::Timer> verification;
        std::unique_ptr<platform::Timer> readOutLimit;
        std::unique_ptr<EncoderJob> job;
    };
    void changed(std::size_t row, const JobReport& report);

    GroupParts parts_;
    std::vector<GroupMember> members_;
    JobTask task_;
    Origin origin_;
    GroupView& view_;
    std::vector<Slot> slots_;
    std::size_t unfinished_ = 0;
    bool started_ = false;
};

} // namespace velmora::link
