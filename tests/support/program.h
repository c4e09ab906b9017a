#pragma once

#include "link/encoder_link.h"
#include "platform/qt/qt_settings_store.h"
#include "shell/main_window.h"

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace velmora::testing {

// The program as a user meets it: the main window with its settings file in
// the given folder, worked through its toolbar.
class Program {
public:
    explicit Program(const QString& configFolder);

    shell::MainWindow& window() { return window_; }
    platform::QtSettingsStore& settings() { return settings_; }
    // Sets "Compoort"; false if the settings file cannot be written.
    [[nodiscard]] bool usePort(int port);

    // A click on the toolbar entry with this key ("Verbinding", "Versturen", ...).
    void click(QStringView key);
    // "Afsluiten" in the File menu.
    void exit();

    QString statusText() const;
    QString connectionTooltip() const;
    // Both toolbar entries and both menu items agree, or this says false.
    bool transferCommandsEnabled() const;
    bool transferCommandsDisabled() const;
    bool showsConnected() const;
    bool showsDisconnected() const;
    bool isPortOpen() { return window_.encoderLink().isPortOpen(); }
    std::string setting(std::string_view section, std::string_view key) const;

private:
    int enabledTransferCommands() const;

    platform::QtSettingsStore settings_;
    shell::MainWindow window_;
};

inline const QString kConnectedText = QStringLiteral("Verbonden met de Velmora");

// The progress window of a transfer, when it is shown.
QWidget* progressWindow();
// The value of its bar; -1 while it is not shown.
int progressValue();
// The hourglass of a fill is up.
bool isBusy();

} // namespace velmora::testing
