#pragma once

#include <QSocketNotifier>
#include <functional>

namespace velmora::platform {

// Tells when the device behind an open file descriptor hangs up, as a
// pseudo-terminal whose other end closes or a USB adapter that is pulled.
// QSerialPort from Qt 6.8 on no longer reports that: it goes on reading
// nothing, at full speed, and never names an error. The watch looks at its
// own duplicate of the descriptor, so that it does not share the one Qt
// watches.
class HangUpWatch {
public:
    explicit HangUpWatch(std::function<void()> onHangUp);
    ~HangUpWatch();
    HangUpWatch(const HangUpWatch&) = delete;
    HangUpWatch& operator=(const HangUpWatch&) = delete;

    // Watches the device open on this descriptor until stop(). Where it cannot
    // be watched, nothing is reported.
    void start(int descriptor);
    void stop();

private:
    void lookAtTheDevice();

    std::function<void()> onHangUp_;
    QSocketNotifier notifier_{QSocketNotifier::Read};
    int watched_ = -1;
};

} // namespace velmora::platform
