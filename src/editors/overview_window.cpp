#include "editors/overview_window.h"

#include "editors/fixed_pitch_font.h"
#include "editors/frequency_text.h"
#include "platform/qt/windows1252.h"
#include "settings/decoder_settings.h"
#include "station/station_settings.h"
#include "widgets/editor_buttons.h"
#include "widgets/named_controls.h"
#include "widgets/twips.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

constexpr int kMarginTwips = 120;
constexpr int kDecoderMargin = 4;
const QString kNotSet = u"Niet ingesteld"_s;
const QString kEmpty = u"Leeg"_s;

QGroupBox* frame(QWidget& window, const QString& name, const QString& caption, int widthTwips,
                 int heightTwips) {
    auto* box = new QGroupBox(caption, &window);
    box->setObjectName(name);
    box->setFixedSize(widgets::twipsToSize(widthTwips, heightTwips, &window));
    return box;
}

// "Leeg" for a name of spaces only, in full width; "Niet actief" for an
// inactive entry; else the name as it stands, trailing spaces included. Where
// a damaged set ends early the name is shorter, or empty, and shows so.
QString entryText(const station::SetEntry& entry, const station::SetLayout& layout) {
    if (entry.name == std::string(static_cast<std::size_t>(layout.nameWidth), ' ')) {
        return kEmpty;
    }
    if (!entry.isActive()) {
        return u"Niet actief"_s;
    }
    return platform::fromWindows1252(entry.name);
}

// The entries of a set, numbered 1 up, in as many columns as asked; without
// a set every entry shows "Leeg".
void fillEntries(QGroupBox& box, const QString& numberName, const QString& valueName,
                 const std::string& set, station::SetKind kind, int columnCount) {
    const station::SetLayout& layout = station::layoutOf(kind);
    const std::vector<station::SetEntry> entries = station::takeApart(set, layout);
    const auto shown = [&](int k) {
        return station::setExists(set) ? entryText(entries[static_cast<std::size_t>(k)], layout)
                                       : kEmpty;
    };
    const int rowCount = layout.entryCount / columnCount;
    auto* grid = new QGridLayout(&box);
    for (int k = 0; k < layout.entryCount; ++k) {
        const QString index = u'_' + QString::number(k);
        QLabel* number = widgets::namedLabel(numberName + index, QString::number(k + 1));
        QLabel* value = widgets::namedLabel(valueName + index, shown(k));
        value->setFont(fixedPitchFont());
        value->setTextFormat(Qt::PlainText);
        const int column = (k / rowCount) * 2;
        grid->addWidget(number, k % rowCount, column, Qt::AlignRight);
        grid->addWidget(value, k % rowCount, column + 1);
        grid->setColumnStretch(column + 1, 1);
    }
}

QString programmeTypeText(std::optional<int> code) {
    return code ? platform::fromWindows1252(
                      station::programmeTypes()[static_cast<std::size_t>(*code)])
                : kNotSet;
}

QString frequencyOverviewText(std::optional<int> code, const QLocale& locale) {
    return code ? frequencyInMegahertz(*code, locale) : kNotSet;
}

QString intervalText(std::optional<int> position, const station::IntervalRange& range) {
    return position ? QString::number(range.secondsAt(*position)) + u" Seconden"_s : kNotSet;
}

void fillDecoder(QGroupBox& box, const platform::SettingsStore& settings, const QLocale& locale) {
    const settings::DecoderSettings stored = settings::readDecoderSettings(settings);
    const auto value = [](const QString& name, const QString& text) {
        QLabel* created = widgets::namedLabel(name, text);
        created->setWordWrap(true);
        return created;
    };
    auto* grid = new QGridLayout(&box);
    // The frame is narrow: the longer programme types wrap onto a second line.
    grid->setContentsMargins(kDecoderMargin, kDecoderMargin, kDecoderMargin, kDecoderMargin);
    grid->setHorizontalSpacing(kDecoderMargin);
    grid->addWidget(widgets::namedLabel(u"Label3"_s, u"Programmatype"_s), 0, 0, 1, 2);
    grid->addWidget(value(u"lblProgrammatype_overzicht"_s, programmeTypeText(stored.programmeType)),
                    0, 2);
    grid->addWidget(widgets::namedLabel(u"Label4"_s, u"Alternatieve frequentie"_s), 1, 0, 1, 2);
    grid->addWidget(
        value(u"lblFrequentie_overzicht"_s, frequencyOverviewText(stored.frequency, locale)), 1, 2);
    grid->addWidget(widgets::namedLabel(u"Label9"_s, u"Interval"_s), 2, 0);
    grid->addWidget(widgets::namedLabel(u"Label5"_s, u"Programmaservice"_s), 2, 1);
    grid->addWidget(value(u"lblIntervalprogramma_overzicht"_s,
                          intervalText(stored.psIntervalPosition, station::kPsIntervalRange)),
                    2, 2);
    grid->addWidget(widgets::namedLabel(u"Label10"_s, u"Interval"_s), 3, 0);
    grid->addWidget(widgets::namedLabel(u"Label8"_s, u"Radiotekst"_s), 3, 1);
    grid->addWidget(value(u"lblIntervalradio_overzicht"_s,
                          intervalText(stored.rtIntervalPosition, station::kRtIntervalRange)),
                    3, 2);
    grid->setColumnStretch(2, 1);
}

} // namespace

OverviewWindow::OverviewWindow(const station::Document& document,
                               const platform::SettingsStore& settings, const QLocale& locale,
                               QWidget* parent)
    : QWidget(parent) {
    setWindowTitle(u"Overzicht"_s);
    setFixedSize(widgets::twipsToSize(11655, 5790, this));

    QGroupBox* programmeService = frame(*this, u"Frame2"_s, u"Programmaservice"_s, 6855, 2295);
    fillEntries(*programmeService, u"Label2"_s, u"lblProgramma_overzicht"_s,
                document.programmeServiceSet(), station::SetKind::ProgrammeService, 2);
    QGroupBox* decoder = frame(*this, u"Frame3"_s, u"Decoderinformatie"_s, 4215, 1935);
    fillDecoder(*decoder, settings, locale);
    QGroupBox* radiotext = frame(*this, u"Frame1"_s, u"Radiotekst"_s, 11415, 2295);
    fillEntries(*radiotext, u"Label1"_s, u"lblRadio_overzicht"_s, document.radiotextSet(),
                station::SetKind::Radiotext, 1);

    QPushButton* ok = widgets::namedButton(u"cmdOk"_s, u"&Ok"_s, this);
    connect(ok, &QPushButton::clicked, this, [this] { widgets::closeEditorWindow(*this); });

    auto* top = new QHBoxLayout;
    top->addWidget(programmeService, 0, Qt::AlignTop);
    top->addStretch();
    top->addWidget(decoder, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    const int margin = widgets::twipsToPixels(kMarginTwips, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addLayout(top);
    layout->addWidget(radiotext);
    layout->addStretch();
    layout->addLayout(buttons);
}

} // namespace velmora::editors
