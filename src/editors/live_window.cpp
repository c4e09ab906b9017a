#include "editors/live_window.h"

#include "editors/fixed_pitch_font.h"
#include "platform/qt/windows1252.h"
#include "settings/live_settings.h"
#include "settings/settings_schema.h"
#include "station/path_text.h"
#include "widgets/editor_buttons.h"
#include "widgets/named_controls.h"
#include "widgets/warning_window.h"
#include "widgets/windows1252_text_box.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

// The prefix leaves room for a title within the 64 characters of an entry.
constexpr int kPrefixLength = 32;
const std::string kTextFileFilter = "Tekstbestanden (*.txt)|*.txt|Alle bestanden (*)|*";

} // namespace

LiveWindow::LiveWindow(platform::SettingsStore& settings, platform::FileDialogs& dialogs,
                       link::LiveRadiotext& live, QWidget* parent)
    : QWidget(parent), settings_(settings), dialogs_(dialogs), live_(live),
      file_(new QLineEdit(this)), entry_(new QComboBox(this)),
      prefix_(widgets::windows1252TextBox(u"txtVoorvoegsel"_s, kPrefixLength, this)),
      on_(new QCheckBox(u"Live radiotekst versturen"_s, this)), state_(new QLabel(this)),
      text_(new QLabel(this)) {
    setWindowTitle(u"Live radiotekst"_s);
    file_->setObjectName(u"txtBestand"_s);
    file_->setReadOnly(true);
    file_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    const settings::LiveSettings stored = settings::readLiveSettings(settings_);
    file_->setText(platform::fromWindows1252(stored.file));
    QPushButton* browseButton = widgets::namedButton(u"cmdBladeren"_s, u"Bladeren"_s, this);
    entry_->setObjectName(u"cmbRadiotekst"_s);
    const settings::Range entries = *settings::kLiveEntry.range;
    for (int entry = entries.lowest; entry <= entries.highest; ++entry) {
        entry_->addItem(QString::number(entry));
    }
    entry_->setCurrentIndex(stored.entry - entries.lowest);
    prefix_->setText(platform::fromWindows1252(stored.prefix));
    on_->setObjectName(u"chkAan"_s);
    on_->setChecked(stored.on);
    state_->setObjectName(u"lblStatus"_s);
    text_->setObjectName(u"lblTekst"_s);
    text_->setFont(fixedPitchFont());
    text_->setTextFormat(Qt::PlainText);

    auto* source = new QGroupBox(u"Bron"_s, this);
    source->setObjectName(u"Frame1"_s);
    auto* grid = new QGridLayout(source);
    grid->setColumnStretch(1, 1);
    grid->addWidget(widgets::namedLabel(u"Label1"_s, u"Bestand"_s, file_), 0, 0);
    grid->addWidget(file_, 0, 1);
    grid->addWidget(browseButton, 0, 2);
    grid->addWidget(widgets::namedLabel(u"Label2"_s, u"Radiotekst"_s, entry_), 1, 0);
    grid->addWidget(entry_, 1, 1, Qt::AlignLeft);
    grid->addWidget(widgets::namedLabel(u"Label3"_s, u"Voorvoegsel"_s, prefix_), 2, 0);
    grid->addWidget(prefix_, 2, 1, 1, 2);
    grid->addWidget(on_, 3, 1, 1, 2);

    auto* sent = new QGroupBox(u"Laatst verstuurd"_s, this);
    sent->setObjectName(u"Frame2"_s);
    auto* sentLayout = new QVBoxLayout(sent);
    sentLayout->addWidget(state_);
    sentLayout->addWidget(text_);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(source);
    layout->addWidget(sent);
    const widgets::EditorButtons buttons =
        widgets::addEditorButtons(*this, *layout, [this] { return apply(); });

    setTabOrder(file_, browseButton);
    setTabOrder(browseButton, entry_);
    setTabOrder(entry_, prefix_);
    setTabOrder(prefix_, on_);
    setTabOrder(on_, buttons.ok);
    setTabOrder(buttons.ok, buttons.apply);
    setTabOrder(buttons.apply, buttons.cancel);
    connect(browseButton, &QPushButton::clicked, this, &LiveWindow::browse);
    live_.setView(this);
}

LiveWindow::~LiveWindow() {
    live_.setView(nullptr);
}

bool LiveWindow::apply() {
    const platform::Status saved = settings::writeLiveSettings(
        settings_, {.file = platform::toWindows1252(file_->text()),
                    .entry = settings::kLiveEntry.range->lowest + entry_->currentIndex(),
                    .prefix = platform::toWindows1252(prefix_->text()),
                    .on = on_->isChecked()});
    if (!saved) {
        widgets::warnSettingsNotSaved(saved.reason());
        return false;
    }
    live_.reloadSettings();
    return true;
}

void LiveWindow::browse() {
    const std::string current = station::utf8PathFromText(platform::toWindows1252(file_->text()));
    const std::optional<std::string> chosen = dialogs_.askFileToOpen(
        {.title = "Live radiotekst",
         .filter = kTextFileFilter,
         .initialFolder = current.empty()
                              ? std::string()
                              : QFileInfo(QString::fromStdString(current)).path().toStdString(),
         .initialFile = {}});
    if (chosen) {
        file_->setText(platform::fromWindows1252(station::textFromUtf8Path(*chosen)));
    }
}

void LiveWindow::showLiveStatus(const link::LiveStatus& status) {
    if (status.state != link::LiveState::Sent) {
        state_->setText(platform::fromWindows1252(link::reasonText(status.state)));
        text_->clear();
        return;
    }
    const QDateTime sentAt = QDateTime::fromSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::seconds>(status.sentAt.time_since_epoch()).count());
    state_->setText(u"Verstuurd om "_s + sentAt.toString(u"HH:mm:ss"_s));
    text_->setText(platform::fromWindows1252(status.text));
}

} // namespace velmora::editors
