#pragma once

#include "fakes/fake_serial_line.h"
#include "fakes/fake_timer.h"
#include "fakes/recording_session_view.h"
#include "fakes/recording_verification_view.h"
#include "link/encoder_session.h"

namespace velmora::fakes {

// An encoder session of its own on a fake line and hand-driven timers, on
// port n, without a read-out target or a live radiotext; it reconnects after
// a lost connection once a test sets reconnects.
struct SessionOnFakes {
    explicit SessionOnFakes(int portNumber = 1) : port(portNumber) {}

    int port;
    FakeSerialLine line;
    FakeTimer supervision;
    FakeTimer pacing;
    FakeTimer verificationTimer;
    FakeTimer reconnection;
    bool reconnects = false;
    RecordingSessionView view;
    RecordingVerificationView verificationView;
    link::EncoderSession session{
        {.line = line,
         .timers = {.supervision = supervision,
                    .pacing = pacing,
                    .verification = verificationTimer},
         .view = view,
         .verificationView = verificationView,
         .portToOpen = [this](int /*numberInForce*/) { return port; },
         .reconnect = link::ReconnectParts{reconnection, [this] { return reconnects; }}}};
};

} // namespace velmora::fakes
