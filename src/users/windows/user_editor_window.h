#pragma once

#include "platform/file_dialogs.h"
#include "platform/settings_store.h"
#include "users/account_editing.h"

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace velmora::users {

// frmGebruiker, the user editor: a child window that writes an account's
// password and linked station file. The command that opens it sets its
// title. "&Toepassen" has no command of its own.
class UserEditorWindow : public QWidget {
    Q_OBJECT

public:
    UserEditorWindow(platform::SettingsStore& store, platform::FileDialogs& dialogs,
                     QWidget* parent = nullptr);

    // "Huidige gebruiker aanpassen": the boxes show the stored account.
    void showAccount(const AccountFields& account);

private:
    AccountFields fields() const;
    void applyButtonRule();
    void confirm();
    void browse();

    platform::SettingsStore& store_;
    platform::FileDialogs& dialogs_;
    QLineEdit* userName_;
    QLineEdit* password_;
    QLineEdit* confirmation_;
    QLineEdit* linkedFile_;
    QPushButton* browseButton_;
    QPushButton* okButton_;
    QPushButton* applyButton_;
    QPushButton* cancelButton_;
};

} // namespace velmora::users
