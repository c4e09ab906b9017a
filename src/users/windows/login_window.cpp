#include "users/windows/login_window.h"

#include "platform/qt/windows1252.h"
#include "shell/main_toolbar.h"
#include "shell/main_window.h"
#include "users/account_windows.h"
#include "users/windows/login_window_picture.h"
#include "widgets/warning_window.h"
#include "widgets/windows1252_text_box.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

using namespace Qt::StringLiterals;

namespace velmora::users {

namespace {

constexpr int kMaxFieldLength = 10;

QLabel* sentence(const QString& objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

QLabel* caption(const QString& objectName, const QString& text, QLineEdit* buddy) {
    auto* label = sentence(objectName, text);
    label->setBuddy(buddy);
    return label;
}

// The menu items and toolbar entries that follow the kind of account.
struct AccountItem {
    QStringView menuItem;
    QStringView toolbarKey; // empty: the item has no toolbar entry of its own
    bool AccountItems::*state;
};

constexpr std::array kAccountItems{
    AccountItem{u"mnuBestand_nieuw", u"Nieuw", &AccountItems::newDocument},
    AccountItem{u"mnuInstellinge_gebruikers_huidigegebruikeraanpassen", u"",
                &AccountItems::editCurrentUser},
    AccountItem{u"mnuInstellingen_compoort", u"", &AccountItems::comPort},
    AccountItem{u"mnuInstellingen_opties", u"Opties", &AccountItems::options},
};

} // namespace

LoginWindow::LoginWindow(shell::MainWindow& mainWindow, LinkedFileOpener openLinkedFile)
    : mainWindow_(mainWindow), openLinkedFile_(std::move(openLinkedFile)),
      login_(mainWindow.settings(), mainWindow.document(), mainWindow.session(), *this),
      userName_(widgets::windows1252TextBox(u"txtGebruikersnaam"_s, kMaxFieldLength, this)),
      password_(widgets::windows1252TextBox(u"txtWachtwoord"_s, kMaxFieldLength, this)),
      logInButton_(new QPushButton(u"&Aanmelden"_s, this)),
      cancelButton_(new QPushButton(u"A&nnuleren"_s, this)) {
    setObjectName(u"frmAanmelden"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Velmora"_s);
    widgets::showAsPassword(*password_);
    logInButton_->setObjectName(u"cmdAanmelden"_s);
    cancelButton_->setObjectName(u"cmdAnnuleren"_s);

    auto* picture = new QLabel;
    picture->setObjectName(u"Image1"_s);
    picture->setPixmap(loginPicture());
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* frame = new QGroupBox(u"Aanmelden"_s, this);
    frame->setObjectName(u"Frame1"_s);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(2, 1);
    grid->addWidget(picture, 0, 0, 5, 1);
    grid->addWidget(
        sentence(u"Label1"_s, u"Meld u aan met de door u gekozen Gebruikersnaam en Wachtwoord."_s),
        0, 1, 1, 2);
    grid->addWidget(
        sentence(u"Label2"_s,
                 u"Hierdoor zullen automatisch u persoonlijke instellingen worden opgehaald."_s),
        1, 1, 1, 2);
    grid->addWidget(sentence(u"Label3"_s,
                             u"Mocht u nog geen Gebruikersnaam en Wachtwoord hebben klik dan op"_s),
                    2, 1, 1, 2);
    grid->addWidget(sentence(u"Label4"_s, u"Annuleren om te starten in een nieuw scherm."_s), 3, 1,
                    1, 2);
    grid->setRowMinimumHeight(4, 12);
    grid->addWidget(caption(u"Label5"_s, u"Gebruikersnaam"_s, userName_), 5, 1);
    grid->addWidget(userName_, 5, 2, Qt::AlignLeft);
    grid->addWidget(caption(u"Label6"_s, u"Wachtwoord"_s, password_), 6, 1);
    grid->addWidget(password_, 6, 2, Qt::AlignLeft);
    // Room for the ten characters a box takes, and a little more.
    for (QLineEdit* box : {userName_, password_}) {
        box->setFixedWidth(box->fontMetrics().averageCharWidth() * 2 * kMaxFieldLength);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(logInButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    setTabOrder(userName_, password_);
    setTabOrder(password_, logInButton_);
    setTabOrder(logInButton_, cancelButton_);
    userName_->setFocus();

    userName_->installEventFilter(this);
    password_->installEventFilter(this);
    connect(logInButton_, &QPushButton::clicked, this, &LoginWindow::logIn);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { login_.cancel(); });
}

LoginWindow* LoginWindow::load(shell::MainWindow& mainWindow, LinkedFileOpener openLinkedFile) {
    auto* window = new LoginWindow(mainWindow, std::move(openLinkedFile));
    if (const platform::Status seeded = window->login_.seedAdministrator(); !seeded.ok()) {
        warnSettingsNotSaved(seeded.reason());
    }
    return window;
}

void LoginWindow::showModally() {
    setWindowModality(Qt::ApplicationModal);
    show();
}

void LoginWindow::reject() {
    if (mainWindow_.isVisible()) {
        QDialog::reject();
    } else {
        login_.cancel();
    }
}

bool LoginWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            logIn();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// A successful attempt closes this window and may then show a message, whose
// event loop can carry out the deletion that closing asked for, while the
// login rules held here are still at work. So the window goes only once the
// attempt is over.
void LoginWindow::logIn() {
    setAttribute(Qt::WA_DeleteOnClose, false);
    login_.logIn(platform::toWindows1252(userName_->text()),
                 platform::toWindows1252(password_->text()));
    if (isVisible()) {
        setAttribute(Qt::WA_DeleteOnClose);
    } else {
        deleteLater();
    }
}

void LoginWindow::showWarning(std::string_view message) {
    widgets::WarningWindow::showMessage(platform::fromWindows1252(message));
}

// The main window is shown before the login window goes, so that at no
// moment no window of the program is visible.
void LoginWindow::leaveLogin() {
    if (!mainWindow_.isVisible()) {
        mainWindow_.showAsStarted();
    }
    done(Accepted);
}

void LoginWindow::setMainTitle(std::string_view title) {
    mainWindow_.setWindowTitle(platform::fromWindows1252(title));
}

void LoginWindow::setAccountItems(const AccountItems& items) {
    for (const AccountItem& item : kAccountItems) {
        const bool enabled = items.*item.state;
        mainWindow_.menuItem(item.menuItem.toString())->setEnabled(enabled);
        if (!item.toolbarKey.isEmpty()) {
            mainWindow_.toolBar().entry(item.toolbarKey)->setEnabled(enabled);
        }
    }
}

void LoginWindow::openLinkedFile() {
    openLinkedFile_();
}

} // namespace velmora::users
