#include "fakes/fake_encoder.h"
#include "fakes/fake_serial_line.h"
#include "fakes/fake_timer.h"
#include "fakes/param_names.h"
#include "link/connection.h"
#include "link/group_run.h"
#include "link/supervision.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace velmora::link {
namespace {

using OpenResult = platform::SerialLine::OpenResult;
using fakes::PrintTo;

FillContent sampleContent() {
    FillContent content;
    for (int entry = 0; entry < 10; ++entry) {
        content.programmeService += "NAAM " + std::to_string(entry) + "  1\r\n";
    }
    for (int entry = 0; entry < 5; ++entry) {
        content.radiotext += "Tekst " + std::to_string(entry) + std::string(57, ' ') + "1\r\n";
    }
    content.decoder = {.programmeType = "10",
                       .frequencyCode = "5",
                       .psIntervalSeconds = "4",
                       .rtIntervalSeconds = "30"};
    return content;
}

std::vector<std::string> fillFrames(const FillContent& content) {
    std::vector<std::string> frames;
    for (int entry = 0; entry < 10; ++entry) {
        frames.push_back(programmeServiceFrame(entry, content.programmeService));
    }
    for (int entry = 0; entry < 5; ++entry) {
        frames.push_back(radiotextFrame(entry, content.radiotext));
    }
    frames.push_back(decoderFrame(content.decoder));
    return frames;
}

// A group on fake lines and hand-driven timers, each encoder played by a
// FakeEncoder that holds sampleContent() before the group starts.
class GroupOnFakes : private GroupView {
public:
    struct Member {
        GroupMember member;
        fakes::EncoderBehaviour encoder{};
        OpenResult open = OpenResult::Opened;
    };

    GroupOnFakes(std::vector<Member> members, JobTask task, std::vector<int> heldPorts = {})
        : members_(std::move(members)), heldPorts_(std::move(heldPorts)),
          run_(parts(), groupMembers(), task, sampleContent(), Origin::Group, *this) {}

    void startAndRunToTheEnd() {
        run_.start();
        runToTheEnd();
    }

    // Time goes by only for a job whose encoder has nothing left to answer.
    void runToTheEnd() {
        for (int round = 0; round < 100 && run_.isRunning(); ++round) {
            for (auto& encoder : encoders_) {
                encoder->react();
            }
            for (std::size_t job = 0; job < lines_.size(); ++job) {
                if (lines_[job]->writes().empty()) {
                    fireFirstRunning(job);
                }
            }
        }
    }

    GroupRun& run() { return run_; }
    std::vector<JobStep> stepsOf(std::size_t row) const { return steps_[row]; }
    const std::vector<std::string>& log() const { return log_; }
    bool finished() const { return finished_; }
    fakes::FakeSerialLine& line(std::size_t row) { return *lines_[row]; }

private:
    GroupParts parts() {
        return {.newLine =
                    [this] {
                        auto line = std::make_unique<fakes::FakeSerialLine>();
                        const Member& member = members_[lines_.size()];
                        line->nextOpenResult = member.open;
                        line->accessFailureOnOpen = {"/dev/ttyUSB0", "Vraag uw beheerder."};
                        lines_.push_back(line.get());
                        encoders_.push_back(
                            std::make_unique<fakes::FakeEncoder>(*line, member.encoder));
                        encoders_.back()->hold(fillFrames(sampleContent()));
                        return line;
                    },
                .newTimer =
                    [this] {
                        auto timer = std::make_unique<fakes::FakeTimer>();
                        timers_.push_back(timer.get());
                        return timer;
                    },
                .isPortHeld =
                    [this](int port) {
                        return std::ranges::find(heldPorts_, port) != heldPorts_.end();
                    },
                .record = [this](std::string_view line) { log_.emplace_back(line); }};
    }

    std::vector<GroupMember> groupMembers() const {
        std::vector<GroupMember> members;
        for (const Member& member : members_) {
            members.push_back(member.member);
        }
        return members;
    }

