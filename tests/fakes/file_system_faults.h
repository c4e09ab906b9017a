#pragma once

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace velmora::fakes {

// While it lives, no file of this process may grow beyond limit bytes, as if
// the disk filled up: a write stops midway for any user, root included, and
// fails instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// While it lives, the file access of the calling thread is checked as for
// the user "nobody", so that a read-only folder stops root too. A process
// that is not root is checked as itself already. The folders on the way to
// the one under test must be open to others.
class OrdinaryFileAccess {
public:
    OrdinaryFileAccess() : wasRoot_(::geteuid() == 0) {
        if (wasRoot_) {
            ::setfsgid(kNobody);
            ::setfsuid(kNobody);
        }
    }
    ~OrdinaryFileAccess() {
        if (wasRoot_) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    OrdinaryFileAccess(const OrdinaryFileAccess&) = delete;
    OrdinaryFileAccess& operator=(const OrdinaryFileAccess&) = delete;

    // Whether permissions now hold for this thread; setfsuid reports no
    // failure but its result, so the current value is asked for.
    bool holds() const {
        return !wasRoot_ || ::setfsuid(static_cast<uid_t>(-1)) == static_cast<int>(kNobody);
    }

private:
    static constexpr uid_t kNobody = 65534;
    bool wasRoot_;
};

} // namespace velmora::fakes
