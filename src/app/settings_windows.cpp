#include "app/settings_windows.h"

#include "editors/decoder_window.h"
#include "editors/live_window.h"
#include "editors/overview_window.h"
#include "editors/pi_window.h"
#include "editors/verification_window.h"
#include "shell/com_port_window.h"
#include "shell/options_window.h"
#include "users/account_editing.h"
#include "users/windows/user_editor_window.h"
#include "widgets/window_names.h"

using namespace Qt::StringLiterals;

namespace velmora::app {

void SettingsWindows::openSetEditor(const editors::SetEditorForm& form) {
    mainWindow_.openChildWindow(form.windowName.toString(),
                                [this, &form] { return new editors::SetEditor(form, document_); });
}

void SettingsWindows::openDecoderWindow() {
    mainWindow_.openChildWindow(widgets::kDecoderWindow.toString(),
                                [this] { return new editors::DecoderWindow(adapters_.settings); });
}

void SettingsWindows::openPiWindow() {
    mainWindow_.openChildWindow(widgets::kPiWindow.toString(), [this] {
        return new editors::PiWindow(session_, adapters_.newTimer());
    });
}

void SettingsWindows::openOverview() {
    mainWindow_.openChildWindow(widgets::kOverviewWindow.toString(), [this] {
        return new editors::OverviewWindow(document_, adapters_.settings);
    });
}

void SettingsWindows::openComPortWindow() {
    mainWindow_.openChildWindow(widgets::kComPortWindow.toString(),
                                [this] { return new shell::ComPortWindow(adapters_.settings); });
}

void SettingsWindows::openLiveWindow() {
    mainWindow_.openChildWindow(widgets::kLiveWindow.toString(), [this] {
        return new editors::LiveWindow(adapters_.settings, adapters_.fileDialogs,
                                       *session_.liveRadiotext());
    });
}

editors::VerificationWindow* SettingsWindows::openVerificationWindow() {
    return static_cast<editors::VerificationWindow*>(
        mainWindow_.openChildWindow(widgets::kVerificationWindow.toString(), [this] {
            return new editors::VerificationWindow(adapters_.settings);
        }));
}

void SettingsWindows::showVerification(const link::Verification& result) {
    openVerificationWindow()->showResult(result);
}

void SettingsWindows::showVerificationCancelled(std::string_view message) {
    openVerificationWindow()->showCancelled(message);
}

// An editor that is open already keeps its boxes; only the title changes.
QWidget* SettingsWindows::openUserEditor(const QString& title) {
    QWidget* editor = mainWindow_.openChildWindow(widgets::kUserEditorWindow.toString(), [this] {
        return new users::UserEditorWindow(adapters_.settings, adapters_.passwords,
                                           adapters_.fileDialogs);
    });
    editor->setWindowTitle(title);
    return editor;
}

void SettingsWindows::openUserEditorToAdd() {
    openUserEditor(u"Gebruiker toevoegen"_s);
}

void SettingsWindows::openUserEditorForCurrentUser() {
    static_cast<users::UserEditorWindow*>(openUserEditor(u"Gebruiker aanpassen"_s))
        ->showAccount(users::readAccount(adapters_.settings, loggedIn_.currentUser));
}

void SettingsWindows::showOptions() {
    shell::OptionsWindow::showModal(adapters_.settings, loggedIn_, mainWindow_);
}

} // namespace velmora::app
