#pragma once

#include "app/adapters.h"
#include "editors/set_editor.h"
#include "editors/verification_window.h"
#include "link/encoder_session.h"
#include "shell/main_window.h"
#include "station/document.h"
#include "users/accounts.h"

#include <QString>

namespace velmora::app {

// Opens the windows of the Settings and Window menus, each with only what it
// works on. A child window that is open already comes to the front as it is.
class SettingsWindows {
public:
    SettingsWindows(const Adapters& adapters, shell::MainWindow& mainWindow,
                    station::Document& document, const users::Session& loggedIn,
                    link::EncoderSession& session)
        : adapters_(adapters), mainWindow_(mainWindow), document_(document), loggedIn_(loggedIn),
          session_(session) {}

    // The programme service or radiotext editor.
    void openSetEditor(const editors::SetEditorForm& form);
    void openDecoderWindow();
    void openPiWindow();
    void openOverview();
    void openComPortWindow();
    void openLiveWindow();
    // "Controle", opened or brought to the front, showing this result.
    void showVerification(const link::Verification& result);
    void showVerificationCancelled(std::string_view message);
    // "&Gebruiker toevoegen": the user editor, empty when it opens.
    void openUserEditorToAdd();
    // "Huidige gebruiker aanpassen": the user editor with the current account.
    void openUserEditorForCurrentUser();
    // "&Opties", modal.
    void showOptions();

private:
    editors::VerificationWindow* openVerificationWindow();
    QWidget* openUserEditor(const QString& title);

    const Adapters& adapters_;
    shell::MainWindow& mainWindow_;
    station::Document& document_;
    const users::Session& loggedIn_;
    link::EncoderSession& session_;
};

} // namespace velmora::app
