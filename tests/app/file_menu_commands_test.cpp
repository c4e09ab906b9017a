#include "settings/settings_schema.h"
#include "shell/main_window.h"
#include "shell/save_prompt.h"
#include "station/station_settings.h"
#include "support/closing_probe.h"
#include "support/disk_files.h"
#include "support/modal_watcher.h"
#include "support/station.h"
#include "support/test_main.h"
#include "support/user_input.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using velmora::shell::MainWindow;
using velmora::shell::SavePrompt;
using velmora::station::SetKind;
using velmora::testing::click;
using velmora::testing::ClosingProbe;
using velmora::testing::fileBytes;
using velmora::testing::menu;
using velmora::testing::menuItem;
using velmora::testing::ModalWatcher;
using velmora::testing::pressInTurn;
using velmora::testing::SeenWindow;
using velmora::testing::StationInFolder;
using velmora::testing::toolbarEntry;
using velmora::testing::workspace;
using velmora::testing::writeFile;

namespace {

const std::string kPsSet =
    velmora::station::compose({{"RADIO", true}}, velmora::station::kProgrammeServiceLayout);
const std::string kRtSet =
    velmora::station::compose({{"Nieuws op het uur", true}}, velmora::station::kRadiotextLayout);
const QByteArray kStationFile = QByteArray::fromStdString(kPsSet + "\r\n" + kRtSet);

// What each window the user answered showed, as "objectName: text".
QStringList shown(const ModalWatcher& user) {
    QStringList texts;
    for (const SeenWindow& window : user.closed()) {
        texts.append(window.name + u": "_s + window.question + window.message);
    }
    return texts;
}

// The main window shown, on station files in a temporary folder.
struct ShownStation : StationInFolder {
    ShownStation() { window.show(); }

    void fill() {
        document.replaceSet(SetKind::ProgrammeService, kPsSet);
        document.replaceSet(SetKind::Radiotext, kRtSet);
    }
};

} // namespace

class FileMenuCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void savePromptIsAsDocumented();
    void exitSequence_data();
    void exitSequence();
    void exitAsksAgainAfterSaving();
    void exitUnloadsTheChildWindows();
    void newTwice();
    void openSaveAndSaveAs();
    void cancelledSaveAsKeepsTheFileName();
    void closeClosesTheActiveWindow();
    void reloginLeavesAnUnmodifiedDocument();
};

void FileMenuCommandsTest::savePromptIsAsDocumented() {
    SavePrompt prompt;
    prompt.setQuestion(u"Wilt U de wijzigingen in Nieuw opslaan."_s);
    QCOMPARE(prompt.objectName(), u"frmOpslaan"_s);
    QCOMPARE(prompt.windowTitle(), u"Velmora"_s);
    QVERIFY(prompt.isModal());
    auto* text = prompt.findChild<QPlainTextEdit*>(u"txtOpslaan"_s);
    QVERIFY(text != nullptr && text->isReadOnly());
    QCOMPARE(text->toPlainText(), u"Wilt U de wijzigingen in Nieuw opslaan."_s);

    const QStringList order{u"cmdJa"_s, u"cmdNee"_s, u"txtOpslaan"_s, u"cmdAnnuleren"_s};
    const QStringList captions{u"&Ja"_s, u"&Nee"_s, QString(), u"&Annuleren"_s};
    QWidget* widget = prompt.findChild<QWidget*>(order.first());
    for (qsizetype index = 0; index < order.size(); ++index) {
        QCOMPARE(widget->objectName(), order[index]);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), captions[index]);
        }
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus);
    }

    prompt.show();
    prompt.reject();
    QCOMPARE(prompt.answer(), velmora::station::SavePromptAnswer::Cancel);
}

