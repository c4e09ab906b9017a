#include "editors/preview_window.h"

#include "editors/frequency_text.h"
#include "editors/receiver_display.h"
#include "platform/qt/windows1252.h"
#include "settings/decoder_settings.h"
#include "station/preview_cycle.h"
#include "widgets/named_controls.h"
#include "widgets/twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QStringList>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace velmora::editors {

namespace {

constexpr int kMarginTwips = 120;
constexpr int kNotesWidthTwips = 3600;
constexpr auto kTick = 1s;

QString noteText(station::PreviewNote note) {
    switch (note) {
    case station::PreviewNote::NoActiveName:
        return u"Geen actieve naam: de radio toont geen programmaservice."_s;
    case station::PreviewNote::PsIntervalNotSet:
        return u"Geen interval voor de programmaservice ingesteld: de eerste naam blijft staan."_s;
    case station::PreviewNote::PsIntervalTooShort:
        return u"Het interval van de programmaservice is korter dan %1 seconden: te kort om "
               u"onderweg te lezen."_s.arg(station::kShortestReadableSeconds);
    case station::PreviewNote::BlankActiveName:
        return u"Een actieve naam is leeg of bestaat alleen uit spaties."_s;
    case station::PreviewNote::NoActiveText:
        return u"Geen actieve radiotekst: de regel blijft leeg."_s;
    case station::PreviewNote::RtIntervalNotSet:
        return u"Geen interval voor de radiotekst ingesteld: de eerste tekst blijft staan."_s;
    }
    return {};
}

QString notesText(const std::vector<station::PreviewNote>& notes) {
    if (notes.empty()) {
        return u"Geen opmerkingen."_s;
    }
    QStringList lines;
    for (const station::PreviewNote note : notes) {
        lines.append(noteText(note));
    }
    return lines.join(u"\n\n"_s);
}

// A radio shows no programme type for "Geen".
QString programmeTypeText(std::optional<int> code) {
    return code.value_or(0) > 0 ? platform::fromWindows1252(
                                      station::programmeTypes()[static_cast<std::size_t>(*code)])
                                : QString();
}

QString frequencyDisplayText(std::optional<int> code, const QLocale& locale) {
    return code ? u"AF "_s + frequencyInMegahertz(*code, locale) : QString();
}

} // namespace

PreviewWindow::PreviewWindow(const station::Document& document,
                             const platform::SettingsStore& settings,
                             std::unique_ptr<platform::Timer> timer, const QLocale& locale,
                             QWidget* parent)
    : QWidget(parent), document_(document), settings_(settings), timer_(std::move(timer)),
      locale_(locale), display_(new ReceiverDisplay(this)), notes_(new QLabel(this)) {
    setWindowTitle(u"Voorbeeld"_s);
    display_->setObjectName(u"picOntvanger"_s);
    notes_->setObjectName(u"lblAdvies"_s);
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->setFixedWidth(widgets::twipsToPixels(kNotesWidthTwips, this));

    auto* layout = new QHBoxLayout(this);
    const int margin = widgets::twipsToPixels(kMarginTwips, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->addWidget(display_, 0, Qt::AlignTop);
    layout->addWidget(notes_);

    showNow();
    timer_->setTimeoutHandler([this] {
        elapsed_ += kTick;
        showNow();
    });
    timer_->start(kTick);
}

void PreviewWindow::showNow() {
    const settings::DecoderSettings decoder = settings::readDecoderSettings(settings_);
    const station::PreviewFrame frame =
        station::previewAt({document_.programmeServiceSet(), document_.radiotextSet(),
                            decoder.psIntervalSeconds, decoder.rtIntervalSeconds},
                           elapsed_);
    display_->setTexts({platform::fromWindows1252(frame.name),
                        platform::fromWindows1252(frame.text),
                        programmeTypeText(decoder.programmeType),
                        frequencyDisplayText(decoder.frequency, locale_)});
    notes_->setText(notesText(frame.notes));
}

} // namespace velmora::editors
