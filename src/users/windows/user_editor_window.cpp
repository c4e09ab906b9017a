#include "users/windows/user_editor_window.h"

#include "platform/qt/windows1252.h"
#include "settings/options.h"
#include "station/path_text.h"
#include "station/station_file.h"
#include "users/stored_password.h"
#include "widgets/editor_buttons.h"
#include "widgets/named_controls.h"
#include "widgets/storable_file_choice.h"
#include "widgets/warning_window.h"
#include "widgets/windows1252_text_box.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::users {

namespace {

// The Browse dialog: station files only, starting in the browse folder of
// the options, or else in the default station folder.
constexpr std::string_view kDialogTitle = "Velmora";

QString textOf(const std::string& windows1252) {
    return platform::fromWindows1252(windows1252);
}

std::string textOf(const QLineEdit* box) {
    return platform::toWindows1252(box->text());
}

} // namespace

UserEditorWindow::UserEditorWindow(platform::SettingsStore& store,
                                   const platform::PasswordHashing& passwords,
                                   platform::FileDialogs& dialogs, QWidget* parent)
    : QWidget(parent), store_(store), passwords_(passwords), dialogs_(dialogs),
      userName_(widgets::windows1252TextBox(u"txtGebruikersnaam"_s, kLongestAccountText, this)),
      password_(widgets::windows1252TextBox(u"txtWachtwoord"_s, kLongestAccountText, this)),
      confirmation_(widgets::windows1252TextBox(u"txtBevestiging"_s, kLongestAccountText, this)),
      linkedFile_(new QLineEdit(this)),
      browseButton_(widgets::namedButton(u"cmdBladeren"_s, u"Bladeren"_s, this)) {
    widgets::showAsPassword(*password_);
    widgets::showAsPassword(*confirmation_);
    linkedFile_->setObjectName(u"txtBestand"_s);
    linkedFile_->setReadOnly(true);

    auto* frame = new QGroupBox(u"Persoonlijke instellingen"_s, this);
    frame->setObjectName(u"Frame1"_s);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    grid->addWidget(widgets::namedLabel(u"Label2"_s, u"Gebruikersnaam"_s, userName_), 0, 0);
    grid->addWidget(userName_, 0, 1);
    grid->addWidget(widgets::namedLabel(u"Label3"_s, u"Wachtwoord"_s, password_), 1, 0);
    grid->addWidget(password_, 1, 1);
    grid->addWidget(widgets::namedLabel(u"Label4"_s, u"Wachtwoord bevestiging"_s, confirmation_), 2,
                    0);
    grid->addWidget(confirmation_, 2, 1);
    grid->addWidget(widgets::namedLabel(u"Label5"_s, u"Te gebruiken bestand"_s, linkedFile_), 3, 0);
    grid->addWidget(linkedFile_, 3, 1);
    grid->addWidget(browseButton_, 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    buttons_ = widgets::addEditorButtons(
        *this, *layout, [this] { return writeAccount(); }, widgets::ApplyButton::DoesNothing);
    linkedFile_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);

    setTabOrder(userName_, password_);
    setTabOrder(password_, confirmation_);
    setTabOrder(confirmation_, buttons_.cancel);
    setTabOrder(buttons_.cancel, buttons_.ok);
    setTabOrder(buttons_.ok, buttons_.apply);
    setTabOrder(buttons_.apply, browseButton_);
    setTabOrder(browseButton_, linkedFile_);
    userName_->setFocus();

    for (QLineEdit* box : {userName_, password_, confirmation_, linkedFile_}) {
        connect(box, &QLineEdit::textChanged, this, &UserEditorWindow::applyButtonRule);
    }
    password_->installEventFilter(this);
    confirmation_->installEventFilter(this);
    connect(browseButton_, &QPushButton::clicked, this, &UserEditorWindow::browse);
    applyButtonRule();
}

void UserEditorWindow::showAccount(const AccountFields& account) {
    storedPassword_ = account.storedPassword;
    userName_->setText(textOf(account.userName));
    password_->setText(textOf(account.password));
    confirmation_->setText(textOf(account.confirmation));
    linkedFile_->setText(textOf(account.linkedFile));
}

// setText leaves a box unmodified; only the user's editing modifies it.
bool UserEditorWindow::holdsStoredPassword() const {
    return storedPassword_ && !password_->isModified() && !confirmation_->isModified();
}

bool UserEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress && box != nullptr && storedPassword_ &&
        !box->isModified()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool edits = (!key->text().isEmpty() && key->text().front().isPrint()) ||
                           key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        if (edits) {
            box->clear();
            box->setModified(true);
        }
    }
    return QWidget::eventFilter(watched, event);
}

AccountFields UserEditorWindow::fields() const {
    return AccountFields{.userName = textOf(userName_),
                         .password = textOf(password_),
                         .confirmation = textOf(confirmation_),
                         .linkedFile = textOf(linkedFile_),
                         .storedPassword = holdsStoredPassword() ? storedPassword_ : std::nullopt};
}

void UserEditorWindow::applyButtonRule() {
    const bool enabled = canConfirm(fields());
    buttons_.ok->setEnabled(enabled);
    buttons_.apply->setEnabled(enabled);
}

// Whether the editor may close: also after passwords that differ, which only
// the warning reports. A store that cannot be written keeps it open with
// everything typed, so the user can try again.
bool UserEditorWindow::writeAccount() {
    std::string reason;
    const AccountSaveResult result = saveAccount(store_, passwords_, fields(), reason);
    switch (result) {
    case AccountSaveResult::PasswordsDiffer:
        widgets::showWarning(kPasswordMismatchMessage);
        break;
    case AccountSaveResult::StoreFailed:
        widgets::warnSettingsNotSaved(reason);
        break;
    case AccountSaveResult::Saved:
        break;
    }
    return result != AccountSaveResult::StoreFailed;
}

void UserEditorWindow::browse() {
    const std::optional<QString> chosen = widgets::askStorableFile(
        dialogs_,
        {.title = std::string(kDialogTitle),
         .filter = std::string(station::kStationFileBrowseFilter),
         .initialFolder = station::utf8PathFromText(settings::readOptions(store_).browseFolder),
         .initialFile = {}},
        u"gekoppeld"_s);
    if (chosen) {
        linkedFile_->setText(*chosen);
    }
}

} // namespace velmora::users
