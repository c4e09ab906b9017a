#pragma once

#include "app/adapters.h"
#include "app/settings_windows.h"
#include "link/encoder_session.h"
#include "shell/main_window.h"
#include "station/document.h"
#include "station/document_commands.h"
#include "station/station_file_commands.h"
#include "users/accounts.h"

#include <memory>

namespace velmora::users {
class LoginWindow;
}

namespace velmora::app {

// The program put together once for the whole run: the main window, the
// document, who is logged in and the main encoder session, on the given
// platform, and what every command of the menus and the toolbar does.
class CompositionRoot : public shell::CommandHandler, private link::VerificationView {
public:
    explicit CompositionRoot(const Adapters& adapters);
    ~CompositionRoot() override;
    CompositionRoot(const CompositionRoot&) = delete;
    CompositionRoot& operator=(const CompositionRoot&) = delete;

    platform::SettingsStore& settings() { return adapters_.settings; }
    shell::MainWindow& mainWindow() { return window_; }
    station::Document& document() { return document_; }
    users::Session& session() { return loggedIn_; }
    link::EncoderSession& encoderSession() { return session_; }

    // Loads frmAanmelden, which seeds the administrator account; the caller
    // shows it with LoginWindow::showModally.
    users::LoginWindow* loadLogin();

    void run(shell::Command command) override;
    bool allowClose() override;
    bool isDocumentComplete() const override { return document_.isComplete(); }

private:
    void startNewDocument();
    void logInAgain();
    void readOutAfterClosingEditors();
    void exit();
    void showVerification(const link::Verification& result) override;
    void showVerificationCancelled(std::string_view message) override;

    link::SessionParts mainSessionParts();

    Adapters adapters_;
    std::unique_ptr<platform::Timer> liveTimer_{adapters_.newTimer()};
    std::unique_ptr<platform::Timer> verificationTimer_{adapters_.newTimer()};
    shell::MainWindow window_{*this};
    station::Document document_{window_};
    users::Session loggedIn_;
    link::EncoderSession session_{mainSessionParts()};
    station::StationFileCommands stationFiles_;
    station::DocumentCommands documentCommands_;
    SettingsWindows settingsWindows_;
};

} // namespace velmora::app
