#pragma once

#include "app/composition_root.h"
#include "app/qt_adapters.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace velmora::shell {
class SplashWindow;
}

namespace velmora::app {

// The start-up: the splash for one second, then the program is put together
// with the main window still hidden, the login window is loaded, the splash
// goes, and the login decides how the main window is shown.
class Startup : public QObject {
    Q_OBJECT

public:
    explicit Startup(QObject* parent = nullptr);
    ~Startup() override;

    // Shows the splash window; the rest follows from its timer.
    void start();

    // The program once put together; nullptr before.
    CompositionRoot* program() const { return program_.get(); }
    shell::MainWindow* mainWindow() const { return program_ ? &program_->mainWindow() : nullptr; }

signals:
    // The main window has loaded and is still hidden.
    void mainWindowLoaded(velmora::shell::MainWindow& window);

private:
    void continueAfterSplash();

    QtAdapters platform_;
    QPointer<shell::SplashWindow> splash_;
    std::unique_ptr<CompositionRoot> program_;
};

} // namespace velmora::app
