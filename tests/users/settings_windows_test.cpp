#include "platform/qt/windows1252.h"
#include "settings/settings_schema.h"
#include "shell/options_window.h"
#include "shell/workspace.h"
#include "support/modal_watcher.h"
#include "support/open_window.h"
#include "support/station.h"
#include "support/tab_order.h"
#include "support/test_main.h"
#include "support/user_input.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora::testing;

namespace {

const QString kEditor = u"frmGebruiker"_s;

bool buttonEnabled(const QString& window, const QString& name) {
    return control<QPushButton>(window, name)->isEnabled();
}

QString boxText(const QString& window, const QString& name) {
    return control<QLineEdit>(window, name)->text();
}

void fillEditor(const QString& name, const QString& password, const QString& confirmation) {
    type(kEditor, u"txtGebruikersnaam"_s, name);
    type(kEditor, u"txtWachtwoord"_s, password);
    type(kEditor, u"txtBevestiging"_s, confirmation);
}

} // namespace

class SettingsWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { deletePendingWindows(); }

    void editorButtonsNeedNamePasswordAndConfirmation_data();
    void editorButtonsNeedNamePasswordAndConfirmation();
    void addingAUserWritesBothKeysAndCloses();
    void mismatchedConfirmationWritesNothingAndCloses();
    void editingTheCurrentUserKeepsOrReplacesItsPassword();
    void reopeningTheEditorKeepsOrOverwritesTheBoxes();
    void applyButtonDoesNothing();
    void editorThatCannotSaveStaysOpen();
    void browseStartsInTheOptionsFolder_data();
    void browseStartsInTheOptionsFolder();
    void focusFollowsTheTabOrder_data();
    void focusFollowsTheTabOrder();
    void comPortListShowsTheStoredPort_data();
    void comPortListShowsTheStoredPort();
    void comPortButtonsStoreTheChoice();
    void optionsButtonsComposeTheCaption_data();
    void optionsButtonsComposeTheCaption();
    void optionsWindowShowsTheStoredText();
    void toolbarOptionsOpensTheOptionsWindow();
};

void SettingsWindowsTest::editorButtonsNeedNamePasswordAndConfirmation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("all three") << u"anna"_s << u"pw"_s << u"pw"_s << true;
    QTest::newRow("confirmation differs") << u"anna"_s << u"pw"_s << u"PW"_s << true;
    QTest::newRow("no confirmation") << u"anna"_s << u"pw"_s << QString() << false;
    QTest::newRow("no password") << u"anna"_s << QString() << u"pw"_s << false;
    QTest::newRow("no name") << QString() << u"pw"_s << u"pw"_s << false;
}

void SettingsWindowsTest::editorButtonsNeedNamePasswordAndConfirmation() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(bool, enabled);
    Station station;
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    QVERIFY(!buttonEnabled(kEditor, u"cmdOk"_s));
    fillEditor(name, password, confirmation);
    QCOMPARE(buttonEnabled(kEditor, u"cmdOk"_s), enabled);
    QCOMPARE(buttonEnabled(kEditor, u"cmdToepassen"_s), enabled);
}

void SettingsWindowsTest::addingAUserWritesBothKeysAndCloses() {
    Station station;
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    QCOMPARE(openWindow(kEditor)->windowTitle(), u"Gebruiker toevoegen"_s);
    fillEditor(u"Jos\u00e9"_s, u"Pw"_s, u"Pw"_s);
    station.dialogs.answer = "/stations/caf\xC3\xA9.Rds";
    click(kEditor, u"cmdBladeren"_s);
    QCOMPARE(boxText(kEditor, u"txtBestand"_s), u"/stations/caf\u00e9.Rds"_s);
    QVERIFY(control<QLineEdit>(kEditor, u"txtBestand"_s)->isReadOnly());
    click(kEditor, u"cmdOk"_s);

    QCOMPARE(velmora::settings::read(station.settings, "Jos\xE9", velmora::settings::kPassword),
             station.passwords.hash("Pw"));
    QCOMPARE(velmora::settings::read(station.settings, "Jos\xE9", velmora::settings::kLinkedFile),
             "/stations/caf\xE9.Rds");
    QCOMPARE(openWindow(kEditor), nullptr);
}

void SettingsWindowsTest::mismatchedConfirmationWritesNothingAndCloses() {
    Station station;
    ModalWatcher warnings(okInMessagesOnly());
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    fillEditor(u"anna"_s, u"Geheim"_s, u"geheim"_s);
    click(kEditor, u"cmdOk"_s);
    QCOMPARE(warnings.messages(), QStringList{u"Wachtwoorden komen niet overeen."_s});
    QVERIFY(!station.settings.has("anna", velmora::settings::kPassword));
    QCOMPARE(openWindow(kEditor), nullptr);
}

