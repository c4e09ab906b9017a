#pragma once

#include "platform/settings_store.h"
#include "users/accounts.h"

#include <QDialog>

class QLineEdit;

namespace velmora::shell {

// frmOpties: the title-bar text, kept exactly as typed, and the main
// window's caption composed from it. Deleted when closed.
class OptionsWindow : public QDialog {
    Q_OBJECT

public:
    OptionsWindow(platform::SettingsStore& settings, const users::Session& session,
                  users::MainWindowView& mainWindow, QWidget* parent = nullptr);

    // Loads the window and shows it modally with no owner; returns when it
    // has been closed.
    static void showModal(platform::SettingsStore& settings, const users::Session& session,
                          users::MainWindowView& mainWindow);

private:
    // Writes the text; false, after a message, when the store refused it.
    bool storeTitleBarText(const std::string& text);
    void confirm();
    void apply();
    std::string titleBarText() const;

    platform::SettingsStore& settings_;
    const users::Session& session_;
    users::MainWindowView& mainWindow_;
    QLineEdit* titleBar_;
};

} // namespace velmora::shell
