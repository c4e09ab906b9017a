#pragma once

#include "app/adapters.h"
#include "app/catalogue.h"
#include "link/encoder_session.h"
#include "link/group_runner.h"
#include "link/journal.h"
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
// platform. What each command of the menus and the toolbar does is in the
// catalogue; the steps it takes are here.
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
    // The log of what reaches the encoder, for anything else to record to.
    link::Journal& journal() { return journal_; }
    planning::Planner& planner() { return planner_; }
    station::StationFileCommands& stationFiles() { return stationFiles_; }
    station::DocumentCommands& documentCommands() { return documentCommands_; }

    // Loads frmAanmelden, which seeds the administrator account; the caller
    // shows it with LoginWindow::showModally.
    users::LoginWindow* loadLogin();

    void run(shell::Command command) override;
    bool allowClose() override;
    bool isDocumentComplete() const override { return document_.isComplete(); }

    // The steps the commands take.
    // "&Nieuw...": nobody is logged in afterwards.
    void startNewDocument();
    void logInAgain();
    void exit();
    // The document and the "Decoder" keys to the encoder, or compared with it.
    void fill();
    void verify();
    void readOutAfterClosingEditors();
    // The document and the "Decoder" keys to every encoder of the list that
    // takes part, or compared with each; the result window shows how it goes.
    void fillAllEncoders();
    void verifyAllEncoders();
    // "&Gebruiker toevoegen": the user editor as it is, empty when it opens.
    void openUserEditorToAdd();
    // "Huidige gebruiker aanpassen": the user editor with the current account.
    void openUserEditorForCurrentUser();
    // "&Opties", modal.
    void showOptions();

private:
    link::SessionParts mainSessionParts();
    void runForAllEncoders(link::JobTask task);
    void closeChildWindows(ClosingMoment closes);
    QWidget* openUserEditor(const QString& title);
    void showVerification(const link::Verification& result) override;
    void showVerificationCancelled(std::string_view message) override;

    Adapters adapters_;
    link::Journal journal_{adapters_.logFile, adapters_.clock};
    std::unique_ptr<platform::Timer> liveTimer_{adapters_.newTimer()};
    std::unique_ptr<platform::Timer> verificationTimer_{adapters_.newTimer()};
    std::unique_ptr<platform::Timer> reconnectionTimer_{adapters_.newTimer()};
    shell::MainWindow window_{*this};
    station::Document document_{window_};
    users::Session loggedIn_;
    link::EncoderSession session_{mainSessionParts()};
    link::GroupRunner groupRunner_{
        {.newLine = adapters_.newLine,
         .newTimer = adapters_.newTimer,
         .isPortHeld = [this](int port) { return session_.heldPort() == port; },
         .record = [this](std::string_view line) { journal_.record(line); }}};
    std::unique_ptr<platform::Timer> planningTimer_{adapters_.newTimer()};
    planning::Planner planner_{
        {.session = session_,
         .group = groupRunner_,
         .timer = *planningTimer_,
         .clock = adapters_.clock,
         .files = adapters_.fileStore,
         .settings = adapters_.settings,
         .record = [this](std::string_view line) { journal_.record(line); }}};
    station::StationFileCommands stationFiles_;
    station::DocumentCommands documentCommands_;
    WindowContext windows_{adapters_, document_, loggedIn_, session_,
                           planner_,  window_,   journal_,  groupRunner_};
};

} // namespace velmora::app