// The stored password is never shown; a placeholder as long as the longest
// password stands for it until a key edits either box.
void SettingsWindowsTest::editingTheCurrentUserKeepsOrReplacesItsPassword() {
    Station station;
    station.window.show();
    station.addAccount("jan", "Geheim", "/stations/jan.Rds");
    station.session.currentUser = "jan";
    station.window.setWindowTitle(u"Velmora    (jan)"_s);
    station.runEnabled(u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s);
    QCOMPARE(openWindow(kEditor)->windowTitle(), u"Gebruiker aanpassen"_s);
    QCOMPARE(boxText(kEditor, u"txtGebruikersnaam"_s), u"jan"_s);
    QCOMPARE(control<QLineEdit>(kEditor, u"txtWachtwoord"_s)->displayText(), u"**********"_s);
    QCOMPARE(boxText(kEditor, u"txtBevestiging"_s), u"**********"_s);
    QCOMPARE(boxText(kEditor, u"txtBestand"_s), u"/stations/jan.Rds"_s);
    QVERIFY(buttonEnabled(kEditor, u"cmdOk"_s));

    type(kEditor, u"txtGebruikersnaam"_s, u"janneke"_s);
    click(kEditor, u"cmdOk"_s);
    QCOMPARE(velmora::settings::read(station.settings, "janneke", velmora::settings::kPassword),
             "Geheim");
    QCOMPARE(velmora::settings::read(station.settings, "janneke", velmora::settings::kLinkedFile),
             "/stations/jan.Rds");
    QCOMPARE(velmora::settings::read(station.settings, "jan", velmora::settings::kPassword),
             "Geheim");
    QCOMPARE(station.session.currentUser, "jan");
    QCOMPARE(station.window.windowTitle(), u"Velmora    (jan)"_s);

    station.runEnabled(u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s);
    QTest::keyClicks(control<QLineEdit>(kEditor, u"txtWachtwoord"_s), u"Nieuw"_s);
    QTest::keyClicks(control<QLineEdit>(kEditor, u"txtBevestiging"_s), u"Nieuw"_s);
    click(kEditor, u"cmdOk"_s);
    QCOMPARE(velmora::settings::read(station.settings, "jan", velmora::settings::kPassword),
             station.passwords.hash("Nieuw"));
}

void SettingsWindowsTest::reopeningTheEditorKeepsOrOverwritesTheBoxes() {
    Station station;
    station.addAccount("jan", "Geheim");
    station.session.currentUser = "jan";
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    fillEditor(u"anna"_s, u"pw"_s, QString());
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    QCOMPARE(boxText(kEditor, u"txtGebruikersnaam"_s), u"anna"_s);
    station.runEnabled(u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s);
    QCOMPARE(boxText(kEditor, u"txtGebruikersnaam"_s), u"jan"_s);
    QCOMPARE(boxText(kEditor, u"txtBevestiging"_s), u"**********"_s);
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    QCOMPARE(openWindow(kEditor)->windowTitle(), u"Gebruiker toevoegen"_s);
    QCOMPARE(boxText(kEditor, u"txtGebruikersnaam"_s), u"jan"_s);
    QCOMPARE(workspace(station.window).subWindowList().size(), 1);
}

void SettingsWindowsTest::applyButtonDoesNothing() {
    Station station;
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    fillEditor(u"anna"_s, u"pw"_s, u"pw"_s);
    const int saves = station.settings.saveCount();
    click(kEditor, u"cmdToepassen"_s);
    QCOMPARE(station.settings.saveCount(), saves);
    QVERIFY(openWindow(kEditor) != nullptr);
}

void SettingsWindowsTest::editorThatCannotSaveStaysOpen() {
    Station station;
    ModalWatcher warnings(okInMessagesOnly());
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    fillEditor(u"anna"_s, u"pw"_s, u"pw"_s);
    station.settings.failSaves = true;
    click(kEditor, u"cmdOk"_s);
    QCOMPARE(warnings.messages(),
             QStringList{u"De instellingen konden niet worden opgeslagen: Schijf vol"_s});
    QCOMPARE(boxText(kEditor, u"txtGebruikersnaam"_s), u"anna"_s);
}

