// Peak memory of the program with every window open. It goes the user's way:
// the real start-up (splash, then the login window), a login as the
// administrator, every window of the workspace, and then the modal windows,
// each opened on top of the last so that at the end all are open at once.
// Meant for a real display (Xvfb with the xcb platform), so that the windows
// are drawn as the program draws them. Prints "name value" lines.

#include "app/startup.h"
#include "platform/qt/windows1252.h"
#include "run_until.h"
#include "shell/hardware_window.h"
#include "shell/info_window.h"
#include "shell/main_window.h"
#include "shell/save_prompt.h"
#include "shell/transfer_progress.h"
#include "users/accounts.h"
#include "widgets/warning_window.h"
#include "window_item.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <string>

using namespace Qt::StringLiterals;
using velmora::bench::windowItem;
using velmora::shell::MainWindow;

namespace {

bool runUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    return velmora::bench::runUntil(condition, limit, std::chrono::milliseconds(10));
}

QWidget* visibleWindow(const QString& objectName) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == objectName && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The peak resident set of this process so far, in kB.
long peakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;) {
        if (word == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

// Logs in as the administrator and sets how long the click took until the
// main window showed, password check and storing its hash included.
bool logInAsAdministrator(std::chrono::milliseconds& took) {
    if (!runUntil([] { return visibleWindow(u"frmAanmelden"_s) != nullptr; },
                  std::chrono::seconds(10))) {
        return false;
    }
    QWidget* login = visibleWindow(u"frmAanmelden"_s);
    login->findChild<QLineEdit*>(u"txtGebruikersnaam"_s)
        ->setText(velmora::platform::fromWindows1252(velmora::users::kAdministratorName));
    login->findChild<QLineEdit*>(u"txtWachtwoord"_s)
        ->setText(velmora::platform::fromWindows1252(velmora::users::kAdministratorPassword));
    const auto clicked = std::chrono::steady_clock::now();
    login->findChild<QPushButton*>(u"cmdAanmelden"_s)->click();
    const bool shown =
        runUntil([] { return visibleWindow(u"frmBasis"_s) != nullptr; }, std::chrono::seconds(5));
    took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 clicked);
    return shown;
}

// The menu items that open a window in the workspace.
const QStringList kWorkspaceWindowItems{
    u"mnuInstellingen_programmaservice"_s,
    u"mnuInstellingen_radiotekst"_s,
    u"mnuInstellingen_decoderinformatie"_s,
    u"mnuInstellingenProgrammaIdentificatie"_s,
    u"mnuVenster_overzicht"_s,
    u"mnuVenster_voorbeeld"_s,
    u"mnuInstellingen_compoort"_s,
    u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s,
    u"mnuBewerken_liveradiotekst"_s,
    u"mnuVenster_logboek"_s,
    u"mnuBewerken_planning"_s,
    u"mnuInstellingen_zenders"_s,
    u"mnuBewerken_allezenderscontroleren"_s,
};

// Opens the modal windows one by one: each next one is opened from within the
// event loop of the one before, so that all of them stay open together.
class ModalStack {
public:
    using Opener = std::function<void()>;

    ModalStack(std::deque<Opener> openers, std::function<void()> whenAllOpen)
        : openers_(std::move(openers)), whenAllOpen_(std::move(whenAllOpen)) {}

    void openNext() {
        if (openers_.empty()) {
            QTimer::singleShot(500, qApp, whenAllOpen_);
            return;
        }
        const Opener open = openers_.front();
        openers_.pop_front();
        QTimer::singleShot(200, qApp, [this] { openNext(); });
        open();
    }

private:
    std::deque<Opener> openers_;
    std::function<void()> whenAllOpen_;
};

int countVisibleWindows(const MainWindow& window) {
    int count = 0;
    for (const QWidget* topLevel : QApplication::topLevelWidgets()) {
        count += topLevel->isVisible() ? 1 : 0;
    }
    for (const QMdiSubWindow* child : window.findChild<QMdiArea*>()->subWindowList()) {
        count += child->isVisible() ? 1 : 0;
    }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    // Named, and speaking Dutch, as the program itself.
    QCoreApplication::setOrganizationName(u"velmora"_s);
    QCoreApplication::setApplicationName(u"velmora"_s);
    QTranslator qtTranslation;
    if (qtTranslation.load(u"qtbase_nl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTranslation);
    }

    velmora::app::Startup startup;
    startup.start();
    std::chrono::milliseconds loginTook{};
    if (!logInAsAdministrator(loginTook)) {
        std::fprintf(stderr, "all_windows: the login did not lead to the main window\n");
        return 1;
    }
    MainWindow& window = *startup.mainWindow();
    for (const QString& item : kWorkspaceWindowItems) {
        windowItem(window, item)->trigger();
    }
    velmora::shell::TransferProgress progress;
    progress.open(7);

    int openWindows = 0;
    long peakKilobytes = 0;
    const auto closeAll = [&] {
        openWindows = countVisibleWindows(window);
        peakKilobytes = peakResidentKilobytes();
        // The modal windows close from the top down, each ending the event
        // loop of its opener; then the program's exit, without saving.
        auto* closer = new QTimer(&application);
        QObject::connect(closer, &QTimer::timeout, &application, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
                return;
            }
            progress.close();
            startup.program()->document().setModified(false);
            window.close();
            QCoreApplication::quit();
        });
        closer->start(50);
    };
    ModalStack modals(
        {
            [] {
                velmora::shell::HardwareWindow::present(
                    {u"Hardware"_s,
                     velmora::shell::HardwareRows{u"RDS-SIM1"_s, u"1.2"_s, u"12-03-02"_s}});
            },
            [&window] { windowItem(window, u"mnuInstellingen_opties"_s)->trigger(); },
            [&window] { windowItem(window, u"mnuBestand_open"_s)->trigger(); },
            [] { velmora::shell::InfoWindow::showModal(); },
            [] { velmora::shell::SavePrompt::ask(u"Wijzigingen opslaan?"_s); },
            [] { velmora::widgets::WarningWindow::showMessage(u"Encoder antwoord niet."_s); },
        },
        closeAll);
    QTimer::singleShot(300, &application, [&modals] { modals.openNext(); });
    QApplication::exec();

    std::printf("login_ms %lld\n", static_cast<long long>(loginTook.count()));
    std::printf("all_windows_open %d\n", openWindows);
    std::printf("peak_rss_mb %.1f\n", static_cast<double>(peakKilobytes) * 1024 / 1e6);
    return peakKilobytes > 0 ? 0 : 1;
}
