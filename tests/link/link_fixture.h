#pragma once

#include "fakes/encoder_frames.h"
#include "fakes/fake_serial_line.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_watched_file.h"
#include "fakes/recording_main_window.h"
#include "fakes/recording_session_view.h"
#include "fakes/recording_verification_view.h"
#include "link/encoder_session.h"
#include "settings/port_setting.h"
#include "settings/settings_schema.h"
#include "station/document.h"

#include <gtest/gtest.h>

namespace velmora::link {

using fakes::kIdentificationFrame;
using fakes::kSignOffFrame;

// The main encoder session on fakes, with the encoder's side played by the test.
class LinkFixture : public testing::Test {
protected:
    void connect() {
        session.toggleConnection();
        line.receive(kIdentificationFrame);
        ASSERT_EQ(session.state(), ConnectionState::Connected);
        line.clearWrites();
    }
    // "Versturen" and "Velmora &controleren": the document and the "Decoder" keys.
    void fill() { session.startFill(fillContentOf(document, settings)); }
    void verify() { session.startVerification(fillContentOf(document, settings)); }

    fakes::FakeSerialLine line;
    fakes::FakeTimer supervision;
    fakes::FakeTimer pacing;
    fakes::FakeSettingsStore settings;
    fakes::RecordingMainWindow mainWindow;
    station::Document document{mainWindow};
    fakes::RecordingSessionView view;
    fakes::FakeTimer verificationTimer;
    fakes::RecordingVerificationView verificationView;
    // The live radiotext, off until section "Live" switches it on.
    fakes::FakeTimer liveTimer;
    fakes::FakeWatchedFile liveFile;
    std::chrono::system_clock::time_point now{std::chrono::hours(20)};
    EncoderSession session{
        {.line = line,
         .timers = {.supervision = supervision,
                    .pacing = pacing,
                    .verification = verificationTimer},
         .view = view,
         .verificationView = verificationView,
         .portToOpen =
             [this](int numberInForce) {
                 return settings::portNumberToOpen(settings, numberInForce);
             },
         .verifiesAfterFill =
             [this] { return settings::readFlag(settings, settings::kVerifyAfterFill); },
         .readOut = ReadOutTarget{document, settings},
         .live = LiveParts{liveTimer, liveFile, settings, [this] { return now; }}}};
};

} // namespace velmora::link
