#include "app/startup.h"
#include "settings/settings_schema.h"
#include "station/station_settings.h"
#include "support/modal_watcher.h"
#include "support/open_window.h"
#include "support/station.h"
#include "support/tab_order.h"
#include "support/test_main.h"
#include "support/user_input.h"
#include "support/wait.h"
#include "users/windows/login_window.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace velmora::testing;
using velmora::shell::MainWindow;
using velmora::station::SetKind;

namespace {

const std::string kFilePs =
    velmora::station::compose({{"RADIO", true}}, velmora::station::kProgrammeServiceLayout);
const std::string kFileRt =
    velmora::station::compose({{"Nieuws", true}}, velmora::station::kRadiotextLayout);
const std::string kOldPs =
    velmora::station::compose({{"OUD", false}}, velmora::station::kProgrammeServiceLayout);

// "&Nieuw...", toolbar "Nieuw", "Huidige gebruiker aanpassen", "&Compoort",
// "&Opties", toolbar "Opties": "1" where enabled.
QString accountItems(const MainWindow& window) {
    QString states;
    for (const QString& item :
         {u"mnuBestand_nieuw"_s, u"Nieuw"_s,
          u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen"_s, u"mnuInstellingen_compoort"_s,
          u"mnuInstellingen_opties"_s, u"Opties"_s}) {
        const QAction* action =
            item.startsWith(u"mnu") ? menuItem(window, item) : toolbarEntry(window, item);
        states.append(action->isEnabled() ? u'1' : u'0');
    }
    return states;
}

const QString kStartItems = u"000000"_s;
const QString kAdministratorItems = u"110111"_s;
const QString kOrdinaryItems = u"111000"_s;

// Start-up as far as the login: the main window loaded and hidden, the login
// window shown over it, the document holding an old set.
struct LoginAtStartup : Station {
    LoginAtStartup() {
        addAccount("jan", "Geheim", "/stations/radio.Rds");
        addAccount("piet", "Wacht", "/stations/weg.Rds");
        addAccount("kees", "Kaas");
        addAccount("*^QENTAR^*", "Kez");
        addAccount("[*]", "Ster");
        files.put("/stations/radio.Rds", kFilePs + "\r\n" + kFileRt);
        document.replaceSet(SetKind::ProgrammeService, kOldPs);
        document.setFileName("/oud.Rds");
        login = program.loadLogin();
        login->showModally();
    }
    // The login window has no owner; it must not outlive this main window.
    ~LoginAtStartup() { delete login; }

    void logIn(const QString& name, const QString& password) {
        type(u"frmAanmelden"_s, u"txtGebruikersnaam"_s, name);
        type(u"frmAanmelden"_s, u"txtWachtwoord"_s, password);
        click(u"frmAanmelden"_s, u"cmdAanmelden"_s);
    }

    ModalWatcher warnings{okInMessagesOnly()};
    QPointer<velmora::users::LoginWindow> login;
};

// Leaves the open login window by "A&nnuleren", its close box or Escape.
void leaveLogin(const QString& way) {
    QWidget* login = openWindow(u"frmAanmelden"_s);
    QVERIFY(login != nullptr);
    if (way == u"close box"_s) {
        login->close();
    } else if (way == u"Escape"_s) {
        QTest::keyClick(login, Qt::Key_Escape);
    } else {
        click(u"frmAanmelden"_s, u"cmdAnnuleren"_s);
    }
}

} // namespace

class LoginWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { deletePendingWindows(); }

    void everyOutcomeOfALogin_data();
    void everyOutcomeOfALogin();
    void enterInEitherBoxLogsIn_data();
    void enterInEitherBoxLogsIn();
    void boxesTakeTenCharactersOfTheCodePage();
    void leavingWithoutLoginShowsANewDocument_data();
    void leavingWithoutLoginShowsANewDocument();
    void escapeOrCloseBoxAfterReloginCountAsCancel_data();
    void escapeOrCloseBoxAfterReloginCountAsCancel();
    void reloginUnloadsWindowsEmptiesTheDocumentAndSeedsAgain();
    void accountCreatedWithoutLoginLogsInAfterRelogin();
    void seedingThatFailsIsReportedAndTheLoginGoesOn();
    void accountLinkedToANamedPipeLogsInAtOnce();
    void startupShowsTheLoginOverTheHiddenMainWindow();
    void messageAfterALoginOutlivesTheClosedLoginWindow();
};