void SettingsWindowsTest::browseStartsInTheOptionsFolder_data() {
    QTest::addColumn<QString>("optionsFolder");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("initialFolder");
    QTest::addColumn<QString>("linkedFile");
    QTest::addColumn<int>("warnings");
    QTest::newRow("default folder") << QString() << u"/a.Rds"_s << QString() << u"/a.Rds"_s << 0;
    QTest::newRow("folder from the options")
        << u"/stations/caf\u00e9"_s << u"/a.Rds"_s << u"/stations/caf\u00e9"_s << u"/a.Rds"_s << 0;
    QTest::newRow("cancelled") << QString() << u"-"_s << QString() << u"/oud.Rds"_s << 0;
    // The store keeps Windows-1252 text, which cannot hold this name.
    QTest::newRow("name outside the code page")
        << QString() << u"/\u0141\u00f3d\u017a.Rds"_s << QString() << u"/oud.Rds"_s << 1;
}

void SettingsWindowsTest::browseStartsInTheOptionsFolder() {
    QFETCH(QString, optionsFolder);
    QFETCH(QString, answer);
    QFETCH(QString, initialFolder);
    QFETCH(QString, linkedFile);
    QFETCH(int, warnings);
    Station station;
    ModalWatcher reader(okInMessagesOnly());
    station.addAccount("jan", "Geheim", "/oud.Rds");
    station.session.currentUser = "jan";
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kBrowseFolder,
                                     velmora::platform::toWindows1252(optionsFolder))
                .ok());
    if (answer != u"-") {
        station.dialogs.answer = answer.toStdString();
    }
    station.runEnabled(u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s);
    click(kEditor, u"cmdBladeren"_s);

    QCOMPARE(station.dialogs.shown().size(), 1U);
    const velmora::platform::FileDialogRequest& request = station.dialogs.shown().front().request;
    QCOMPARE(request.filter, "Rds bestanden (*.Rds)|*.Rds|");
    QCOMPARE(request.title, "Velmora");
    QCOMPARE(QString::fromStdString(request.initialFolder), initialFolder);
    QCOMPARE(boxText(kEditor, u"txtBestand"_s), linkedFile);
    QCOMPARE(reader.messages().size(), warnings);
}

void SettingsWindowsTest::focusFollowsTheTabOrder_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("frmGebruiker")
        << u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s << kEditor
        << QStringList{u"txtGebruikersnaam"_s, u"txtWachtwoord"_s, u"txtBevestiging"_s,
                       u"cmdAnnuleren"_s,      u"cmdOk"_s,         u"cmdToepassen"_s,
                       u"cmdBladeren"_s,       u"txtBestand"_s};
    QTest::newRow("frmCompoort") << u"mnuInstellingen_compoort"_s << u"frmCompoort"_s
                                 << QStringList{u"cmdOk"_s,        u"cmbCompoort"_s,
                                                u"cmdToepassen"_s, u"cmdAnnuleren"_s,
                                                u"cmdKoppelen"_s,  u"chkOpnieuw"_s};
}

void SettingsWindowsTest::focusFollowsTheTabOrder() {
    QFETCH(QString, menuItem);
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    Station station;
    station.runEnabled(menuItem);
    QCOMPARE(tabOrder(window, order.front()), order);
}

void SettingsWindowsTest::comPortListShowsTheStoredPort_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing stored") << QString() << u"1"_s;
    QTest::newRow("4") << u"4"_s << u"4"_s;
    QTest::newRow("9") << u"9"_s << u"9"_s;
    QTest::newRow("12, from outside") << u"12"_s << u"1"_s;
    QTest::newRow("COM3, from outside") << u"COM3"_s << u"1"_s;
    QTest::newRow("0, from outside") << u"0"_s << u"1"_s;
}

void SettingsWindowsTest::comPortListShowsTheStoredPort() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    Station station;
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kPortNumber,
                                     stored.toStdString())
                .ok());
    const int saves = station.settings.saveCount();
    station.runEnabled(u"mnuInstellingen_compoort"_s);
    auto* ports = control<QComboBox>(u"frmCompoort"_s, u"cmbCompoort"_s);
    QCOMPARE(ports->currentText(), shown);
    QCOMPARE(ports->count(), 9);
    QVERIFY(!ports->isEditable());
    QCOMPARE(station.settings.saveCount(), saves);
}

