#include "shell/startup.h"

#include "shell/main_window.h"
#include "shell/splash_window.h"
#include "users/account_windows.h"
#include "users/windows/login_window.h"

#include <QEventLoopLocker>

namespace velmora::shell {

Startup::Startup(QObject* parent) : QObject(parent) {}

Startup::~Startup() = default;

void Startup::start() {
    splash_ = new SplashWindow;
    connect(splash_, &SplashWindow::elapsed, this, &Startup::continueAfterSplash);
    splash_->show();
}

void Startup::continueAfterSplash() {
    // Between the splash and the next window no window is visible; this keeps
    // the application from ending there.
    const QEventLoopLocker keepRunning;

    mainWindow_ = std::make_unique<MainWindow>(settings_);
    emit mainWindowLoaded(*mainWindow_);
    users::LoginWindow* login = mainWindow_->accountWindows().loadLogin();
    splash_->close();
    // Either way of leaving the login window shows the main window.
    login->showModally();
}

} // namespace velmora::shell
