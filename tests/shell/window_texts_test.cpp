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

// How the user brings a window up.
using Opening = std::function<void(Station&)>;

Opening byMenu(const QString& item) {
    return [item](Station& station) { station.runEnabled(item); };
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

// A text of a window: of the window itself where the control has no name.
struct ShownText {
    QString control;
    Shown shown;
    QString text;
};
using Texts = QList<ShownText>;

Texts caption(const QString& text) {
    return {{QString(), Shown::Caption, text}};
}

Texts frameCaption(const QString& frame, const QString& text) {
    return {{frame, Shown::Caption, text}};
}

Texts shownAs(Shown shown, const QList<std::pair<QString, QString>>& controlTexts) {
    Texts all;
    for (const auto& [control, text] : controlTexts) {
        all.append({control, shown, text});
    }
    return all;
}

Texts texts(const QList<std::pair<QString, QString>>& controlTexts) {
    return shownAs(Shown::Text, controlTexts);
}

Texts textStart(const QString& control, const QString& start) {
    return {{control, Shown::TextStart, start}};
}

Texts toolTips(const QList<std::pair<QString, QString>>& tips) {
    return shownAs(Shown::ToolTip, tips);
}

// The editors' three buttons.
Texts editorButtons() {
    return texts({{u"cmdOk"_s, u"&Ok"_s},
                  {u"cmdToepassen"_s, u"&Toepassen"_s},
                  {u"cmdAnnuleren"_s, u"&Annuleren"_s}});
}

// The tooltips of the buttons of the two settings windows that have them.
Texts settingsButtonTips(const QString& cancelTip) {
    return toolTips({{u"cmdOk"_s, u"Instellingen toepassen en terugkeren."_s},
                     {u"cmdToepassen"_s, u"Instellingen toepassen."_s},
                     {u"cmdAnnuleren"_s, cancelTip}});
}

// Labels <array>_0 onwards, each showing the same text or its number from 1.
Texts arrayTexts(const QString& array, int count, const QString& text = QString()) {
    Texts all;
    for (int k = 0; k < count; ++k) {
        all.append({u"%1_%2"_s.arg(array).arg(k), Shown::Text,
                    text.isEmpty() ? QString::number(k + 1) : text});
    }
    return all;
}

// A window of the program, how the user brings it up and the texts it shows.
struct WindowTexts {
    QString window;
    Opening open;
    Texts texts;
};

QList<WindowTexts> windowTexts() {
    const QString decoderTip = u"Selecteer de gewenste optie."_s;
    return {
        {u"frmStart"_s, [](Station&) { (new velmora::shell::SplashWindow)->show(); },
         caption(u"Velmora"_s)},
        {u"frmBasis"_s, [](Station&) {}, caption(u"Velmora"_s)},
        {u"frmCompoort"_s, byMenu(u"mnuInstellingen_compoort"_s),
         caption(u"Compoort"_s) + editorButtons() +
             texts({{u"Label1"_s, u"Selecteer de gewenste Compoort"_s}})},
        {u"frmOpties"_s, byMenu(u"mnuInstellingen_opties"_s),
         caption(u"Opties"_s) + editorButtons() +
             settingsButtonTips(u"Instellingen ongewijzicht laten en terugkeren."_s) +
             toolTips({{u"txtTitelbalk"_s,
                        u"Tekst die bovenin de titelbalk van het programma zal verschijnen."_s}}) +
             texts({{u"Label2"_s, u"Titelbalktekst"_s}})},
        {u"frmInfo"_s, byMenu(u"mnuHelp_info"_s),
         caption(u"Info"_s) +
             texts({{u"Label1"_s,
                     u"Deze Velmora software is geschreven voor het gebruik met onze Velmora."_s},
                    {u"Label3"_s, u"Software"_s},
                    {u"lblSoftware"_s, u"Velmora"_s},
                    {u"Label4"_s, u"Versie"_s},
                    {u"Label5"_s, u"Laatste update"_s},
                    {u"Label6"_s, u"Hardware ondersteuning"_s},
                    {u"Label7"_s, u"Informatie"_s},
                    {u"cmdOk"_s, u"&Ok"_s}}) +
             textStart(u"lblTelefoonnummer"_s, u"Telefoonnummer    : "_s) +
             textStart(u"lblInternet"_s, u"Internet                  : "_s)},
        {u"frmWaarschuwing"_s,
         [](Station&) { velmora::widgets::WarningWindow::showMessage(QString()); },
         caption(u"Waarschuwing..."_s) + texts({{u"cmdOk"_s, u"&Ok"_s}})},
        {u"frmHardware_info"_s, [](Station&) { velmora::shell::HardwareWindow::present({}); },
         caption(u"Velmora"_s) + texts({{u"Label1"_s, u"Gevonden hardware"_s},
                                        {u"Label2"_s, u"Software versie"_s},
                                        {u"Label3"_s, u"Laatste update"_s},
                                        {u"lblHardware"_s, u"Onbekend"_s},
                                        {u"lblVersie"_s, u"Onbekend"_s},
                                        {u"lblUpdate"_s, u"Onbekend"_s},
                                        {u"cmdOk"_s, u"&Ok"_s}})},
        {u"frmProgramma"_s, byMenu(u"mnuInstellingen_programmaservice"_s),
         caption(u"Programmaservice"_s) + arrayTexts(u"Label1"_s, 10) +
             arrayTexts(u"chkProgramma"_s, 10, u"Actief"_s) + editorButtons()},
        {u"frmRadiotekst"_s, byMenu(u"mnuInstellingen_radiotekst"_s),
         caption(u"Radiotekst"_s) + arrayTexts(u"Label1"_s, 5) +
             arrayTexts(u"chkRadiotekst"_s, 5, u"Actief"_s) + editorButtons()},
        {u"frmDecoder_informatie"_s, byMenu(u"mnuInstellingen_decoderinformatie"_s),
         caption(u"Decoder informatie"_s) + frameCaption(u"Frame1"_s, u"Zender informatie"_s) +
             frameCaption(u"Frame2"_s, u"Interval in seconden"_s) +
             texts({{u"Label1"_s, u"Programmatype"_s},
                    {u"Label2"_s, u"Alternatieve Frequentie"_s},
                    {u"Label3"_s, u"Programmaservice"_s},
                    {u"Label4"_s, u"Radiotekst"_s}}) +
             toolTips({{u"cmbProgramma"_s, decoderTip},
                       {u"cmbAlternatief"_s, decoderTip},
                       {u"cmbProgrammaservice"_s, QString()},
                       {u"cmbRadiotekst"_s, QString()}}) +
             editorButtons() +
             settingsButtonTips(u"Instellingen ongewijzigd laten en terugkeren."_s)},
        {u"frmPi"_s, byMenu(u"mnuInstellingenProgrammaIdentificatie"_s),
         caption(u"Programma Identificatie"_s) +
             texts({{u"Label1"_s, u"Tussen 1 en 65535"_s}, {u"cmdVerzend"_s, u"Verzend"_s}})},
        {u"frmOverzicht"_s, byMenu(u"mnuVenster_overzicht"_s),
         frameCaption(u"Frame2"_s, u"Programmaservice"_s) +
             frameCaption(u"Frame3"_s, u"Decoderinformatie"_s) +
             frameCaption(u"Frame1"_s, u"Radiotekst"_s) + arrayTexts(u"Label2"_s, 10) +
             arrayTexts(u"Label1"_s, 5) +
             texts({{u"Label3"_s, u"Programmatype"_s},
                    {u"Label4"_s, u"Alternatieve frequentie"_s},
                    {u"Label9"_s, u"Interval"_s},
                    {u"Label5"_s, u"Programmaservice"_s},
                    {u"Label10"_s, u"Interval"_s},
                    {u"Label8"_s, u"Radiotekst"_s},
                    {u"cmdOk"_s, u"&Ok"_s}})},
        {u"frmAanmelden"_s, byMenu(u"mnuBestand_opnieuwaanmelden"_s),
         caption(u"Velmora"_s) + frameCaption(u"Frame1"_s, u"Aanmelden"_s) +
             texts(
                 {{u"cmdAanmelden"_s, u"&Aanmelden"_s},
                  {u"cmdAnnuleren"_s, u"A&nnuleren"_s},
                  {u"Label5"_s, u"Gebruikersnaam"_s},
                  {u"Label6"_s, u"Wachtwoord"_s},
                  {u"Label1"_s,
                   u"Meld u aan met de door u gekozen Gebruikersnaam en Wachtwoord."_s},
                  {u"Label2"_s,
                   u"Hierdoor zullen automatisch u persoonlijke instellingen worden opgehaald."_s},
                  {u"Label3"_s,
                   u"Mocht u nog geen Gebruikersnaam en Wachtwoord hebben klik dan op"_s},
                  {u"Label4"_s, u"Annuleren om te starten in een nieuw scherm."_s}})},
        {u"frmGebruiker"_s, byMenu(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s),
         caption(u"Gebruiker toevoegen"_s) +
             frameCaption(u"Frame1"_s, u"Persoonlijke instellingen"_s) +
             texts({{u"Label2"_s, u"Gebruikersnaam"_s},
                    {u"Label3"_s, u"Wachtwoord"_s},
                    {u"Label4"_s, u"Wachtwoord bevestiging"_s},
                    {u"Label5"_s, u"Te gebruiken bestand"_s},
                    {u"cmdBladeren"_s, u"Bladeren"_s}}) +
             editorButtons()},
    };
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
    QTest::addColumn<Opening>("open");
    QTest::addColumn<QString>("control");
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<QString>("text");
    for (const WindowTexts& window : windowTexts()) {
        for (const ShownText& text : window.texts) {
            QTest::addRow("%s/%s %s", qPrintable(window.window), qPrintable(text.control),
                          nameOf(text.shown))
                << window.window << window.open << text.control << text.shown << text.text;
        }
    }
}

void WindowTextsTest::windowShowsTheText() {
    QFETCH(QString, window);
    QFETCH(Opening, open);
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
