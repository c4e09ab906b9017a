#pragma once

#include "fakes/encoder_frames.h"
#include "fakes/fake_serial_line.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_timer.h"
#include "fakes/recording_verification_view.h"
#include "link/encoder_link.h"
#include "recording_link_view.h"
#include "station/document.h"

#include <gtest/gtest.h>

namespace velmora::link {

using fakes::kIdentificationFrame;
using fakes::kSignOffFrame;

class NoDocumentView : public station::DocumentView {
public:
    void enableSaveCommands(bool) override {}
};

// An encoder link on fakes, with the encoder's side played by the test.
class LinkFixture : public testing::Test {
protected:
    void connect() {
        link.toggleConnection();
        line.receive(kIdentificationFrame);
        ASSERT_EQ(link.state(), ConnectionState::Connected);
        line.clearWrites();
    }

    fakes::FakeSerialLine line;
    fakes::FakeTimer supervision;
    fakes::FakeTimer pacing;
    fakes::FakeSettingsStore settings;
    NoDocumentView documentView;
    station::Document document{documentView};
    RecordingLinkView view;
    fakes::FakeTimer verificationTimer;
    fakes::RecordingVerificationView verificationView;
    EncoderLink link{line, supervision,       pacing,          settings, document,
                     view, verificationTimer, verificationView};
};

} // namespace velmora::link
