#include "link_session.h"

#include "checking_session_view.h"
#include "fakes/fake_serial_line.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_timer.h"
#include "fakes/recording_main_window.h"
#include "fakes/recording_verification_view.h"
#include "fuzz_input.h"
#include "link/encoder_session.h"
#include "link/wire_protocol.h"
#include "property.h"
#include "settings/number_in_text.h"
#include "settings/port_setting.h"
#include "settings/settings_schema.h"
#include "station/document.h"
#include "station/station_settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::fuzz {
namespace {

using link::ConnectionState;
using OpenResult = platform::SerialLine::OpenResult;

constexpr std::string_view kIdentificationFrame = "^B^I12120302RX-UNIT1^E";
constexpr std::string_view kSignOffFrame = "^B^S^E";
// Modal windows opened from inside modal windows, at most.
constexpr int kDeepestModalWindow = 3;
// A fill takes sixteen ticks; a few more show that the timer then stays quiet.
constexpr int kTicksToFinishAFill = 20;

// A name of the entry's width from the input, placed where the entry lies in
// its set, so that the protocol's own frame builders make the encoder's answer.
std::string setWithEntry(int entry, const station::SetLayout& layout, std::string_view name) {
    std::string set(static_cast<std::size_t>(entry * layout.entryWidth()), ' ');
    set += station::padName(name, layout);
    set += '1';
    return set;
}

// The user's steps, chosen by one byte each (modulo 16). The values from
// Receive on are the events, which also happen inside modal windows.
enum class Step : std::uint8_t {
    ToggleConnection,
    StartFill,
    StartReadOut,
    CloseProgressWindow,
    ClosePortOnExit,
    SendPiCode,     // two bytes: high, low
    ChangePort,     // a text for the port number setting
    NextOpenResult, // one byte
    ToggleSaveFailure,
    ActInsideNextModalWindow, // one byte: 1 to 4 events run inside it
    Receive,                  // a text: the bytes that arrive
    ReceiveAnswer,            // one byte chooses a well-formed answer of the encoder
    SupervisionTick,
    PacingTick,
    PacingTicksToFinishAFill,
    PortVanishes, // one byte: only a quarter of them vanish
};
constexpr int kStepCount = 16;
constexpr int kFirstEvent = static_cast<int>(Step::Receive);
constexpr int kEventCount = kStepCount - kFirstEvent;

class LinkSession {
public:
    explicit LinkSession(FuzzInput& input) : input_(input) {
        view_.insideModalWindow = [this] { runInsideModalWindow(); };
    }

    void play() {
        while (!input_.empty()) {
            userStep(input_.byte());
            checkSettled();
        }
    }

private:
    // What the user does at the main window, only where the window allows it.
    void userStep(std::uint8_t choice) {
        const auto step = static_cast<Step>(choice % kStepCount);
        switch (step) {
        case Step::ToggleConnection:
            session_.toggleConnection();
            break;
        case Step::StartFill:
            if (transferCommandsEnabled()) {
                session_.startFill(link::fillContentOf(document_, settings_));
            }
            break;
        case Step::StartReadOut:
            if (transferCommandsEnabled()) {
                session_.startReadOut();
            }
            break;
        case Step::CloseProgressWindow:
            if (view_.progressOpen()) {
                view_.closeProgressByUser();
                session_.progressClosedByUser();
            }
            break;
        case Step::ClosePortOnExit:
            session_.closePortWithoutNotice();
            break;
        case Step::SendPiCode: {
            const unsigned high = input_.byte();
            const unsigned low = input_.byte();
            session_.sendPiCode(static_cast<std::uint16_t>(high << 8U | low));
            break;
        }
        case Step::ChangePort:
            static_cast<void>(settings::write(settings_, settings::kPortNumber, input_.text()));
            break;
        case Step::NextOpenResult:
            line_.nextOpenResult = static_cast<OpenResult>(input_.byte() % 4);
            break;
        case Step::ToggleSaveFailure:
            settings_.failSaves = !settings_.failSaves;
            break;
        case Step::ActInsideNextModalWindow:
            modalSteps_ = 1 + input_.byte() % 4;
            break;
        default:
            event(step);
            break;
        }
    }

    // What happens without the user: it also happens while a modal window is up.
    void event(Step step) {
        switch (step) {
        case Step::Receive:
            line_.receive(input_.text());
            break;
        case Step::ReceiveAnswer:
            line_.receive(encoderAnswer(input_.byte()));
            break;
        case Step::SupervisionTick:
            supervision_.fire();
            break;
        case Step::PacingTick:
            pacing_.fire();
            break;
        case Step::PacingTicksToFinishAFill:
            for (int tick = 0; tick < kTicksToFinishAFill; ++tick) {
                pacing_.fire();
            }
            break;
        case Step::PortVanishes:
            if (input_.byte() % 4 == 0) {
                line_.vanish();
            }
            break;
        default:
            break;
        }
    }

    std::string encoderAnswer(std::uint8_t choice) {
        switch (choice % 6) {
        case 0:
            return std::string(kIdentificationFrame);
        case 1:
            return std::string(kSignOffFrame);
        case 2:
            return programmeServiceAnswer(input_.byte() % 10);
        case 3:
            return radiotextAnswer(input_.byte() % 5);
        case 4:
            return decoderAnswer();
        default: {
            // A whole read-out as the encoder answers the read request.
            std::string answer;
            for (int entry = 0; entry < station::kProgrammeServiceLayout.entryCount; ++entry) {
                answer += programmeServiceAnswer(entry);
            }
            for (int entry = 0; entry < station::kRadiotextLayout.entryCount; ++entry) {
                answer += radiotextAnswer(entry);
            }
            return answer + decoderAnswer();
        }
        }
    }

