#include "support/program.h"

#include "shell/main_toolbar.h"
#include "support/seen_window.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QProgressBar>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace velmora::testing {

Program::Program(const QString& configFolder)
    : settings_(configFolder + u"/velmora.ini"_s), window_(settings_) {
    window_.showAsStarted();
}

bool Program::usePort(int port) {
    return settings_.SaveSetting("Compoort", "Compoort", std::to_string(port)).ok();
}

void Program::click(QStringView key) {
    window_.toolBar().entry(key)->trigger();
}

void Program::exit() {
    window_.menuItem(u"mnuBestand_afsluiten"_s)->trigger();
}

QString Program::statusText() const {
    return window_.connectionStatusText();
}

QString Program::connectionTooltip() const {
    return window_.connectionTooltip();
}

int Program::enabledTransferCommands() const {
    const std::array<const QAction*, 4> commands{window_.toolBar().entry(u"Inladen"),
                                                 window_.toolBar().entry(u"Versturen"),
                                                 window_.menuItem(u"mnuBewerken_velmorauitlezen"_s),
                                                 window_.menuItem(u"mnuBewerken_velmoravullen"_s)};
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

std::string Program::setting(std::string_view section, std::string_view key) const {
    return settings_.GetSetting(section, key);
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
