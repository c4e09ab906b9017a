#include "cli/waiting_group.h"

namespace velmora::cli {

WaitingGroup::WaitingGroup(link::GroupParts parts, std::vector<link::GroupMember> members,
                           link::JobTask task, const link::FillContent& content)
    : run_(std::move(parts), std::move(members), task, content, link::Origin::CommandLine, *this) {}

void WaitingGroup::runToTheEnd() {
    run_.start();
    if (!finished_) {
        loop_.exec();
    }
}

void WaitingGroup::groupFinished() {
    finished_ = true;
    loop_.quit();
}

} // namespace velmora::cli
