// Every fixed caption, label, button text and tooltip of the windows, as the
// user sees it, character for character. The menu and the toolbar have their
// own table in commands_test; texts that change with the program's state are
// checked by the tests of that behaviour.

#include "shell/hardware_window.h"
#include "shell/splash_window.h"
#include "support/modal_watcher.h"
#include "support/open_window.h"
#include "support/station.h"
#include "support/test_main.h"
#include "support/wait.h"
#include "widgets/warning_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;
using namespace velmora::testing;

namespace {

// What of a control is compared.
enum class Shown {
    Caption,   // a window's title, a frame's caption
    Text,      // a label's or a button's text
    TextStart, // the fixed start of a text that the program completes
    ToolTip,
};

// How the user brings each window up.
using Opening = std::function<void(Station&)>;

Opening byMenu(const QString& item) {
    return [item](Station& station) { station.runEnabled(item); };
}

Opening openingOf(const QString& window) {
    const QHash<QString, Opening> openings{
        {u"frmBasis"_s, [](Station&) {}},
        {u"frmStart"_s, [](Station&) { (new velmora::shell::SplashWindow)->show(); }},
        {u"frmCompoort"_s, byMenu(u"mnuInstellingen_compoort"_s)},
        {u"frmOpties"_s, byMenu(u"mnuInstellingen_opties"_s)},
        {u"frmInfo"_s, byMenu(u"mnuHelp_info"_s)},
        {u"frmWaarschuwing"_s,
         [](Station&) { velmora::widgets::WarningWindow::showMessage(QString()); }},
        {u"frmHardware_info"_s, [](Station&) { velmora::shell::HardwareWindow::present({}); }},
        {u"frmProgramma"_s, byMenu(u"mnuInstellingen_programmaservice"_s)},
        {u"frmRadiotekst"_s, byMenu(u"mnuInstellingen_radiotekst"_s)},
        {u"frmDecoder_informatie"_s, byMenu(u"mnuInstellingen_decoderinformatie"_s)},
        {u"frmPi"_s, byMenu(u"mnuInstellingenProgrammaIdentificatie"_s)},
        {u"frmOverzicht"_s, byMenu(u"mnuVenster_overzicht"_s)},
        {u"frmAanmelden"_s, byMenu(u"mnuBestand_opnieuwaanmelden"_s)},
        {u"frmGebruiker"_s, byMenu(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s)},
    };
    return openings.value(window);
}

// What the control of the window shows; the window itself without a name.
QString shownText(QWidget& window, const QString& name, Shown shown) {
    const QString missing = u"(no %1 of this kind)"_s.arg(name);
    QWidget* widget = name.isEmpty() ? &window : window.findChild<QWidget*>(name);
    if (widget == nullptr) {
        return missing;
    }
    switch (shown) {
    case Shown::Caption:
        if (const auto* frame = qobject_cast<QGroupBox*>(widget)) {
            return frame->title();
        }
        return widget->windowTitle();
    case Shown::Text:
    case Shown::TextStart:
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            return label->text();
        }
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            return button->text();
        }
        return missing;
    case Shown::ToolTip:
        return widget->toolTip();
    }
    return missing;
}

const char* nameOf(Shown shown) {
    switch (shown) {
    case Shown::Caption:
        return "caption";
    case Shown::Text:
        return "text";
    case Shown::TextStart:
        return "text start";
    case Shown::ToolTip:
        return "tooltip";
    }
    return "";
}

void addRow(const QString& window, const QString& control, Shown shown, const QString& text) {
    QTest::addRow("%s/%s %s", qPrintable(window), qPrintable(control), nameOf(shown))
        << window << control << shown << text;
}

void addCaption(const QString& window, const QString& caption) {
    addRow(window, QString(), Shown::Caption, caption);
}

void addTexts(const QString& window, const QList<std::pair<QString, QString>>& texts) {
    for (const auto& [control, text] : texts) {
        addRow(window, control, Shown::Text, text);
    }
}

void addToolTips(const QString& window, const QList<std::pair<QString, QString>>& tips) {
    for (const auto& [control, tip] : tips) {
        addRow(window, control, Shown::ToolTip, tip);
    }
}

// The editors' three buttons.
void addEditorButtons(const QString& window) {
    addTexts(window, {{u"cmdOk"_s, u"&Ok"_s},
                      {u"cmdToepassen"_s, u"&Toepassen"_s},
                      {u"cmdAnnuleren"_s, u"&Annuleren"_s}});
}

// The tooltips of the buttons of the two settings windows that have them.
void addSettingsButtonTips(const QString& window, const QString& cancelTip) {
    addToolTips(window, {{u"cmdOk"_s, u"Instellingen toepassen en terugkeren."_s},
                         {u"cmdToepassen"_s, u"Instellingen toepassen."_s},
                         {u"cmdAnnuleren"_s, cancelTip}});
}

