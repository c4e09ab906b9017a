#include "support/program.h"

#include "settings/port_setting.h"
#include "support/main_window_parts.h"
#include "support/seen_window.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QProgressBar>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace velmora::testing {
namespace {

app::Adapters onClock(const app::Adapters& adapters, const platform::Clock* clock) {
    if (clock == nullptr) {
        return adapters;
    }
    return {.settings = adapters.settings,
            .serialLine = adapters.serialLine,
            .supervisionTimer = adapters.supervisionTimer,
            .pacingTimer = adapters.pacingTimer,
            .fileDialogs = adapters.fileDialogs,
            .fileStore = adapters.fileStore,
            .passwords = adapters.passwords,
            .liveFile = adapters.liveFile,
            .clock = *clock,
            .logFile = adapters.logFile,
            .newTimer = adapters.newTimer,
            .newLine = adapters.newLine};
}

} // namespace

Program::Program(const QString& configFolder, const platform::Clock* clock)
    : platform_(configFolder + u"/velmora.ini"_s), settings_(platform_.adapters().settings),
      program_(onClock(platform_.adapters(), clock)) {
    window_.show();
}

bool Program::usePort(int port) {
    return settings::writePortNumber(settings_, port).ok();
}

bool Program::reconnectAfterLoss(bool on) {
    return settings::writeFlag(settings_, settings::kReconnect, on).ok();
}

void Program::click(QStringView key) {
    toolbarEntry(window_, key)->trigger();
}

void Program::exit() {
    menuItem(window_, u"mnuBestand_afsluiten"_s)->trigger();
}

void Program::runEnabled(const QString& item) {
    QAction* action = menuItem(window_, item);
    action->setEnabled(true);
    action->trigger();
}

QString Program::statusText() const {
    return window_.connectionStatusText();
}

QString Program::connectionTooltip() const {
    return window_.connectionTooltip();
}

int Program::enabledTransferCommands() const {
    const QWidget& window = window_;
    const std::array<const QAction*, 4> commands{toolbarEntry(window, u"Inladen"),
                                                 toolbarEntry(window, u"Versturen"),
                                                 menuItem(window, u"mnuBewerken_velmorauitlezen"_s),
                                                 menuItem(window, u"mnuBewerken_velmoravullen"_s)};
    return static_cast<int>(
        std::count_if(commands.begin(), commands.end(),
                      [](const QAction* command) { return command->isEnabled(); }));
}

bool Program::transferCommandsEnabled() const {
    return enabledTransferCommands() == 4;
}

bool Program::transferCommandsDisabled() const {
    return enabledTransferCommands() == 0;
}

bool Program::showsConnected() const {
    return statusText() == kConnectedText &&
           connectionTooltip() == u"Verbreek de verbinding met de Encoder" &&
           transferCommandsEnabled();
}

bool Program::showsDisconnected() const {
    return statusText() == u"Verbinding met de Encoder is verbroken" &&
           connectionTooltip() == u"Verbind de PC met de Encoder" && transferCommandsDisabled();
}

std::string Program::setting(const settings::Key& key) const {
    return settings::read(settings_, key);
}

QWidget* progressWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const auto* bar = window->findChild<QProgressBar*>(u"pgbWaarschuwing"_s);
        if (window->objectName() == kMessageWindow && window->isVisible() && bar != nullptr &&
            bar->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

int progressValue() {
    const QWidget* window = progressWindow();
    return window != nullptr ? window->findChild<QProgressBar*>(u"pgbWaarschuwing"_s)->value() : -1;
}

bool isBusy() {
    return QApplication::overrideCursor() != nullptr &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

} // namespace velmora::testing
