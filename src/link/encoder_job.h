#pragma once

#include "link/encoder_session.h"
#include "link/read_out_copy.h"
#include "link/session_events.h"
#include "link/session_view.h"
#include "link/transfer.h"
#include "link/verification_view.h"
#include "link/wire_protocol.h"
#include "platform/serial_line.h"
#include "platform/timer.h"
#include "station/station_file.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::link {

// What a job asks of its encoder.
enum class JobTask { Fill, FillAndVerify, Verify, ReadOut };

// Where a job stands.
enum class JobStep { Waiting, Connecting, Filling, Verifying, ReadingOut, SigningOff, Finished };
// "Wacht", "Verbinden", "Vullen", "Controleren", "Uitlezen", "Afmelden", "Klaar".
std::string_view stepText(JobStep step);

enum class JobOutcome {
    Pending,     // still running
    Done,        // the encoder did what was asked
    Differences, // a verification found what the encoder holds to differ
    Failed,      // the encoder could not be reached, or did not answer in time
};

// A job as it goes, and how it ended.
struct JobReport {
    JobStep step = JobStep::Waiting;
    // What the encoder announced, once it has.
    std::optional<HardwareIdentity> identity;
    JobOutcome outcome = JobOutcome::Pending;
    // "Gevuld", "Gevuld, geen verschillen", "3 verschillen", "Uitgelezen" or
    // the message of a failure; empty while the job runs.
    std::string result;
};

// "RDS-SIM1 1.2"; empty before the encoder announced itself.
std::string hardwareText(const std::optional<HardwareIdentity>& identity);

// Everything a job is built from.
struct JobParts {
    platform::SerialLine& line;
    SessionTimers timers;
    // The time limit on a read-out, which the session itself leaves open.
    platform::Timer& readOutLimit;
    int portNumber;
    JobTask task;
    // What a fill sends or a verification compares with.
    FillContent content;
    Origin origin;
    // Told at every step and at the end.
    std::function<void(const JobReport&)> changed;
};

// One encoder, one task, on its own line and timers: it opens the port,
// greets the encoder and waits for its identification, fills, verifies or
// reads out, asks the encoder to sign off and closes. Every step has its time
// limit, so every job ends. It never opens a
// window, and touches nothing of the program but its own line: a read-out
// goes to a copy of its own.
class EncoderJob : private SessionListener, private SessionView, private VerificationView {
public:
    explicit EncoderJob(JobParts parts);
    ~EncoderJob() override;
    EncoderJob(const EncoderJob&) = delete;
    EncoderJob& operator=(const EncoderJob&) = delete;

    void start();
    // Ends the job before it opens anything: its port is held elsewhere.
    void refuse(std::string_view reason);
    const JobReport& report() const { return report_; }
    bool isFinished() const { return report_.step == JobStep::Finished; }
    // What a read-out that was Done brought in.
    station::StationSets readOutSets() const { return copy_.sets(); }

private:
    void sessionEvent(const SessionEvent& event) override;
    void began(const TransferStarted& started);
    void ended(const TransferEnded& ended);
    void disconnected(const Disconnected& disconnected);
    void startTask();
    // The task ended: the encoder is asked to sign off.
    void conclude(JobOutcome outcome, std::string result);
    void readOutTimeUp();
    void enter(JobStep step);

    void showConnectionState(ConnectionState /*state*/) override {}
    void showWarning(std::string_view /*text*/) override {}
    void showHardware(std::string_view /*caption*/,
                      const std::optional<HardwareIdentity>& /*identity*/) override {}
    void showProgress(int /*value*/) override {}
    void setProgress(int /*value*/) override {}
    void closeProgress() override {}
    void setBusy(bool /*busy*/) override {}
    void showReconnection(const std::optional<ReconnectWait>& /*wait*/) override {}
    void showVerification(const Verification& result) override;
    void showVerificationCancelled(std::string_view /*message*/) override {}

    JobTask task_;
    FillContent content_;
    Origin origin_;
    std::function<void(const JobReport&)> changed_;
    platform::Timer& readOutLimit_;
    JobReport report_;
    ReadOutCopy copy_;
    EncoderSession session_;
    bool destroying_ = false;
};

} // namespace velmora::link
