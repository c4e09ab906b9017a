#pragma once

#include "link/group_run.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::link {

// What a window that follows the program's group shows.
class GroupRunnerView : public GroupView {
public:
    // A run begins with these members, each still waiting.
    virtual void showMembers(const std::vector<GroupMember>& members, JobTask task) = 0;
};

// Called with every report once a run ends; it may not start another run.
using GroupFinished = std::function<void(const std::vector<JobReport>& reports)>;

// The program's group: one run at a time, kept after it ends so that its
// window can show it, and replaced by the next.
class GroupRunner : private GroupView {
public:
    explicit GroupRunner(GroupParts parts) : parts_(std::move(parts)) {}

    // False, starting nothing, while a run is under way.
    bool start(std::vector<GroupMember> members, JobTask task, const FillContent& content,
               Origin origin, GroupFinished finished = {});
    bool isRunning() const { return run_ && run_->isRunning(); }
    // How the jobs of the last run stand; none before the first.
    std::vector<JobReport> reports() const {
        return run_ ? run_->reports() : std::vector<JobReport>{};
    }
    // The window that shows the runs, or nullptr; it is shown the last run
    // at once.
    void setView(GroupRunnerView* view);

private:
    void showJob(std::size_t row, const JobReport& report) override;
    void groupFinished() override;

    GroupParts parts_;
    std::unique_ptr<GroupRun> run_;
    JobTask task_ = JobTask::Fill;
    GroupFinished finished_;
    GroupRunnerView* view_ = nullptr;
};

} // namespace velmora::link