void FileMenuCommandsTest::exitSequence_data() {
    QTest::addColumn<QString>("fileName"); // in the temporary folder; empty for none
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("button");     // pressed in the prompt; empty: none expected
    QTest::addColumn<QString>("saveAsName"); // answer of the save dialog; empty cancels
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("written"); // the file that holds the document afterwards
    QTest::addColumn<bool>("warns");

    QTest::newRow("unmodified: no question")
        << u"a.Rds"_s << false << QString() << QString() << true << QString() << false;
    QTest::newRow("Ja saves and ends")
        << u"a.Rds"_s << true << u"cmdJa"_s << QString() << true << u"a.Rds"_s << false;
    QTest::newRow("Ja without file saves as and ends")
        << QString() << true << u"cmdJa"_s << u"b.Rds"_s << true << u"b.Rds"_s << false;
    QTest::newRow("Ja, save dialog cancelled: stays")
        << QString() << true << u"cmdJa"_s << QString() << false << QString() << false;
    QTest::newRow("Ja, save fails: stays and says why")
        << u"weg/a.Rds"_s << true << u"cmdJa"_s << QString() << false << QString() << true;
    QTest::newRow("Nee ends without saving")
        << u"a.Rds"_s << true << u"cmdNee"_s << QString() << true << QString() << false;
    QTest::newRow("Annuleren stays")
        << QString() << true << u"cmdAnnuleren"_s << QString() << false << QString() << false;
}

void FileMenuCommandsTest::exitSequence() {
    QFETCH(QString, fileName);
    QFETCH(bool, modified);
    QFETCH(QString, button);
    QFETCH(QString, saveAsName);
    QFETCH(bool, ends);
    QFETCH(QString, written);
    QFETCH(bool, warns);
    ShownStation station;
    const QString path = fileName.isEmpty() ? QString() : station.path(fileName);
    station.fill();
    station.document.setFileName(path.toStdString());
    station.document.setModified(modified);
    if (!saveAsName.isEmpty()) {
        station.dialogs.answer = station.path(saveAsName).toStdString();
    }

    ModalWatcher answers(pressInTurn({button, u"cmdOk"_s}));
    station.run(u"mnuBestand_afsluiten"_s);
    QCoreApplication::processEvents();

    QStringList expected;
    if (!button.isEmpty()) {
        expected.append(u"frmOpslaan: Wilt U de wijzigingen in %1 opslaan."_s.arg(
            path.isEmpty() ? u"Nieuw"_s : path));
    }
    QStringList seen = shown(answers);
    if (warns) {
        QCOMPARE(seen.size(), 2);
        QVERIFY2(seen[1].startsWith(
                     u"frmWaarschuwing: Het bestand %1 kon niet worden opgeslagen: "_s.arg(path)),
                 qPrintable(seen[1]));
        seen.removeLast();
    }
    QCOMPARE(seen, expected);
    QCOMPARE(station.window.isVisible(), !ends);
    if (!ends) {
        // Back in the main window with the document as it was before the exit.
        QVERIFY(station.document.isModified());
        QCOMPARE(QString::fromStdString(station.document.fileName()), path);
        QCOMPARE(station.document.programmeServiceSet(), kPsSet);
    }
    for (const QString& name : {u"a.Rds"_s, u"b.Rds"_s}) {
        QCOMPARE(fileBytes(station.path(name)), name == written ? kStationFile : QByteArray());
    }
}

void FileMenuCommandsTest::exitAsksAgainAfterSaving() {
    ShownStation station;
    station.fill();
    station.document.setFileName(station.path(u"a.Rds"_s).toStdString());
    station.run(u"mnuBestand_opslaan"_s);
    QCOMPARE(fileBytes(station.path(u"a.Rds"_s)), kStationFile);

    ModalWatcher answers(pressInTurn({u"cmdAnnuleren"_s}));
    station.window.close();
    QCOMPARE(answers.closed().size(), 1);
    QVERIFY(station.window.isVisible());
}