// Labels <array>_0 onwards, numbered from 1.
void addNumbers(const QString& window, const QString& array, int count) {
    for (int k = 0; k < count; ++k) {
        addRow(window, u"%1_%2"_s.arg(array).arg(k), Shown::Text, QString::number(k + 1));
    }
}

void addActiveBoxes(const QString& window, const QString& array, int count) {
    for (int k = 0; k < count; ++k) {
        addRow(window, u"%1_%2"_s.arg(array).arg(k), Shown::Text, u"Actief"_s);
    }
}

} // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { deletePendingWindows(); }
    void windowShowsTheText_data();
    void windowShowsTheText();
};

void WindowTextsTest::windowShowsTheText_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<QString>("text");

    addCaption(u"frmStart"_s, u"Velmora"_s);
    addCaption(u"frmBasis"_s, u"Velmora"_s);

    addCaption(u"frmCompoort"_s, u"Compoort"_s);
    addEditorButtons(u"frmCompoort"_s);
    addTexts(u"frmCompoort"_s, {{u"Label1"_s, u"Selecteer de gewenste Compoort"_s}});

    addCaption(u"frmOpties"_s, u"Opties"_s);
    addEditorButtons(u"frmOpties"_s);
    addSettingsButtonTips(u"frmOpties"_s, u"Instellingen ongewijzicht laten en terugkeren."_s);
    addToolTips(u"frmOpties"_s,
                {{u"txtTitelbalk"_s,
                  u"Tekst die bovenin de titelbalk van het programma zal verschijnen."_s}});
    addTexts(u"frmOpties"_s, {{u"Label2"_s, u"Titelbalktekst"_s}});

    addCaption(u"frmInfo"_s, u"Info"_s);
    addTexts(
        u"frmInfo"_s,
        {{u"Label1"_s, u"Deze Velmora software is geschreven voor het gebruik met onze Velmora."_s},
         {u"Label3"_s, u"Software"_s},
         {u"lblSoftware"_s, u"Velmora"_s},
         {u"Label4"_s, u"Versie"_s},
         {u"Label5"_s, u"Laatste update"_s},
         {u"Label6"_s, u"Hardware ondersteuning"_s},
         {u"Label7"_s, u"Informatie"_s},
         {u"cmdOk"_s, u"&Ok"_s}});
    addRow(u"frmInfo"_s, u"lblTelefoonnummer"_s, Shown::TextStart, u"Telefoonnummer    : "_s);
    addRow(u"frmInfo"_s, u"lblInternet"_s, Shown::TextStart, u"Internet                  : "_s);

    addCaption(u"frmWaarschuwing"_s, u"Waarschuwing..."_s);
    addTexts(u"frmWaarschuwing"_s, {{u"cmdOk"_s, u"&Ok"_s}});

    addCaption(u"frmHardware_info"_s, u"Velmora"_s);
    addTexts(u"frmHardware_info"_s, {{u"Label1"_s, u"Gevonden hardware"_s},
                                     {u"Label2"_s, u"Software versie"_s},
                                     {u"Label3"_s, u"Laatste update"_s},
                                     {u"lblHardware"_s, u"Onbekend"_s},
                                     {u"lblVersie"_s, u"Onbekend"_s},
                                     {u"lblUpdate"_s, u"Onbekend"_s},
                                     {u"cmdOk"_s, u"&Ok"_s}});

    addCaption(u"frmProgramma"_s, u"Programmaservice"_s);
    addNumbers(u"frmProgramma"_s, u"Label1"_s, 10);
    addActiveBoxes(u"frmProgramma"_s, u"chkProgramma"_s, 10);
    addEditorButtons(u"frmProgramma"_s);

    addCaption(u"frmRadiotekst"_s, u"Radiotekst"_s);
    addNumbers(u"frmRadiotekst"_s, u"Label1"_s, 5);
    addActiveBoxes(u"frmRadiotekst"_s, u"chkRadiotekst"_s, 5);
    addEditorButtons(u"frmRadiotekst"_s);

    addCaption(u"frmDecoder_informatie"_s, u"Decoder informatie"_s);
    addRow(u"frmDecoder_informatie"_s, u"Frame1"_s, Shown::Caption, u"Zender informatie"_s);
    addRow(u"frmDecoder_informatie"_s, u"Frame2"_s, Shown::Caption, u"Interval in seconden"_s);
    addTexts(u"frmDecoder_informatie"_s, {{u"Label1"_s, u"Programmatype"_s},
                                          {u"Label2"_s, u"Alternatieve Frequentie"_s},
                                          {u"Label3"_s, u"Programmaservice"_s},
                                          {u"Label4"_s, u"Radiotekst"_s}});
    addToolTips(u"frmDecoder_informatie"_s,
                {{u"cmbProgramma"_s, u"Selecteer de gewenste optie."_s},
                 {u"cmbAlternatief"_s, u"Selecteer de gewenste optie."_s},
                 {u"cmbProgrammaservice"_s, QString()},
                 {u"cmbRadiotekst"_s, QString()}});
    addEditorButtons(u"frmDecoder_informatie"_s);
    addSettingsButtonTips(u"frmDecoder_informatie"_s,
                          u"Instellingen ongewijzigd laten en terugkeren."_s);

    addCaption(u"frmPi"_s, u"Programma Identificatie"_s);
    addTexts(u"frmPi"_s, {{u"Label1"_s, u"Tussen 1 en 65535"_s}, {u"cmdVerzend"_s, u"Verzend"_s}});

    addRow(u"frmOverzicht"_s, u"Frame2"_s, Shown::Caption, u"Programmaservice"_s);
    addRow(u"frmOverzicht"_s, u"Frame3"_s, Shown::Caption, u"Decoderinformatie"_s);
    addRow(u"frmOverzicht"_s, u"Frame1"_s, Shown::Caption, u"Radiotekst"_s);
    addNumbers(u"frmOverzicht"_s, u"Label2"_s, 10);
    addNumbers(u"frmOverzicht"_s, u"Label1"_s, 5);
    addTexts(u"frmOverzicht"_s, {{u"Label3"_s, u"Programmatype"_s},
                                 {u"Label4"_s, u"Alternatieve frequentie"_s},
                                 {u"Label9"_s, u"Interval"_s},
                                 {u"Label5"_s, u"Programmaservice"_s},
                                 {u"Label10"_s, u"Interval"_s},
                                 {u"Label8"_s, u"Radiotekst"_s},
                                 {u"cmdOk"_s, u"&Ok"_s}});

    addCaption(u"frmAanmelden"_s, u"Velmora"_s);
    addRow(u"frmAanmelden"_s, u"Frame1"_s, Shown::Caption, u"Aanmelden"_s);
    addTexts(u"frmAanmelden"_s,
             {{u"cmdAanmelden"_s, u"&Aanmelden"_s},
              {u"cmdAnnuleren"_s, u"A&nnuleren"_s},
              {u"Label5"_s, u"Gebruikersnaam"_s},
              {u"Label6"_s, u"Wachtwoord"_s},
              {u"Label1"_s, u"Meld u aan met de door u gekozen Gebruikersnaam en Wachtwoord."_s},
              {u"Label2"_s,
               u"Hierdoor zullen automatisch u persoonlijke instellingen worden opgehaald."_s},
              {u"Label3"_s, u"Mocht u nog geen Gebruikersnaam en Wachtwoord hebben klik dan op"_s},
              {u"Label4"_s, u"Annuleren om te starten in een nieuw scherm."_s}});

    addCaption(u"frmGebruiker"_s, u"Gebruiker toevoegen"_s);
    addRow(u"frmGebruiker"_s, u"Frame1"_s, Shown::Caption, u"Persoonlijke instellingen"_s);
    addTexts(u"frmGebruiker"_s, {{u"Label2"_s, u"Gebruikersnaam"_s},
                                 {u"Label3"_s, u"Wachtwoord"_s},
                                 {u"Label4"_s, u"Wachtwoord bevestiging"_s},
                                 {u"Label5"_s, u"Te gebruiken bestand"_s},
                                 {u"cmdBladeren"_s, u"Bladeren"_s}});
    addEditorButtons(u"frmGebruiker"_s);
}

void WindowTextsTest::windowShowsTheText() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(Shown, shown);
    QFETCH(QString, text);
    Station station;
    std::optional<QString> seen;
    // A modal window is read while it is up, then closed; so is any other
    // modal window that comes in between.
    const ModalWatcher user([&](QWidget& up) {
        if (up.objectName() == window) {
            seen = shownText(up, control, shown);
        }
        return Answer::close();
    });
    const Opening open = openingOf(window);
    QVERIFY2(open, qPrintable(window));

    open(station);
    QWidget* shownWindow =
        window == station.window.objectName() ? &station.window : openWindow(window);
    if (shownWindow != nullptr && !shownWindow->isModal()) {
        seen = shownText(*shownWindow, control, shown);
        if (shownWindow->isWindow() && shownWindow != &station.window) {
            shownWindow->close();
        }
    }
    VELMORA_TRY_VERIFY(seen.has_value(), kDeadlineMs);
    VELMORA_TRY_VERIFY(QApplication::activeModalWidget() == nullptr, kDeadlineMs);

    const QString actual = shown == Shown::TextStart ? seen->left(text.size()) : *seen;
    QCOMPARE(actual, text);
}

VELMORA_TEST_MAIN(WindowTextsTest)
#include "window_texts_test.moc"
