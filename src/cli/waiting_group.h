#pragma once

#include "link/group_run.h"

#include <QEventLoop>
#include <vector>

namespace velmora::cli {

// A group run that the command line waits for: the event loop runs until
// every job has ended, also when they all end at once as they start.
class WaitingGroup : private link::GroupView {
public:
    WaitingGroup(link::GroupParts parts, std::vector<link::GroupMember> members, link::JobTask task,
                 const link::FillContent& content);

    // Starts the jobs and returns once the last one has ended.
    void runToTheEnd();
    const link::GroupRun& run() const { return run_; }

private:
    void showJob(std::size_t /*row*/, const link::JobReport& /*report*/) override {}
    void groupFinished() override;

    QEventLoop loop_;
    bool finished_ = false;
    link::GroupRun run_;
};

} // namespace velmora::cli