void LoginWindowTest::everyOutcomeOfALogin_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("psSet");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("items");

    const QString old = QString::fromStdString(kOldPs);
    const QString untouched = kStartItems;
    const QString refused = u"Gebruikersnaam en/of wachtwoord is onjuist."_s;
    const QString missing = u"Geef een gebruikersnaam en/of wachtwoord op"_s;
    QTest::newRow("administrator")
        << u"*^Qentar^*"_s << u"Kez"_s << QString() << u"*^Qentar^*"_s << QString() << QString()
        << u"Velmora    (*^Qentar^*)"_s << kAdministratorItems;
    QTest::newRow("linked file") << u"jan"_s << u"Geheim"_s << QString() << u"jan"_s
                                 << u"/stations/radio.Rds"_s << QString::fromStdString(kFilePs)
                                 << u"Velmora    (jan)"_s << kOrdinaryItems;
    QTest::newRow("linked file missing")
        << u"piet"_s << u"Wacht"_s << u"Het gekoppelde bestand is niet gevonden"_s << u"piet"_s
        << u"/stations/weg.Rds"_s << QString() << u"Velmora    (piet)"_s << kOrdinaryItems;
    QTest::newRow("no linked file") << u"kees"_s << u"Kaas"_s << QString() << u"kees"_s << QString()
                                    << QString() << u"Velmora    (kees)"_s << kOrdinaryItems;
    QTest::newRow("administrator name in capitals")
        << u"*^QENTAR^*"_s << u"Kez"_s << QString() << u"*^QENTAR^*"_s << QString() << QString()
        << u"Velmora    (*^QENTAR^*)"_s << kOrdinaryItems;
    QTest::newRow("placeholder of Qt in the name")
        << u"[*]"_s << u"Ster"_s << QString() << u"[*]"_s << QString() << QString()
        << u"Velmora    ([*])"_s << kOrdinaryItems;
    QTest::newRow("password in other case") << u"jan"_s << u"geheim"_s << refused << u"jan"_s
                                            << QString() << old << u"Velmora"_s << untouched;
    QTest::newRow("administrator password in other case")
        << u"*^Qentar^*"_s << u"KEZ"_s << refused << u"*^Qentar^*"_s << QString() << old
        << u"Velmora"_s << untouched;
    QTest::newRow("no such account") << u"anna"_s << u"x"_s << refused << u"anna"_s << QString()
                                     << old << u"Velmora"_s << untouched;
    QTest::newRow("no password") << u"jan"_s << QString() << missing << QString() << QString()
                                 << old << u"Velmora"_s << untouched;
    QTest::newRow("no name") << QString() << u"Kez"_s << missing << QString() << QString() << old
                             << u"Velmora"_s << untouched;
}

void LoginWindowTest::everyOutcomeOfALogin() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, warning);
    QFETCH(QString, user);
    QFETCH(QString, fileName);
    QFETCH(QString, psSet);
    QFETCH(QString, title);
    QFETCH(QString, items);
    LoginAtStartup station;
    station.logIn(name, password);

    // Every login switches the items away from their start state.
    const bool loggedIn = items != kStartItems;
    QCOMPARE(station.warnings.messages(), warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(openWindow(u"frmAanmelden"_s) != nullptr, !loggedIn);
    QCOMPARE(station.window.isVisible(), loggedIn);
    if (!loggedIn) {
        // The typed texts stay for the next attempt.
        QCOMPARE(control<QLineEdit>(u"frmAanmelden"_s, u"txtGebruikersnaam"_s)->text(), name);
        QCOMPARE(control<QLineEdit>(u"frmAanmelden"_s, u"txtWachtwoord"_s)->text(), password);
    }
    QCOMPARE(QString::fromStdString(station.session.currentUser), user);
    QCOMPARE(QString::fromStdString(station.document.fileName()), fileName);
    QCOMPARE(QString::fromStdString(station.document.programmeServiceSet()), psSet);
    QCOMPARE(shownTitle(station.window), title);
    QCOMPARE(accountItems(station.window), items);
    QVERIFY(!station.document.isModified());
    // The seeded password, replaced by its hash once it has let the administrator in.
    const bool administratorIn = loggedIn && name == u"*^Qentar^*"_s;
    QCOMPARE(velmora::settings::read(station.settings, "*^Qentar^*", velmora::settings::kPassword),
             administratorIn ? station.passwords.hash("Kez").value() : "Kez");
}

