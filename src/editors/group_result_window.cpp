#include "editors/group_result_window.h"

#include "platform/qt/windows1252.h"
#include "widgets/row_table.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

constexpr int kNameColumn = 0;
constexpr int kPortColumn = 1;
constexpr int kHardwareColumn = 2;
constexpr int kResultColumn = 3;

QString taskText(link::JobTask task) {
    switch (task) {
    case link::JobTask::Fill:
        return u"Alle zenders vullen"_s;
    case link::JobTask::FillAndVerify:
        return u"Alle zenders vullen en controleren"_s;
    case link::JobTask::Verify:
        return u"Alle zenders controleren"_s;
    case link::JobTask::ReadOut:
        return u"Alle zenders uitlezen"_s;
    }
    return {};
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(text);
    return item;
}

} // namespace

GroupResultWindow::GroupResultWindow(link::GroupRunner& runner, QWidget* parent)
    : QWidget(parent), runner_(runner), task_(new QLabel(this)),
      rows_(widgets::rowTable(u"lstResultaat"_s,
                              {u"Zender"_s, u"Poort"_s, u"Hardware"_s, u"Resultaat"_s}, this)),
      summary_(new QLabel(this)) {
    setWindowTitle(u"Zenders: resultaat"_s);
    task_->setObjectName(u"lblOpdracht"_s);
    rows_->setMinimumSize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 8);
    summary_->setObjectName(u"lblSamenvatting"_s);
    summary_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(task_);
    layout->addWidget(rows_, 1);
    layout->addWidget(summary_);
    task_->setText(u"Nog geen opdracht voor alle zenders."_s);
    runner_.setView(this);
}

GroupResultWindow::~GroupResultWindow() {
    runner_.setView(nullptr);
}

void GroupResultWindow::showNote(const QString& note) {
    summary_->setText(note);
}

void GroupResultWindow::showMembers(const std::vector<link::GroupMember>& members,
                                    link::JobTask task) {
    task_->setText(taskText(task));
    rows_->setRowCount(0);
    for (const link::GroupMember& member : members) {
        const int row = rows_->rowCount();
        rows_->insertRow(row);
        rows_->setItem(row, kNameColumn, cell(platform::fromWindows1252(member.name)));
        rows_->setItem(row, kPortColumn, cell(QString::number(member.port)));
        rows_->setItem(row, kHardwareColumn, cell({}));
        rows_->setItem(row, kResultColumn, cell({}));
    }
    summary_->setText(u"Bezig..."_s);
}

// While a job runs its result column names the step it is at.
void GroupResultWindow::showJob(std::size_t row, const link::JobReport& report) {
    const int shown = static_cast<int>(row);
    const QString result = report.outcome == link::JobOutcome::Pending
                               ? QString::fromLatin1(link::stepText(report.step)) + u"..."_s
                               : platform::fromWindows1252(report.result);
    rows_->setItem(shown, kHardwareColumn,
                   cell(platform::fromWindows1252(link::hardwareText(report.identity))));
    rows_->setItem(shown, kResultColumn, cell(result));
}

void GroupResultWindow::groupFinished() {
    summary_->setText(u"Klaar: "_s +
                      platform::fromWindows1252(link::groupSummary(runner_.reports())));
}

} // namespace velmora::editors