    std::string programmeServiceAnswer(int entry) {
        const auto& layout = station::kProgrammeServiceLayout;
        return link::programmeServiceFrame(entry, setWithEntry(entry, layout, input_.bytes(8)));
    }

    std::string radiotextAnswer(int entry) {
        const auto& layout = station::kRadiotextLayout;
        return link::radiotextFrame(entry, setWithEntry(entry, layout, input_.text()));
    }

    std::string decoderAnswer() {
        auto number = [this] { return std::to_string(input_.byte()); };
        return link::decoderFrame({number(), number(), number(), number()});
    }

    // A modal window's nested event loop: line input and timer ticks go on,
    // and the link must have finished its own changes before it got here.
    void runInsideModalWindow() {
        require(view_.stateShown() == session_.state(),
                "every change of state is shown before a modal window opens");
        if (modalSteps_ == 0 || modalDepth_ == kDeepestModalWindow) {
            return;
        }
        const int steps = std::exchange(modalSteps_, 0);
        ++modalDepth_;
        for (int step = 0; step < steps; ++step) {
            event(static_cast<Step>(kFirstEvent + input_.byte() % kEventCount));
        }
        --modalDepth_;
    }

    bool transferCommandsEnabled() const {
        return link::displayOf(view_.stateShown()).transferCommandsEnabled;
    }

    void checkSettled() {
        const ConnectionState state = session_.state();
        require(view_.stateShown() == state, "the window shows the link's state");
        require(view_.busy() == pacing_.isRunning(),
                "the busy cursor shows exactly while a fill is paced");
        switch (state) {
        case ConnectionState::Disconnected:
            require(!line_.isOpen(), "a disconnected link has closed its port");
            require(!supervision_.isRunning() && !pacing_.isRunning(),
                    "a disconnected link runs no timer");
            require(!view_.progressOpen(), "no transfer window outlives the connection");
            break;
        case ConnectionState::Connected:
            require(line_.isOpen(), "a connected link has its port open");
            require(!supervision_.isRunning(), "nothing is awaited while connected");
            break;
        case ConnectionState::Connecting:
        case ConnectionState::Disconnecting:
            require(supervision_.isRunning(), "an awaited answer is supervised");
            break;
        }
        checkNewWrites();
        require(document_.programmeServiceSet().size() <=
                    static_cast<std::size_t>(station::kProgrammeServiceLayout.setWidth()),
                "a received PS set fits its layout");
        require(document_.radiotextSet().size() <=
                    static_cast<std::size_t>(station::kRadiotextLayout.setWidth()),
                "a received RT set fits its layout");
        checkIntervalPair(settings::kPsIntervalPosition, settings::kPsIntervalSeconds,
                          station::kPsIntervalRange);
        checkIntervalPair(settings::kRtIntervalPosition, settings::kRtIntervalSeconds,
                          station::kRtIntervalRange);
    }

    // Each interval is kept twice, as a list position and in seconds, and
    // whoever writes one of the pair writes the other.
    void checkIntervalPair(const settings::Key& positionKey, const settings::Key& secondsKey,
                           const station::IntervalRange& range) const {
        const bool hasPosition = settings_.has(positionKey);
        require(hasPosition == settings_.has(secondsKey), "an interval is written as a pair");
        if (hasPosition) {
            const std::int64_t position =
                settings::numberFromText(settings::read(settings_, positionKey));
            const std::int64_t seconds =
                settings::numberFromText(settings::read(settings_, secondsKey));
            require(position + range.shortestSeconds == seconds,
                    "an interval's position and seconds agree");
        }
    }

    void checkNewWrites() {
        const std::vector<std::string>& writes = line_.writes();
        for (; writesChecked_ < writes.size(); ++writesChecked_) {
            const std::string& frame = writes[writesChecked_];
            require(frame.size() >= 5 && frame.starts_with("^B^") && frame.ends_with("^E"),
                    "everything written is one whole frame");
        }
    }

    FuzzInput& input_;
    fakes::FakeSerialLine line_;
    fakes::FakeTimer supervision_;
    fakes::FakeTimer pacing_;
    fakes::FakeSettingsStore settings_;
    fakes::RecordingMainWindow mainWindow_;
    station::Document document_{mainWindow_};
    CheckingSessionView view_;
    fakes::FakeTimer verificationTimer_;
    fakes::RecordingVerificationView verificationView_;
    link::EncoderSession session_{{.line = line_,
                                   .timers = {.supervision = supervision_,
                                              .pacing = pacing_,
                                              .verification = verificationTimer_},
                                   .view = view_,
                                   .verificationView = verificationView_,
                                   .portToOpen =
                                       [this](int numberInForce) {
                                           return settings::portNumberToOpen(settings_,
                                                                             numberInForce);
                                       },
                                   .readOut = link::ReadOutTarget{document_, settings_}}};
    int modalSteps_ = 0;
    int modalDepth_ = 0;
    std::size_t writesChecked_ = 0;
};

} // namespace

void playLinkSession(FuzzInput& input) {
    LinkSession(input).play();
}

} // namespace velmora::fuzz
