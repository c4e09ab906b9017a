#include "app/startup.h"

#include "shell/splash_window.h"
#include "users/windows/login_window.h"

#include <QEventLoopLocker>

namespace velmora::app {

Startup::Startup(QObject* parent) : QObject(parent) {}

Startup::~Startup() = default;

void Startup::start() {
    splash_ = new shell::SplashWindow;
    connect(splash_, &shell::SplashWindow::elapsed, this, &Startup::continueAfterSplash);
    splash_->show();
}

void Startup::continueAfterSplash() {
    // Between the splash and the next window no window is visible; this keeps
    // the application from ending there.
    const QEventLoopLocker keepRunning;

    program_ = std::make_unique<CompositionRoot>(platform_.adapters());
    emit mainWindowLoaded(program_->mainWindow());
    users::LoginWindow* login = program_->loadLogin();
    splash_->close();
    // Either way of leaving the login window shows the main window.
    login->showModally();
}

} // namespace velmora::app
