#include "platform/qt/hang_up_watch.h"

#include <poll.h>
#include <unistd.h>
#include <utility>

namespace velmora::platform {

HangUpWatch::HangUpWatch(std::function<void()> onHangUp) : onHangUp_(std::move(onHangUp)) {
    notifier_.setEnabled(false);
    QObject::connect(&notifier_, &QSocketNotifier::activated, &notifier_,
                     [this] { lookAtTheDevice(); });
}

HangUpWatch::~HangUpWatch() {
    stop();
}

void HangUpWatch::start(int descriptor) {
    stop();
    watched_ = ::dup(descriptor);
    if (watched_ < 0) {
        return;
    }
    notifier_.setSocket(watched_);
    notifier_.setEnabled(true);
}

void HangUpWatch::stop() {
    notifier_.setEnabled(false);
    if (watched_ >= 0) {
        ::close(watched_);
        watched_ = -1;
    }
}

// The descriptor also reads as ready whenever bytes arrive; those are the
// serial port's to read, so only a hang-up or an error counts here.
void HangUpWatch::lookAtTheDevice() {
    pollfd device{watched_, POLLIN, 0};
    if (::poll(&device, 1, 0) <= 0 || (device.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0) {
        return;
    }
    stop();
    onHangUp_();
}

} // namespace velmora::platform
