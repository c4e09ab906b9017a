#pragma once

#include "platform/file_dialogs.h"
#include "platform/password_hashing.h"
#include "platform/settings_store.h"
#include "users/account_editing.h"
#include "widgets/editor_buttons.h"

#include <QWidget>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace velmora::users {

// frmGebruiker, the user editor: a child window that writes an account's
// password and linked station file. The command that opens it sets its
// title. "&Toepassen" has no command of its own.
class UserEditorWindow : public QWidget {
    Q_OBJECT

public:
    UserEditorWindow(platform::SettingsStore& store, const platform::PasswordHashing& passwords,
                     platform::FileDialogs& dialogs, QWidget* parent = nullptr);

    // "Huidige gebruiker aanpassen": the boxes show the stored account, its
    // password as a placeholder that stands for it until either box is edited.
    void showAccount(const AccountFields& account);

protected:
    // The first key that edits a password box holding the placeholder
    // starts it afresh, as if the box had been empty.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool holdsStoredPassword() const;
    AccountFields fields() const;
    void applyButtonRule();
    bool writeAccount();
    void browse();

    platform::SettingsStore& store_;
    const platform::PasswordHashing& passwords_;
    platform::FileDialogs& dialogs_;
    std::optional<std::string> storedPassword_;
    QLineEdit* userName_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
    QLineEdit* linkedFile_;
    QPushButton* browseButton_;
    widgets::EditorButtons buttons_{};
};

} // namespace velmora::users
