#pragma once

#include "planning/planner.h"
#include "platform/file_dialogs.h"
#include "platform/settings_store.h"
#include "settings/planning_settings.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace velmora::editors {

// frmPlanning, "Planning": the entries of the planning, each with its days,
// start time, whether it goes to all encoders instead of the main
// connection's, station file and whether it is on, the check box "Planning
// gebruiken", and below them the entry in force now, the next one and how
// the last planned fill went.
class PlanningWindow : public QWidget, private planning::PlanningView {
    Q_OBJECT

public:
    PlanningWindow(platform::SettingsStore& settings, platform::FileDialogs& dialogs,
                   planning::Planner& planner, QWidget* parent = nullptr);
    ~PlanningWindow() override;
    PlanningWindow(const PlanningWindow&) = delete;
    PlanningWindow& operator=(const PlanningWindow&) = delete;

    // "&Toepassen": writes the planning and lets the planner follow it. When
    // the store refuses it, the user is told and this returns false.
    bool apply();

private:
    void addRow(const settings::PlanningEntry& entry);
    settings::PlanningEntry entryOfRow(int row) const;
    void browse();
    void showPlanningStatus(const planning::PlanningStatus& status) override;

    platform::SettingsStore& settings_;
    platform::FileDialogs& dialogs_;
    planning::Planner& planner_;
    QCheckBox* inUse_;
    QTableWidget* entries_;
    QLabel* inForce_;
    QLabel* next_;
    QLabel* last_;
    // The entry in force moves on with the clock while the window is open.
    QTimer refresh_;
};

} // namespace velmora::editors