// The exit closes the listed child windows before the run ends, but not
// while the user may still cancel it.
void FileMenuCommandsTest::exitUnloadsTheChildWindows() {
    ShownStation station;
    QStringList closed;
    for (const QString& name : {u"frmProgramma"_s, u"frmOverzicht"_s}) {
        station.window.openChildWindow(name, [&closed] { return new ClosingProbe(closed); });
    }
    station.fill();
    {
        ModalWatcher answers(pressInTurn({u"cmdAnnuleren"_s}));
        station.window.close();
    }
    QVERIFY(closed.isEmpty());
    ModalWatcher answers(pressInTurn({u"cmdNee"_s}));
    station.window.close();
    closed.sort();
    QCOMPARE(closed, (QStringList{u"frmOverzicht"_s, u"frmProgramma"_s}));
    QVERIFY(!station.window.isVisible());
}

void FileMenuCommandsTest::newTwice() {
    ShownStation station;
    MainWindow& window = station.window;
    for (const QString& item :
         {u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s,
          u"mnuInstellingen_decoderinformatie"_s, u"mnuInstellingen_opties"_s}) {
        menuItem(window, item)->setEnabled(true);
    }
    menuItem(window, u"mnuBestand_nieuw"_s)->setEnabled(true);
    toolbarEntry(window, u"Nieuw")->setEnabled(true);
    window.setWindowTitle(u"Velmora  Zender    (jan)"_s);
    station.session.currentUser = "jan";
    station.fill();
    station.document.setFileName(station.path(u"a.Rds"_s).toStdString());
    station.document.setModified(false);

    station.run(u"mnuBestand_nieuw"_s);

    QCOMPARE(window.windowTitle(), u"Velmora    (Nieuw)"_s);
    QVERIFY(station.document.programmeServiceSet().empty());
    QVERIFY(station.document.radiotextSet().empty());
    QVERIFY(station.document.fileName().empty());
    QVERIFY(station.session.currentUser.empty());
    QVERIFY(station.document.isModified());
    for (const QString& item :
         {u"mnuBestand_nieuw"_s, u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s,
          u"mnuInstellingen_decoderinformatie"_s, u"mnuInstellingen_opties"_s,
          u"mnuBestand_opslaan"_s}) {
        QVERIFY2(!menuItem(window, item)->isEnabled(), qPrintable(item));
    }
    QVERIFY(!toolbarEntry(window, u"Opslaan")->isEnabled());
    QVERIFY(toolbarEntry(window, u"Nieuw")->isEnabled());

    station.fill();
    window.setWindowTitle(u"Velmora"_s);
    station.run(u"mnuBestand_nieuw"_s); // disabled: nothing happens
    QCOMPARE(station.document.programmeServiceSet(), kPsSet);
    toolbarEntry(window, u"Nieuw")->trigger();
    QVERIFY(station.document.programmeServiceSet().empty());
    QCOMPARE(window.windowTitle(), u"Velmora    (Nieuw)"_s);
}

void FileMenuCommandsTest::openSaveAndSaveAs() {
    ShownStation station;
    MainWindow& window = station.window;
    const QString original = station.path(u"zender.Rds"_s);
    const std::string psFromFile = velmora::station::compose(
        {{"Caf\xE9 FM ", false}}, velmora::station::kProgrammeServiceLayout);
    QVERIFY(writeFile(original, QByteArray::fromStdString(psFromFile + "\r\n" + kRtSet + "\r\n")));
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kOpenFolder,
                                     station.folder.path().toStdString()));
    station.document.setModified(false);

    station.dialogs.answer = original.toStdString();
    toolbarEntry(window, u"Open")->trigger();
    QCOMPARE(station.document.programmeServiceSet(), psFromFile);
    QCOMPARE(station.document.radiotextSet(), kRtSet);
    QCOMPARE(station.document.fileName(), original.toStdString());
    QVERIFY(station.document.isModified());
    QVERIFY(menuItem(window, u"mnuBestand_opslaan"_s)->isEnabled());

    const QString copy = station.path(u"kopie"_s);
    station.dialogs.answer = copy.toStdString();
    station.run(u"mnuBestand_opslaanals"_s);
    const QByteArray expected = QByteArray::fromStdString(psFromFile + "\r\n" + kRtSet);
    QCOMPARE(fileBytes(copy), expected);
    QCOMPARE(station.document.fileName(), copy.toStdString());

    QFile::remove(copy);
    toolbarEntry(window, u"Opslaan")->trigger();
    QCOMPARE(fileBytes(copy), expected);
    QVERIFY(station.document.isModified());

    const auto& shown = station.dialogs.shown();
    QCOMPARE(shown.size(), 2u);
    QCOMPARE(shown[0].request.initialFolder, station.folder.path().toStdString());
    QCOMPARE(shown[1].request.initialFolder, std::string());
    for (const auto& dialog : shown) {
        QCOMPARE(dialog.request.title, std::string("Velmora"));
        QCOMPARE(dialog.request.filter, std::string("Rds bestand (*.Rds)|*.Rds"));
    }
}

