#include "link/group_runner.h"

namespace velmora::link {

bool GroupRunner::start(std::vector<GroupMember> members, JobTask task, const FillContent& content,
                        Origin origin, GroupFinished finished) {
    if (isRunning()) {
        return false;
    }
    run_.reset();
    task_ = task;
    finished_ = std::move(finished);
    GroupView& view = *this;
    run_ = std::make_unique<GroupRun>(parts_, std::move(members), task, content, origin, view);
    if (view_ != nullptr) {
        view_->showMembers(run_->members(), task_);
    }
    run_->start();
    return true;
}

void GroupRunner::setView(GroupRunnerView* view) {
    view_ = view;
    if (view_ == nullptr || !run_) {
        return;
    }
    view_->showMembers(run_->members(), task_);
    const std::vector<JobReport> reports = run_->reports();
    for (std::size_t row = 0; row < reports.size(); ++row) {
        view_->showJob(row, reports[row]);
    }
    if (!run_->isRunning()) {
        view_->groupFinished();
    }
}

void GroupRunner::showJob(std::size_t row, const JobReport& report) {
    if (view_ != nullptr) {
        view_->showJob(row, report);
    }
}

void GroupRunner::groupFinished() {
    if (view_ != nullptr) {
        view_->groupFinished();
    }
    if (finished_) {
        finished_(run_->reports());
    }
}

} // namespace velmora::link
