#pragma once

#include "link/encoder_session.h"
#include "link/group_runner.h"
#include "planning/schedule.h"
#include "platform/clock.h"
#include "platform/file_store.h"
#include "platform/settings_store.h"
#include "platform/timer.h"
#include "settings/planning_settings.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::planning {

// While the planning is used and a connection stands, it looks this often
// whether another entry came in force.
inline constexpr std::chrono::seconds kPlanningLook{1};

// What the planning window shows.
struct PlanningStatus {
    bool inUse = false;
    std::optional<Start> inForce;
    std::string inForceFile; // Windows-1252 path
    std::optional<Start> next;
    std::string nextFile;
    // The last planned fill: its file, when, and how it went; empty before the first.
    std::string lastFill;
};

class PlanningView {
public:
    virtual ~PlanningView() = default;
    virtual void showPlanningStatus(const PlanningStatus& status) = 0;
};

// Fills the encoder of a session by the clock: while the planning is used and
// the connection stands, the station file of the entry in force goes out when
// another entry comes in force, and once after every new connection. Only the
// entry in force is ever sent, never one that was missed. A planned fill
// never cuts into a transfer: it follows right after it. The open document is
// never touched.
//
// An entry for all encoders goes to every encoder of the list that takes
// part, whether or not the main connection stands: when it comes in force,
// and when the planning starts to be used. It waits for a group that is
// still under way.
class Planner : public link::SessionListener {
public:
    struct Parts {
        link::EncoderSession& session;
        link::GroupRunner& group;
        platform::Timer& timer;
        const platform::Clock& clock;
        const platform::FileStore& files;
        // The planning, and the decoder values that a planned fill sends.
        const platform::SettingsStore& settings;
        // Writes a line to the log.
        std::function<void(std::string_view line)> record;
    };

    explicit Planner(Parts parts);
    ~Planner() override;
    Planner(const Planner&) = delete;
    Planner& operator=(const Planner&) = delete;

    // The planning was changed in the window.
    void reload();
    PlanningStatus status() const;
    // The window that shows the status, or nullptr.
    void setView(PlanningView* view);

    void sessionEvent(const link::SessionEvent& event) override;

private:
    void look();
    void lookForConnection(const std::optional<Start>& inForce);
    void lookForGroup(const Start& inForce);
    void followTimer();
    // The entry's file and the decoder values; nothing, after telling why,
    // when the file cannot be read.
    std::optional<link::FillContent> contentOf(const Start& start);
    void fill(const Start& start);
    // False while a group is still under way.
    bool fillGroup(const Start& start);
    void showStatus();

    Parts parts_;
    settings::PlanningSettings planning_;
    PlanningView* view_ = nullptr;
    // The start last sent or tried, and the one waiting for the session.
    std::optional<Start> handled_;
    std::optional<Start> waiting_;
    // The same for the group.
    std::optional<Start> handledByGroup_;
    std::optional<Start> waitingForGroup_;
    bool newConnection_ = false;
    std::string lastFileText_;
    std::string lastFill_;
};

} // namespace velmora::planning
