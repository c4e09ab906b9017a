#include "editors/decoder_window.h"

#include "editors/frequency_text.h"
#include "platform/qt/windows1252.h"
#include "settings/decoder_settings.h"
#include "station/station_settings.h"
#include "widgets/editor_buttons.h"
#include "widgets/named_controls.h"
#include "widgets/twips.h"
#include "widgets/warning_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <optional>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

const QString kChooseTip = u"Selecteer de gewenste optie."_s;

QComboBox* dropDownList(QWidget& window, const QString& name) {
    auto* list = new QComboBox(&window);
    list->setObjectName(name);
    return list;
}

QGroupBox* group(QWidget& window, const QString& name, const QString& caption) {
    auto* box = new QGroupBox(caption, &window);
    box->setObjectName(name);
    return box;
}

// The caption above its list, as one cell of a group.
void addLabelled(QGridLayout& grid, int row, int column, const QString& labelName,
                 const QString& caption, QComboBox* list) {
    grid.addWidget(widgets::namedLabel(labelName, caption, list), row, column);
    grid.addWidget(list, row + 1, column);
}

void addIntervals(QComboBox& list, const station::IntervalRange& range) {
    for (int position = 0; position < range.positionCount(); ++position) {
        list.addItem(QString::number(range.secondsAt(position)));
    }
}

// Missing and out-of-range values fall back to the first entry: "Geen", "Geen",
// "3" and "25". Nothing is written until the user applies.
void selectStored(QComboBox& list, std::optional<int> position) {
    list.setCurrentIndex(position.value_or(0));
}

} // namespace

DecoderWindow::DecoderWindow(platform::SettingsStore& settings, const QLocale& locale,
                             QWidget* parent)
    : QWidget(parent), settings_(settings), programmeType_(dropDownList(*this, u"cmbProgramma"_s)),
      frequency_(dropDownList(*this, u"cmbAlternatief"_s)),
      psInterval_(dropDownList(*this, u"cmbProgrammaservice"_s)),
      rtInterval_(dropDownList(*this, u"cmbRadiotekst"_s)) {
    setWindowTitle(u"Decoder informatie"_s);
    setFixedSize(widgets::twipsToSize(4815, 4695, this));

    for (const std::string_view name : station::programmeTypes()) {
        programmeType_->addItem(platform::fromWindows1252(name));
    }
    frequency_->addItem(u"Geen"_s);
    for (int code = 1; code <= station::kHighestFrequencyCode; ++code) {
        frequency_->addItem(frequencyText(code, locale));
    }
    addIntervals(*psInterval_, station::kPsIntervalRange);
    addIntervals(*rtInterval_, station::kRtIntervalRange);
    const settings::DecoderSettings stored = settings::readDecoderSettings(settings_);
    selectStored(*programmeType_, stored.programmeType);
    selectStored(*frequency_, stored.frequencyCode);
    selectStored(*psInterval_, stored.psIntervalPosition);
    selectStored(*rtInterval_, stored.rtIntervalPosition);
    programmeType_->setToolTip(kChooseTip);
    frequency_->setToolTip(kChooseTip);

    QGroupBox* station = group(*this, u"Frame1"_s, u"Zender informatie"_s);
    auto* stationGrid = new QGridLayout(station);
    addLabelled(*stationGrid, 0, 0, u"Label1"_s, u"Programmatype"_s, programmeType_);
    addLabelled(*stationGrid, 2, 0, u"Label2"_s, u"Alternatieve Frequentie"_s, frequency_);

    QGroupBox* intervals = group(*this, u"Frame2"_s, u"Interval in seconden"_s);
    auto* intervalGrid = new QGridLayout(intervals);
    addLabelled(*intervalGrid, 0, 0, u"Label3"_s, u"Programmaservice"_s, psInterval_);
    addLabelled(*intervalGrid, 0, 1, u"Label4"_s, u"Radiotekst"_s, rtInterval_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(station);
    layout->addWidget(intervals);
    layout->addStretch();
    const widgets::EditorButtons buttons =
        widgets::addEditorButtons(*this, *layout, [this] { return apply(); });
    buttons.ok->setToolTip(u"Instellingen toepassen en terugkeren."_s);
    buttons.apply->setToolTip(u"Instellingen toepassen."_s);
    buttons.cancel->setToolTip(u"Instellingen ongewijzigd laten en terugkeren."_s);

    setTabOrder(programmeType_, frequency_);
    setTabOrder(frequency_, psInterval_);
    setTabOrder(psInterval_, rtInterval_);
    setTabOrder(rtInterval_, buttons.ok);
    setTabOrder(buttons.ok, buttons.apply);
    setTabOrder(buttons.apply, buttons.cancel);
}

bool DecoderWindow::apply() {
    const platform::Status saved = settings::writeDecoderChoice(
        settings_, {.programmeType = programmeType_->currentIndex(),
                    .frequencyCode = frequency_->currentIndex(),
                    .psIntervalPosition = psInterval_->currentIndex(),
                    .rtIntervalPosition = rtInterval_->currentIndex()});
    if (!saved) {
        widgets::warnSettingsNotSaved(saved.reason());
        return false;
    }
    return true;
}

} // namespace velmora::editors