// Save after a cancelled Save As still writes to the document's own file.
void FileMenuCommandsTest::cancelledSaveAsKeepsTheFileName() {
    ShownStation station;
    const QString own = station.path(u"eigen.Rds"_s);
    const QString other = station.path(u"ander.Rds"_s);
    QVERIFY(writeFile(other, "ander"));
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kSaveAsStart,
                                     other.toStdString()));
    station.fill();
    station.document.setFileName(own.toStdString());

    station.run(u"mnuBestand_opslaanals"_s);
    station.run(u"mnuBestand_opslaan"_s);

    QCOMPARE(station.dialogs.shown().size(), 1u);
    QCOMPARE(station.dialogs.shown()[0].request.initialFolder, other.toStdString());
    QCOMPARE(fileBytes(own), kStationFile);
    QCOMPARE(fileBytes(other), QByteArray("ander"));
}

// The menu item is switched when the File menu opens, as the user opens it.
void FileMenuCommandsTest::closeClosesTheActiveWindow() {
    ShownStation station;
    QStringList closed;
    for (const QString& name : {u"frmProgramma"_s, u"frmRadiotekst"_s}) {
        station.window.openChildWindow(name, [&closed] { return new ClosingProbe(closed); });
    }
    const auto closeFromTheMenu = [&station] {
        emit menu(station.window, u"mnuBestand"_s)->aboutToShow();
        station.run(u"mnuBestand_sluit"_s);
    };
    closeFromTheMenu();
    QCOMPARE(closed, QStringList{u"frmRadiotekst"_s});
    QVERIFY(station.window.isVisible());

    station.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&station.window));
    workspace(station.window).setActiveSubWindow(nullptr);
    closeFromTheMenu();
    QCOMPARE(closed, (QStringList{u"frmRadiotekst"_s, u"frmProgramma"_s}));
    QVERIFY(!station.window.isVisible());
}

// After a re-login that the user cancels, the exit has nothing to ask: the
// emptied document must never be saved over the station file it still names.
void FileMenuCommandsTest::reloginLeavesAnUnmodifiedDocument() {
    ShownStation station;
    const QString file = station.path(u"zender.Rds"_s);
    QVERIFY(writeFile(file, kStationFile));
    station.fill();
    station.document.setFileName(file.toStdString());
    station.session.currentUser = "jan";

    station.run(u"mnuBestand_opnieuwaanmelden"_s);
    click(u"frmAanmelden"_s, u"cmdAnnuleren"_s);

    QVERIFY(station.document.programmeServiceSet().empty());
    QVERIFY(station.session.currentUser.empty());
    QCOMPARE(station.document.fileName(), file.toStdString());
    QVERIFY(!station.document.isModified());
    ModalWatcher answers(pressInTurn({u"cmdJa"_s}));
    station.window.close();
    QVERIFY(answers.closed().isEmpty());
    QVERIFY(!station.window.isVisible());
    QCOMPARE(fileBytes(file), kStationFile);
}

VELMORA_TEST_MAIN(FileMenuCommandsTest)
#include "file_menu_commands_test.moc"
