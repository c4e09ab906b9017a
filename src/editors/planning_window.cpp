#include "editors/planning_window.h"

#include "platform/qt/windows1252.h"
#include "station/path_text.h"
#include "station/station_file.h"
#include "widgets/editor_buttons.h"
#include "widgets/named_controls.h"
#include "widgets/row_table.h"
#include "widgets/storable_file_choice.h"
#include "widgets/warning_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

constexpr int kOnColumn = 0;
constexpr int kFirstDayColumn = 1;
constexpr int kStartColumn = kFirstDayColumn + settings::kDaysInWeek;
constexpr int kAllEncodersColumn = kStartColumn + 1;
constexpr int kFileColumn = kAllEncodersColumn + 1;
constexpr std::chrono::seconds kRefreshInterval{1};

QString fileName(const std::string& windows1252Path) {
    return QFileInfo(platform::fromWindows1252(windows1252Path)).fileName();
}

QStringList headers() {
    QStringList headers{u"Aan"_s};
    for (const std::string_view day : settings::kDayNames) {
        headers.append(QString::fromLatin1(day));
    }
    return headers << u"Tijd"_s << u"Alle zenders"_s << u"Bestand"_s;
}

// "ochtend.Rds (ma 06:00)".
QString startText(const std::optional<planning::Start>& start, const std::string& file) {
    if (!start) {
        return u"geen"_s;
    }
    const auto day = static_cast<std::size_t>(start->weekday);
    return fileName(file) + u" ("_s + QString::fromLatin1(settings::kDayNames[day]) + u' ' +
           QString::fromStdString(settings::startText(start->hour, start->minuteOfHour)) + u')';
}

} // namespace

PlanningWindow::PlanningWindow(platform::SettingsStore& settings, platform::FileDialogs& dialogs,
                               planning::Planner& planner, QWidget* parent)
    : QWidget(parent), settings_(settings), dialogs_(dialogs), planner_(planner),
      inUse_(new QCheckBox(u"Planning gebruiken"_s, this)),
      entries_(widgets::rowTable(u"lstPlanning"_s, headers(), this)), inForce_(new QLabel(this)),
      next_(new QLabel(this)), last_(new QLabel(this)) {
    setWindowTitle(u"Planning"_s);
    inUse_->setObjectName(u"chkGebruiken"_s);
    entries_->setMinimumSize(fontMetrics().averageCharWidth() * 72, fontMetrics().height() * 6);
    inForce_->setObjectName(u"lblNu"_s);
    next_->setObjectName(u"lblVolgende"_s);
    last_->setObjectName(u"lblLaatste"_s);
    last_->setWordWrap(true);

    auto* browseButton = widgets::namedButton(u"cmdBladeren"_s, u"&Bladeren..."_s, this);
    const widgets::RowButtons rows = widgets::rowButtons(*entries_, {browseButton});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inUse_);
    layout->addWidget(entries_, 1);
    layout->addLayout(rows.layout);
    layout->addWidget(inForce_);
    layout->addWidget(next_);
    layout->addWidget(last_);
    widgets::addEditorButtons(*this, *layout, [this] { return apply(); });

    const settings::PlanningSettings stored = settings::readPlanningSettings(settings_);
    inUse_->setChecked(stored.inUse);
    for (const settings::PlanningEntry& entry : stored.entries) {
        addRow(entry);
    }
    connect(rows.add, &QPushButton::clicked, this, [this] {
        settings::PlanningEntry everyDay;
        everyDay.days.fill(true);
        addRow(everyDay);
        entries_->selectRow(entries_->rowCount() - 1);
    });
    connect(browseButton, &QPushButton::clicked, this, &PlanningWindow::browse);
    refresh_.setInterval(kRefreshInterval);
    connect(&refresh_, &QTimer::timeout, this, [this] { showPlanningStatus(planner_.status()); });
    refresh_.start();
    planner_.setView(this);
}

PlanningWindow::~PlanningWindow() {
    planner_.setView(nullptr);
}

void PlanningWindow::addRow(const settings::PlanningEntry& entry) {
    const int row = entries_->rowCount();
    entries_->insertRow(row);
    entries_->setItem(row, kOnColumn, widgets::checkCell(entry.on));
    for (int day = 0; day < settings::kDaysInWeek; ++day) {
        entries_->setItem(row, kFirstDayColumn + day,
                          widgets::checkCell(entry.days[static_cast<std::size_t>(day)]));
    }
    auto* start = new QTimeEdit(QTime(entry.hour, entry.minute), entries_);
    start->setDisplayFormat(u"HH:mm"_s);
    entries_->setCellWidget(row, kStartColumn, start);
    entries_->setItem(row, kAllEncodersColumn, widgets::checkCell(entry.allEncoders));
    auto* file = new QTableWidgetItem(platform::fromWindows1252(entry.file));
    file->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    entries_->setItem(row, kFileColumn, file);
}

settings::PlanningEntry PlanningWindow::entryOfRow(int row) const {
    settings::PlanningEntry entry;
    entry.on = widgets::isChecked(*entries_, row, kOnColumn);
    for (int day = 0; day < settings::kDaysInWeek; ++day) {
        entry.days[static_cast<std::size_t>(day)] =
            widgets::isChecked(*entries_, row, kFirstDayColumn + day);
    }
    const QTime start = static_cast<QTimeEdit*>(entries_->cellWidget(row, kStartColumn))->time();
    entry.hour = start.hour();
    entry.minute = start.minute();
    entry.allEncoders = widgets::isChecked(*entries_, row, kAllEncodersColumn);
    entry.file = platform::toWindows1252(entries_->item(row, kFileColumn)->text());
    return entry;
}

bool PlanningWindow::apply() {
    settings::PlanningSettings planning{.inUse = inUse_->isChecked(), .entries = {}};
    for (int row = 0; row < entries_->rowCount(); ++row) {
        planning.entries.push_back(entryOfRow(row));
    }
    const platform::Status saved = settings::writePlanningSettings(settings_, planning);
    if (!saved) {
        widgets::warnSettingsNotSaved(saved.reason());
        return false;
    }
    planner_.reload();
    return true;
}

// The file of the selected entry, chosen where that file lies.
void PlanningWindow::browse() {
    const int row = entries_->currentRow();
    if (row < 0) {
        return;
    }
    const QString current = entries_->item(row, kFileColumn)->text();
    const std::optional<QString> chosen = widgets::askStorableFile(
        dialogs_,
        {.title = "Velmora",
         .filter = std::string(station::kStationFileFilter),
         .initialFolder =
             current.isEmpty() ? std::string() : QFileInfo(current).path().toStdString(),
         .initialFile = {}},
        u"gepland"_s);
    if (chosen) {
        entries_->item(row, kFileColumn)->setText(*chosen);
    }
}

void PlanningWindow::showPlanningStatus(const planning::PlanningStatus& status) {
    const QString off = status.inUse ? QString() : u" (de planning wordt niet gebruikt)"_s;
    inForce_->setText(u"Nu: "_s + startText(status.inForce, status.inForceFile) + off);
    next_->setText(u"Volgende: "_s + startText(status.next, status.nextFile));
    last_->setText(
        u"Laatste geplande vulling: "_s +
        (status.lastFill.empty() ? u"nog geen"_s : platform::fromWindows1252(status.lastFill)));
}

} // namespace velmora::editors
