#include "editors/decoder_window.h"

#include "editors/frequency_text.h"
#include "link/encoder_link.h"
#include "platform/qt/windows1252.h"
#include "settings/number_in_text.h"
#include "station/station_settings.h"
#include "widgets/editor_buttons.h"
#include "widgets/twips.h"
#include "widgets/warning_window.h"
#include "widgets/window_names.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <string>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace keys = station::decoder_keys;

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
    auto* label = new QLabel(caption);
    label->setObjectName(labelName);
    label->setBuddy(list);
    grid.addWidget(label, row, column);
    grid.addWidget(list, row + 1, column);
}

void addIntervals(QComboBox& list, const station::IntervalRange& range) {
    for (int position = 0; position < range.positionCount(); ++position) {
        list.addItem(QString::number(range.secondsAt(position)));
    }
}

} // namespace

DecoderWindow::DecoderWindow(platform::SettingsStore& settings, const QLocale& locale,
                             QWidget* parent)
    : QWidget(parent), settings_(settings), programmeType_(dropDownList(*this, u"cmbProgramma"_s)),
      frequency_(dropDownList(*this, u"cmbAlternatief"_s)),
      psInterval_(dropDownList(*this, u"cmbProgrammaservice"_s)),
      rtInterval_(dropDownList(*this, u"cmbRadiotekst"_s)) {
    setObjectName(widgets::kDecoderWindow.toString());
    setWindowTitle(u"Decoder informatie"_s);
    setFixedSize(widgets::twipsToSize(4815, 4695, this));

    for (const std::string_view name : station::programmeTypes()) {
        programmeType_->addItem(platform::fromWindows1252(name));
    }
    selectStored(*programmeType_, keys::kProgrammeType);
    frequency_->addItem(u"Geen"_s);
    for (int code = 1; code <= station::kHighestFrequencyCode; ++code) {
        frequency_->addItem(frequencyText(code, locale));
    }
    selectStored(*frequency_, keys::kFrequency);
    addIntervals(*psInterval_, station::kPsIntervalRange);
    selectStored(*psInterval_, keys::kPsIntervalPosition);
    addIntervals(*rtInterval_, station::kRtIntervalRange);
    selectStored(*rtInterval_, keys::kRtIntervalPosition);
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

// Missing and out-of-range values fall back to the first entry: "Geen", "Geen",
// "3" and "25". Nothing is written until the user applies.
void DecoderWindow::selectStored(QComboBox& list, std::string_view key) {
    list.setCurrentIndex(
        settings::storedListPosition(settings_.GetSetting(keys::kSection, key), list.count())
            .value_or(0));
}

// The six keys go together: a store that takes only some of them would
// leave a fill sending other intervals than this window shows.
bool DecoderWindow::apply() {
    const std::string programmeType = std::to_string(programmeType_->currentIndex());
    const std::string frequency = std::to_string(frequency_->currentIndex());
    const std::string psPosition = std::to_string(psInterval_->currentIndex());
    const std::string psSeconds = platform::toWindows1252(psInterval_->currentText());
    const std::string rtPosition = std::to_string(rtInterval_->currentIndex());
    const std::string rtSeconds = platform::toWindows1252(rtInterval_->currentText());
    const std::array<platform::Setting, 6> values{{
        {keys::kProgrammeType, programmeType},
        {keys::kFrequency, frequency},
        {keys::kPsIntervalPosition, psPosition},
        {keys::kPsIntervalSeconds, psSeconds},
        {keys::kRtIntervalPosition, rtPosition},
        {keys::kRtIntervalSeconds, rtSeconds},
    }};
    const platform::Status saved = settings_.SaveSettings(keys::kSection, values);
    if (!saved) {
        widgets::warnSettingsNotSaved(saved.reason());
        return false;
    }
    return true;
}

} // namespace velmora::editors
