#include "shell/options_window.h"

#include "platform/qt/windows1252.h"
#include "settings/options.h"
#include "users/window_title.h"
#include "widgets/named_controls.h"
#include "widgets/twips.h"
#include "widgets/warning_window.h"
#include "widgets/windows1252_text_box.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::shell {

OptionsWindow::OptionsWindow(platform::SettingsStore& settings, const users::Session& session,
                             users::MainWindowView& mainWindow, QWidget* parent)
    : QDialog(parent), settings_(settings), session_(session), mainWindow_(mainWindow),
      titleBar_(widgets::windows1252TextBox(u"txtTitelbalk"_s, 0, this)) {
    setObjectName(u"frmOpties"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Opties"_s);
    setFixedSize(widgets::twipsToSize(6135, 1590, this));

    QPushButton* ok = widgets::namedButton(u"cmdOk"_s, u"&Ok"_s, this);
    QPushButton* apply = widgets::namedButton(u"cmdToepassen"_s, u"&Toepassen"_s, this);
    QPushButton* cancel = widgets::namedButton(u"cmdAnnuleren"_s, u"&Annuleren"_s, this);
    ok->setToolTip(u"Instellingen toepassen en terugkeren."_s);
    apply->setToolTip(u"Instellingen toepassen."_s);
    cancel->setToolTip(u"Instellingen ongewijzicht laten en terugkeren."_s);
    titleBar_->setToolTip(u"Tekst die bovenin de titelbalk van het programma zal verschijnen."_s);
    titleBar_->setText(platform::fromWindows1252(settings::readOptions(settings_).titleBarText));
    titleBar_->setCursorPosition(0);

    auto* text = new QHBoxLayout;
    text->addWidget(widgets::namedLabel(u"Label2"_s, u"Titelbalktekst"_s, titleBar_));
    text->addWidget(titleBar_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(text);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(ok, apply);
    setTabOrder(apply, cancel);
    setTabOrder(cancel, titleBar_);
    ok->setFocus();

    connect(ok, &QPushButton::clicked, this, &OptionsWindow::confirm);
    connect(apply, &QPushButton::clicked, this, &OptionsWindow::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsWindow::showModal(platform::SettingsStore& settings, const users::Session& session,
                              users::MainWindowView& mainWindow) {
    auto* window = new OptionsWindow(settings, session, mainWindow);
    window->exec();
}

std::string OptionsWindow::titleBarText() const {
    return platform::toWindows1252(titleBar_->text());
}

bool OptionsWindow::storeTitleBarText(const std::string& text) {
    const platform::Status status = settings::writeTitleBarText(settings_, text);
    if (!status.ok()) {
        widgets::warnSettingsNotSaved(status.reason());
    }
    return status.ok();
}

void OptionsWindow::confirm() {
    const std::string text = titleBarText();
    if (!storeTitleBarText(text)) {
        return;
    }
    if (const auto title = users::titleAfterOptionsConfirmed(text, session_.currentUser)) {
        mainWindow_.setTitle(*title);
    }
    accept();
}

void OptionsWindow::apply() {
    const std::string text = titleBarText();
    if (storeTitleBarText(text)) {
        mainWindow_.setTitle(users::titleAfterOptionsApplied(text));
    }
}

} // namespace velmora::shell
