#pragma once

#include "link/group_runner.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace velmora::editors {

// frmZendersResultaat, "Zenders: resultaat": the program's last run for all
// encoders, one row per encoder filled in as it goes: its name, its port, the
// hardware it announced and its result, and below them how the run went.
class GroupResultWindow : public QWidget, private link::GroupRunnerView {
    Q_OBJECT

public:
    explicit GroupResultWindow(link::GroupRunner& runner, QWidget* parent = nullptr);
    ~GroupResultWindow() override;
    GroupResultWindow(const GroupResultWindow&) = delete;
    GroupResultWindow& operator=(const GroupResultWindow&) = delete;

    // Why nothing started, in place of the summary.
    void showNote(const QString& note);

private:
    void showMembers(const std::vector<link::GroupMember>& members, link::JobTask task) override;
    void showJob(std::size_t row, const link::JobReport& report) override;
    void groupFinished() override;

    link::GroupRunner& runner_;
    QLabel* task_;
    QTableWidget* rows_;
    QLabel* summary_;
};

} // namespace velmora::editors
