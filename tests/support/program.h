#pragma once

#include "app/composition_root.h"
#include "app/qt_adapters.h"
#include "settings/settings_schema.h"
#include "support/main_window_parts.h"

#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace velmora::testing {

// The program as a user meets it, on Qt: the main window with its settings
// file in the given folder, worked through its toolbar.
class Program {
public:
    // On the computer's clock, or on the test's when it gives one.
    explicit Program(const QString& configFolder, const platform::Clock* clock = nullptr);

    shell::MainWindow& window() { return window_; }
    station::Document& document() { return program_.document(); }
    platform::SettingsStore& settings() { return settings_; }
    // Sets the port number; false if the settings file cannot be written.
    [[nodiscard]] bool usePort(int port);
    // Switches automatic reconnection after a lost connection on or off.
    [[nodiscard]] bool reconnectAfterLoss(bool on);

    // A click on the toolbar entry with this key ("Verbinding", "Versturen", ...).
    void click(QStringView key);
    // "Afsluiten" in the File menu.
    void exit();
    // The menu item with this objectName, enabled first as for the administrator.
    void runEnabled(const QString& menuItem);

    QString statusText() const;
    QString connectionTooltip() const;
    // Both toolbar entries and both menu items agree, or this says false.
    bool transferCommandsEnabled() const;
    bool transferCommandsDisabled() const;
    bool showsConnected() const;
    bool showsDisconnected() const;
    bool isPortOpen() { return program_.encoderSession().isPortOpen(); }
    std::string setting(const settings::Key& key) const;

private:
    int enabledTransferCommands() const;

    app::QtAdapters platform_;
    platform::SettingsStore& settings_;
    app::CompositionRoot program_;
    shell::MainWindow& window_{program_.mainWindow()};
};

inline const QString kConnectedText = QStringLiteral("Verbonden met de Velmora");

// The progress window of a transfer, when it is shown.
QWidget* progressWindow();
// The value of its bar; -1 while it is not shown.
int progressValue();
// The hourglass of a fill is up.
bool isBusy();

} // namespace velmora::testing
