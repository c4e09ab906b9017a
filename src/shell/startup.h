#pragma once

#include "platform/qt/qt_settings_store.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace velmora::shell {

class MainWindow;
class SplashWindow;

// The start-up: the splash for one second, then the main window and the
// login window are loaded, the main window still hidden, the splash goes, and
// the login decides how the main window is shown.
class Startup : public QObject {
    Q_OBJECT

public:
    explicit Startup(QObject* parent = nullptr);
    ~Startup() override;

    // Shows the splash window; the rest follows from its timer.
    void start();

    // The main window once loaded; nullptr before.
    MainWindow* mainWindow() const { return mainWindow_.get(); }

signals:
    // The main window has loaded and is still hidden: the place to connect
    // it to the rest of the program.
    void mainWindowLoaded(velmora::shell::MainWindow& window);

private:
    void continueAfterSplash();

    platform::QtSettingsStore settings_;
    QPointer<SplashWindow> splash_;
    std::unique_ptr<MainWindow> mainWindow_;
};

} // namespace velmora::shell