    // Time goes by for one job: the pacing first, then the second after a
    // fill and the verification's limit, the read-out's limit, and then the
    // limit on an answer.
    void fireFirstRunning(std::size_t job) {
        for (const std::size_t timer : {1U, 2U, 3U, 0U}) {
            if (timers_[job * 4 + timer]->fire()) {
                return;
            }
        }
    }

    void showJob(std::size_t row, const JobReport& report) override {
        steps_.resize(members_.size());
        if (steps_[row].empty() || steps_[row].back() != report.step) {
            steps_[row].push_back(report.step);
        }
    }
    void groupFinished() override { finished_ = true; }

    std::vector<Member> members_;
    std::vector<int> heldPorts_;
    std::vector<fakes::FakeSerialLine*> lines_;
    std::vector<std::unique_ptr<fakes::FakeEncoder>> encoders_;
    std::vector<fakes::FakeTimer*> timers_;
    std::vector<std::vector<JobStep>> steps_;
    std::vector<std::string> log_;
    bool finished_ = false;
    GroupRun run_;
};

using enum JobStep;

struct JobCase {
    const char* name;
    JobTask task;
    fakes::EncoderBehaviour encoder;
    OpenResult open;
    bool portHeld;
    std::vector<JobStep> steps;
    JobOutcome outcome;
    std::string result;
};

class EncoderJobTest : public testing::TestWithParam<JobCase> {};

TEST_P(EncoderJobTest, TakesItsStepsAndEndsWithOneResult) {
    const JobCase& job = GetParam();
    GroupOnFakes group({{.member = {"Zender Noord", 3}, .encoder = job.encoder, .open = job.open}},
                       job.task, job.portHeld ? std::vector{3} : std::vector<int>{});
    group.startAndRunToTheEnd();

    ASSERT_TRUE(group.finished());
    const JobReport report = group.run().reports().front();
    EXPECT_EQ(group.stepsOf(0), job.steps);
    EXPECT_EQ(report.outcome, job.outcome);
    EXPECT_EQ(report.result, job.result);
    EXPECT_FALSE(group.line(0).isOpen());
    if (job.task == JobTask::ReadOut && job.outcome == JobOutcome::Done) {
        const FillContent content = sampleContent();
        EXPECT_EQ(group.run().job(0).readOutSets(),
                  (station::StationSets{content.programmeService, content.radiotext}));
    }
}

const fakes::EncoderBehaviour kAnswers{};
const std::vector kFilledAndVerified{Connecting, Filling, Verifying, SigningOff, Finished};

INSTANTIATE_TEST_SUITE_P(
    EveryEnd, EncoderJobTest,
    testing::Values(
        JobCase{"Fills",
                JobTask::Fill,
                kAnswers,
                OpenResult::Opened,
                false,
                {Connecting, Filling, SigningOff, Finished},
                JobOutcome::Done,
                "Gevuld"},
        JobCase{"FillsAndVerifies", JobTask::FillAndVerify, kAnswers, OpenResult::Opened, false,
                kFilledAndVerified, JobOutcome::Done, "Gevuld, geen verschillen"},
        JobCase{"FindsADifference",
                JobTask::FillAndVerify,
                {.corruptAnswer = 4},
                OpenResult::Opened,
                false,
                kFilledAndVerified,
                JobOutcome::Differences,
                "Gevuld, 1 verschil"},
        JobCase{"VerifiesOnly",
                JobTask::Verify,
                kAnswers,
                OpenResult::Opened,
                false,
                {Connecting, Verifying, SigningOff, Finished},
                JobOutcome::Done,
                "Geen verschillen"},
        JobCase{"ReadsOut",
                JobTask::ReadOut,
                kAnswers,
                OpenResult::Opened,
                false,
                {Connecting, ReadingOut, SigningOff, Finished},
                JobOutcome::Done,
                "Uitgelezen"},
        JobCase{"KeepsItsResultWithoutASignOff",
                JobTask::Fill,
                {.signsOff = false},
                OpenResult::Opened,
                false,
                {Connecting, Filling, SigningOff, Finished},
                JobOutcome::Done,
                "Gevuld"},
        JobCase{"SilentEncoder",
                JobTask::FillAndVerify,
                {.answers = false},
                OpenResult::Opened,
                false,
                {Connecting, Finished},
                JobOutcome::Failed,
                std::string(kNoAnswerToGreeting)},
        JobCase{"VerificationCutShort",
                JobTask::FillAndVerify,
                {.answerCount = 14},
                OpenResult::Opened,
                false,
                kFilledAndVerified,
                JobOutcome::Failed,
                "De encoder antwoordde niet binnen 5 seconden. Niet ontvangen: RT 5, Decoder."},
        JobCase{"ReadOutCutShort",
                JobTask::ReadOut,
                {.answerCount = 10},
                OpenResult::Opened,
                false,
                {Connecting, ReadingOut, SigningOff, Finished},
                JobOutcome::Failed,
                "De encoder antwoordde niet binnen 5 seconden."},
        JobCase{"LineVanishesDuringTheFill",
                JobTask::Fill,
                {.vanishAfterFillFrames = 5},
                OpenResult::Opened,
                false,
                {Connecting, Filling, Finished},
                JobOutcome::Failed,
                std::string(kPortLost)},
        JobCase{"NoSuchPort",
                JobTask::Fill,
                kAnswers,
                OpenResult::NoSuchPort,
                false,
                {Connecting, Finished},
                JobOutcome::Failed,
                std::string(kNoSuchPort)},
        JobCase{"NoAccess",
                JobTask::Fill,
                kAnswers,
                OpenResult::NoAccess,
                false,
                {Connecting, Finished},
                JobOutcome::Failed,
                "Geen toegang tot poort 3 (/dev/ttyUSB0). Vraag uw beheerder."},
        JobCase{"PortHeldByTheMainConnection",
                JobTask::Fill,
                kAnswers,
                OpenResult::Opened,
                true,
                {Finished},
                JobOutcome::Failed,
                std::string(kPortInUse)}),
    fakes::ByCaseName{});

// All jobs start at once, before any time goes by; of two members on one
// port the later is refused; the log gets one line per job.
TEST(GroupRun, RunsEveryJobAtOnceAndLogsOneLineEach) {
    GroupOnFakes group({{.member = {"Zender Noord", 1}},
                        {.member = {"Zender Zuid", 2}, .encoder = {.corruptAnswer = 16}},
                        {.member = {"Studio", 1}}},
                       JobTask::FillAndVerify);
    group.run().start();
    EXPECT_EQ(group.line(0).writes(), std::vector<std::string>{std::string(kGreetingFrame)});
    EXPECT_EQ(group.line(1).writes(), std::vector<std::string>{std::string(kGreetingFrame)});
    EXPECT_EQ(group.line(2).lastPortNumber(), 0);

    group.runToTheEnd();
    EXPECT_EQ(group.log(),
              (std::vector<std::string>{
                  "Vullen en controleren door groep, Studio (poort 1): Deze poort is al in gebruik",
                  "Vullen en controleren door groep, Zender Noord (poort 1, RX-UNIT1 1.2): "
                  "Gevuld, geen verschillen",
                  "Vullen en controleren door groep, Zender Zuid (poort 2, RX-UNIT1 1.2): "
                  "Gevuld, 1 verschil"}));
    EXPECT_EQ(exitStatusOf(group.run().reports()), 2);
}

TEST(GroupRun, ExitStatusNamesTheWorstOutcome) {
    const auto status = [](std::vector<JobOutcome> outcomes) {
        std::vector<JobReport> reports;
        for (JobOutcome outcome : outcomes) {
            JobReport report;
            report.outcome = outcome;
            reports.push_back(report);
        }
        return exitStatusOf(reports);
    };
    EXPECT_EQ(status({JobOutcome::Done, JobOutcome::Done}), 0);
    EXPECT_EQ(status({JobOutcome::Done, JobOutcome::Differences}), 1);
    EXPECT_EQ(status({JobOutcome::Differences, JobOutcome::Failed}), 2);
    EXPECT_EQ(status({JobOutcome::Pending}), 2);
}

} // namespace
} // namespace velmora::link