void LoginWindowTest::enterInEitherBoxLogsIn_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<bool>("loggedIn");
    QTest::newRow("name box, password empty")
        << u"txtGebruikersnaam"_s << QString()
        << QStringList{u"Geef een gebruikersnaam en/of wachtwoord op"_s} << false;
    QTest::newRow("password box") << u"txtWachtwoord"_s << u"Kaas"_s << QStringList() << true;
}

void LoginWindowTest::enterInEitherBoxLogsIn() {
    QFETCH(QString, box);
    QFETCH(QString, password);
    QFETCH(QStringList, warnings);
    QFETCH(bool, loggedIn);
    LoginAtStartup station;
    type(u"frmAanmelden"_s, u"txtGebruikersnaam"_s, u"kees"_s);
    type(u"frmAanmelden"_s, u"txtWachtwoord"_s, password);
    QTest::keyClick(control<QLineEdit>(u"frmAanmelden"_s, box), Qt::Key_Return);

    QCOMPARE(station.warnings.messages(), warnings);
    QCOMPARE(station.window.isVisible(), loggedIn);
    if (!loggedIn) {
        // The key is swallowed: no character, no second attempt.
        QCOMPARE(control<QLineEdit>(u"frmAanmelden"_s, u"txtGebruikersnaam"_s)->text(), u"kees"_s);
    }
}

void LoginWindowTest::boxesTakeTenCharactersOfTheCodePage() {
    LoginAtStartup station;
    type(u"frmAanmelden"_s, u"txtGebruikersnaam"_s, u"\u00c9\u20acabcdefghijk"_s);
    QCOMPARE(control<QLineEdit>(u"frmAanmelden"_s, u"txtGebruikersnaam"_s)->text(),
             u"\u00c9\u20acabcdefgh"_s);
    // A character outside the code page would be stored as "?", so it is refused.
    type(u"frmAanmelden"_s, u"txtWachtwoord"_s, u"k\u0141ez"_s);
    auto* password = control<QLineEdit>(u"frmAanmelden"_s, u"txtWachtwoord"_s);
    QCOMPARE(password->text(), u"kez"_s);
    QCOMPARE(password->displayText(), u"***"_s);
}

void LoginWindowTest::leavingWithoutLoginShowsANewDocument_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("titleBarText");
    QTest::addColumn<QString>("title");
    QTest::newRow("A&nnuleren") << u"A&nnuleren"_s << QString() << u"Velmora    (Nieuw)"_s;
    QTest::newRow("close box") << u"close box"_s << QString() << u"Velmora    (Nieuw)"_s;
    QTest::newRow("Escape") << u"Escape"_s << QString() << u"Velmora    (Nieuw)"_s;
    QTest::newRow("A&nnuleren with title-bar text")
        << u"A&nnuleren"_s << u" Studio "_s << u"Velmora   Studio     (Nieuw)"_s;
    QTest::newRow("placeholder of Qt in the title-bar text")
        << u"A&nnuleren"_s << u"[*]"_s << u"Velmora  [*]    (Nieuw)"_s;
}

