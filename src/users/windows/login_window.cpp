#include "users/windows/login_window.h"

#include "platform/qt/windows1252.h"
#include "users/stored_password.h"
#include "users/windows/login_window_picture.h"
#include "widgets/named_controls.h"
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

using namespace Qt::StringLiterals;

namespace velmora::users {

LoginWindow::LoginWindow(const LoginContext& context)
    : openLinkedFile_(context.openLinkedFile),
      login_(context.settings, context.passwords, context.document, context.session, *this,
             context.mainWindow),
      userName_(widgets::windows1252TextBox(u"txtGebruikersnaam"_s, kLongestAccountText, this)),
      password_(widgets::windows1252TextBox(u"txtWachtwoord"_s, kLongestAccountText, this)),
      logInButton_(widgets::namedButton(u"cmdAanmelden"_s, u"&Aanmelden"_s, this)),
      cancelButton_(widgets::namedButton(u"cmdAnnuleren"_s, u"A&nnuleren"_s, this)) {
    setObjectName(u"frmAanmelden"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Velmora"_s);
    widgets::showAsPassword(*password_);

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
        widgets::namedLabel(u"Label1"_s,
                            u"Meld u aan met de door u gekozen Gebruikersnaam en Wachtwoord."_s),
        0, 1, 1, 2);
    grid->addWidget(
        widgets::namedLabel(
            u"Label2"_s,
            u"Hierdoor zullen automatisch u persoonlijke instellingen worden opgehaald."_s),
        1, 1, 1, 2);
    grid->addWidget(
        widgets::namedLabel(u"Label3"_s,
                            u"Mocht u nog geen Gebruikersnaam en Wachtwoord hebben klik dan op"_s),
        2, 1, 1, 2);
    grid->addWidget(
        widgets::namedLabel(u"Label4"_s, u"Annuleren om te starten in een nieuw scherm."_s), 3, 1,
        1, 2);
    grid->setRowMinimumHeight(4, 12);
    grid->addWidget(widgets::namedLabel(u"Label5"_s, u"Gebruikersnaam"_s, userName_), 5, 1);
    grid->addWidget(userName_, 5, 2, Qt::AlignLeft);
    grid->addWidget(widgets::namedLabel(u"Label6"_s, u"Wachtwoord"_s, password_), 6, 1);
    grid->addWidget(password_, 6, 2, Qt::AlignLeft);
    // Room for the ten characters a box takes, and a little more.
    for (QLineEdit* box : {userName_, password_}) {
        box->setFixedWidth(box->fontMetrics().averageCharWidth() * 2 * kLongestAccountText);
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

LoginWindow* LoginWindow::load(const LoginContext& context) {
    auto* window = new LoginWindow(context);
    if (const platform::Status seeded = window->login_.seedAdministrator(); !seeded.ok()) {
        widgets::warnSettingsNotSaved(seeded.reason());
    }
    return window;
}

void LoginWindow::showModally() {
    setWindowModality(Qt::ApplicationModal);
    show();
}

void LoginWindow::reject() {
    login_.cancel();
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
    widgets::showWarning(message);
}

void LoginWindow::leaveLogin() {
    done(Accepted);
}

void LoginWindow::openLinkedFile() {
    openLinkedFile_();
}

} // namespace velmora::users