void SettingsWindowsTest::comPortButtonsStoreTheChoice() {
    Station station;
    station.runEnabled(u"mnuInstellingen_compoort"_s);
    QCOMPARE(openWindow(u"frmCompoort"_s)->windowTitle(), u"Compoort"_s);
    auto* ports = control<QComboBox>(u"frmCompoort"_s, u"cmbCompoort"_s);
    ports->setCurrentText(u"4"_s);
    click(u"frmCompoort"_s, u"cmdToepassen"_s);
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kPortNumber), "4");
    ports->setCurrentText(u"7"_s);
    click(u"frmCompoort"_s, u"cmdAnnuleren"_s);
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kPortNumber), "4");
    QCOMPARE(openWindow(u"frmCompoort"_s), nullptr);

    station.runEnabled(u"mnuInstellingen_compoort"_s);
    control<QComboBox>(u"frmCompoort"_s, u"cmbCompoort"_s)->setCurrentText(u"2"_s);
    click(u"frmCompoort"_s, u"cmdOk"_s);
    QCOMPARE(velmora::settings::read(station.settings, velmora::settings::kPortNumber), "2");
    QCOMPARE(openWindow(u"frmCompoort"_s), nullptr);
}

void SettingsWindowsTest::optionsButtonsComposeTheCaption_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("Ok, user and text")
        << u"jan"_s << u"Radio"_s << u"cmdOk"_s << u"Velmora  Radio    (jan)"_s;
    QTest::newRow("Toepassen, user and text")
        << u"jan"_s << u"Radio"_s << u"cmdToepassen"_s << u"Velmora  Radio"_s;
    QTest::newRow("Ok, user only") << u"jan"_s << QString() << u"cmdOk"_s << u"Velmora    (jan)"_s;
    QTest::newRow("Toepassen, user only")
        << u"jan"_s << QString() << u"cmdToepassen"_s << u"Velmora"_s;
    QTest::newRow("Ok, text only") << QString() << u"Radio"_s << u"cmdOk"_s << u"Velmora  Radio"_s;
    QTest::newRow("Ok, neither: caption kept")
        << QString() << QString() << u"cmdOk"_s << u"Velmora    (Nieuw)"_s;
    QTest::newRow("Ok, spaces kept")
        << u"jan"_s << u" Studio "_s << u"cmdOk"_s << u"Velmora   Studio     (jan)"_s;
    QTest::newRow("Annuleren") << u"jan"_s << u"Radio"_s << u"cmdAnnuleren"_s
                               << u"Velmora    (Nieuw)"_s;
}

void SettingsWindowsTest::optionsButtonsComposeTheCaption() {
    QFETCH(QString, user);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, title);
    Station station;
    QVERIFY(
        velmora::settings::write(station.settings, velmora::settings::kTitleBarText, "Oud").ok());
    station.session.currentUser = user.toStdString();
    station.window.setWindowTitle(u"Velmora    (Nieuw)"_s);
    QPointer<velmora::shell::OptionsWindow> options =
        new velmora::shell::OptionsWindow(station.settings, station.session, station.window);
    options->show();
    type(u"frmOpties"_s, u"txtTitelbalk"_s, text);
    click(u"frmOpties"_s, button);

    QCOMPARE(station.window.windowTitle(), title);
    QCOMPARE(QString::fromStdString(
                 velmora::settings::read(station.settings, velmora::settings::kTitleBarText)),
             button == u"cmdAnnuleren" ? u"Oud"_s : text);
    QCOMPARE(openWindow(u"frmOpties"_s) != nullptr, button == u"cmdToepassen");
    delete options;
}

void SettingsWindowsTest::optionsWindowShowsTheStoredText() {
    Station station;
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kTitleBarText,
                                     "  Radio Noord\xE9 ")
                .ok());
    velmora::shell::OptionsWindow options(station.settings, station.session, station.window);
    options.show();
    QCOMPARE(boxText(u"frmOpties"_s, u"txtTitelbalk"_s), u"  Radio Noord\u00e9 "_s);
    QCOMPARE(options.windowTitle(), u"Opties"_s);
    QCOMPARE(tabOrder(u"frmOpties"_s, u"cmdOk"_s),
             (QStringList{u"cmdOk"_s, u"cmdToepassen"_s, u"cmdAnnuleren"_s, u"txtTitelbalk"_s}));
}

void SettingsWindowsTest::toolbarOptionsOpensTheOptionsWindow() {
    Station station;
    station.session.currentUser = "*^Qentar^*";
    ModalWatcher user;
    QAction* entry = toolbarEntry(station.window, u"Opties");
    entry->setEnabled(true);
    entry->trigger();
    QCOMPARE(user.closed().size(), 1);
    QCOMPARE(user.closed().constFirst().name, u"frmOpties"_s);
    QCOMPARE(station.window.windowTitle(), u"Velmora    (*^Qentar^*)"_s);
}

VELMORA_TEST_MAIN(SettingsWindowsTest)
#include "settings_windows_test.moc"