void LoginWindowTest::leavingWithoutLoginShowsANewDocument() {
    QFETCH(QString, way);
    QFETCH(QString, titleBarText);
    QFETCH(QString, title);
    LoginAtStartup station;
    QVERIFY(velmora::settings::write(station.settings, velmora::settings::kTitleBarText,
                                     titleBarText.toStdString())
                .ok());
    // A refused attempt first: its name stays the current user.
    station.logIn(u"anna"_s, u"x"_s);
    station.document.setModified(true);
    leaveLogin(way);

    QVERIFY(station.window.isVisible());
    QCOMPARE(openWindow(u"frmAanmelden"_s), nullptr);
    QCOMPARE(shownTitle(station.window), title);
    QCOMPARE(accountItems(station.window), kStartItems);
    QCOMPARE(station.session.currentUser, "anna");
    QCOMPARE(station.document.programmeServiceSet(), kOldPs);
    // Showing the main window for the first time counts as not modified.
    QVERIFY(!station.document.isModified());
}

// Nobody is logged in after a re-login, whichever way its window goes.
void LoginWindowTest::escapeOrCloseBoxAfterReloginCountAsCancel_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("close box") << u"close box"_s;
    QTest::newRow("Escape") << u"Escape"_s;
}

void LoginWindowTest::escapeOrCloseBoxAfterReloginCountAsCancel() {
    QFETCH(QString, way);
    LoginAtStartup station;
    station.logIn(u"jan"_s, u"Geheim"_s);
    station.run(u"mnuBestand_opnieuwaanmelden"_s);
    QVERIFY(openWindow(u"frmAanmelden"_s) != nullptr);
    leaveLogin(way);

    QCOMPARE(openWindow(u"frmAanmelden"_s), nullptr);
    QVERIFY(station.window.isVisible());
    QCOMPARE(station.window.windowTitle(), u"Velmora    (Nieuw)"_s);
    QCOMPARE(accountItems(station.window), kOrdinaryItems);
    QCOMPARE(station.session.currentUser, "");
}

void LoginWindowTest::reloginUnloadsWindowsEmptiesTheDocumentAndSeedsAgain() {
    LoginAtStartup station;
    station.logIn(u"jan"_s, u"Geheim"_s);
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    station.window.openChildWindow(u"frmPi"_s, [] { return new QWidget; });
    station.window.openChildWindow(u"frmOverzicht"_s, [] { return new QWidget; });
    QVERIFY(velmora::settings::write(station.settings, "*^Qentar^*", velmora::settings::kPassword,
                                     "Anders")
                .ok());

    station.run(u"mnuBestand_opnieuwaanmelden"_s);
    deletePendingWindows();
    QCOMPARE(openWindow(u"frmGebruiker"_s), nullptr);
    QCOMPARE(openWindow(u"frmOverzicht"_s), nullptr);
    QVERIFY(openWindow(u"frmPi"_s) != nullptr);
    QVERIFY(openWindow(u"frmAanmelden"_s) != nullptr);
    QCOMPARE(velmora::settings::read(station.settings, "*^Qentar^*", velmora::settings::kPassword),
             "Kez");
    QCOMPARE(station.session.currentUser, "");
    QCOMPARE(station.document.programmeServiceSet(), "");
    QCOMPARE(station.document.radiotextSet(), "");
    QCOMPARE(station.document.fileName(), "/stations/radio.Rds");
    QVERIFY(!station.document.isModified());
    QCOMPARE(accountItems(station.window), kOrdinaryItems);

    station.logIn(u"*^Qentar^*"_s, u"Kez"_s);
    QCOMPARE(station.window.windowTitle(), u"Velmora    (*^Qentar^*)"_s);
    QCOMPARE(accountItems(station.window), kAdministratorItems);
}

void LoginWindowTest::accountCreatedWithoutLoginLogsInAfterRelogin() {
    LoginAtStartup station;
    click(u"frmAanmelden"_s, u"cmdAnnuleren"_s);
    station.run(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s);
    type(u"frmGebruiker"_s, u"txtGebruikersnaam"_s, u"anna"_s);
    type(u"frmGebruiker"_s, u"txtWachtwoord"_s, u"Zomer"_s);
    type(u"frmGebruiker"_s, u"txtBevestiging"_s, u"Zomer"_s);
    station.dialogs.answer = "/stations/radio.Rds";
    click(u"frmGebruiker"_s, u"cmdBladeren"_s);
    click(u"frmGebruiker"_s, u"cmdOk"_s);

    station.run(u"mnuBestand_opnieuwaanmelden"_s);
    station.logIn(u"anna"_s, u"Zomer"_s);
    QCOMPARE(station.window.windowTitle(), u"Velmora    (anna)"_s);
    QCOMPARE(station.document.programmeServiceSet(), kFilePs);
    QCOMPARE(station.document.radiotextSet(), kFileRt);
    QVERIFY(!station.document.isModified());
    QVERIFY(station.warnings.messages().isEmpty());
}

void LoginWindowTest::seedingThatFailsIsReportedAndTheLoginGoesOn() {
    Station station;
    ModalWatcher warnings(okInMessagesOnly());
    station.settings.failSaves = true;
    station.program.loadLogin()->showModally();
    QCOMPARE(warnings.messages(),
             QStringList{u"De instellingen konden niet worden opgeslagen: Schijf vol"_s});
    QVERIFY(openWindow(u"frmAanmelden"_s) != nullptr);
    click(u"frmAanmelden"_s, u"cmdAnnuleren"_s);
    QVERIFY(station.window.isVisible());
}

// Opening the pipe would wait for a writer that never comes.
void LoginWindowTest::accountLinkedToANamedPipeLogsInAtOnce() {
    StationInFolder station;
    ModalWatcher warnings(okInMessagesOnly());
    const QString pipe = station.path(u"studio.Rds"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    station.addAccount("jan", "Geheim", pipe.toStdString());
    station.program.loadLogin()->showModally();
    type(u"frmAanmelden"_s, u"txtGebruikersnaam"_s, u"jan"_s);
    type(u"frmAanmelden"_s, u"txtWachtwoord"_s, u"Geheim"_s);
    click(u"frmAanmelden"_s, u"cmdAanmelden"_s);

    QCOMPARE(warnings.messages(), QStringList{u"Het gekoppelde bestand is niet gevonden"_s});
    QVERIFY(station.window.isVisible());
    QCOMPARE(station.document.programmeServiceSet(), "");
    QCOMPARE(QString::fromStdString(station.document.fileName()), pipe);
}

void LoginWindowTest::startupShowsTheLoginOverTheHiddenMainWindow() {
    velmora::app::Startup startup;
    startup.start();
    VELMORA_TRY_VERIFY(openWindow(u"frmAanmelden"_s) != nullptr, 3000);
    QVERIFY(!startup.mainWindow()->isVisible());
    QVERIFY(openWindow(u"frmAanmelden"_s)->isModal());
    QCOMPARE(tabOrder(u"frmAanmelden"_s, u"txtGebruikersnaam"_s),
             (QStringList{u"txtGebruikersnaam"_s, u"txtWachtwoord"_s, u"cmdAanmelden"_s,
                          u"cmdAnnuleren"_s}));
    QCOMPARE(openWindow(u"frmStart"_s), nullptr);
    QCOMPARE(velmora::settings::read(startup.program()->settings(), "*^Qentar^*",
                                     velmora::settings::kPassword),
             "Kez");

    type(u"frmAanmelden"_s, u"txtGebruikersnaam"_s, u"*^Qentar^*"_s);
    type(u"frmAanmelden"_s, u"txtWachtwoord"_s, u"Kez"_s);
    click(u"frmAanmelden"_s, u"cmdAanmelden"_s);
    QVERIFY(startup.mainWindow()->isVisible());
    QCOMPARE(accountItems(*startup.mainWindow()), kAdministratorItems);
}

// The message after a successful login runs its own event loop; deferred
// deletions carried out there must not take the login window while the
// attempt is still at work.
void LoginWindowTest::messageAfterALoginOutlivesTheClosedLoginWindow() {
    LoginAtStartup station;
    station.warnings.setReaction([](QWidget& message) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return okInMessagesOnly()(message);
    });
    station.logIn(u"piet"_s, u"Wacht"_s);

    QCOMPARE(station.warnings.messages(),
             QStringList{u"Het gekoppelde bestand is niet gevonden"_s});
    QVERIFY(station.window.isVisible());
    QVERIFY(!station.document.isModified());
    deletePendingWindows();
    QVERIFY(station.login.isNull());
}

VELMORA_TEST_MAIN(LoginWindowTest)
#include "login_window_test.moc"
