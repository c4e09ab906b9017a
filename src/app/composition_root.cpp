#include "app/composition_root.h"

#include "editors/group_result_window.h"
#include "editors/verification_window.h"
#include "settings/port_setting.h"
#include "settings/settings_schema.h"
#include "shell/options_window.h"
#include "users/account_editing.h"
#include "users/window_title.h"
#include "users/windows/login_window.h"
#include "users/windows/user_editor_window.h"
#include "widgets/warning_window.h"

#include <variant>

using namespace Qt::StringLiterals;

namespace velmora::app {

using shell::Command;

CompositionRoot::CompositionRoot(const Adapters& adapters)
    : adapters_(adapters),

      stationFiles_(document_, adapters_.fileDialogs, adapters_.fileStore, adapters_.settings,
                    window_),
      documentCommands_(document_, stationFiles_, window_) {
    QObject::connect(&window_.sessionDisplay(), &shell::SessionDisplay::progressClosedByUser,
                     &window_, [this] { session_.progressClosedByUser(); });
    window_.sessionDisplay().showConnectionState(session_.state());
    session_.addListener(journal_);
}

// The child windows go first: they show parts of the session and the
// document, which go before the main window does.
CompositionRoot::~CompositionRoot() {
    window_.deleteChildWindows();
}

link::SessionParts CompositionRoot::mainSessionParts() {
    return {
        .line = adapters_.serialLine,
        .timers = {.supervision = adapters_.supervisionTimer,
                   .pacing = adapters_.pacingTimer,
                   .verification = *verificationTimer_},
        .view = window_.sessionDisplay(),
        .verificationView = *this,
        .portToOpen =
            [this](int numberInForce) {
                return settings::portNumberToOpen(adapters_.settings, numberInForce);
            },
        .verifiesAfterFill =
            [this] { return settings::readFlag(adapters_.settings, settings::kVerifyAfterFill); },
        .readOut = link::ReadOutTarget{document_, adapters_.settings},
        .live = link::LiveParts{*liveTimer_, adapters_.liveFile, adapters_.settings},
        .reconnect =
            link::ReconnectParts{*reconnectionTimer_, [this] {
                                     return settings::reconnectsAfterLoss(adapters_.settings);
                                 }}};
}

users::LoginWindow* CompositionRoot::loadLogin() {
    return users::LoginWindow::load(
        {.settings = adapters_.settings,
         .passwords = adapters_.passwords,
         .document = document_,
         .session = loggedIn_,
         .mainWindow = window_,
         .openLinkedFile = [this] { stationFiles_.GekoppeldBestandOpenen(); }});
}

void CompositionRoot::run(Command command) {
    const CommandAction action = actionOf(command);
    if (const auto* window = std::get_if<const ChildWindow*>(&action)) {
        openChildWindow(**window, windows_);
    } else {
        std::get<void (*)(CompositionRoot&)>(action)(*this);
    }
}

void CompositionRoot::startNewDocument() {
    window_.setTitle(users::titleOfNewDocument());
    documentCommands_.startNewDocument();
    window_.applyAccountItems(users::accountItemsAfterNewDocument());
    loggedIn_.currentUser.clear();
}

// The document is emptied and nobody is logged in; the file name stays for
// the login to decide, and the document is not modified afterwards.
void CompositionRoot::logInAgain() {
    closeChildWindows(&ChildWindow::closesOnRelogin);
    documentCommands_.emptyForRelogin();
    loggedIn_.currentUser.clear();
    loadLogin()->showModally();
}

void CompositionRoot::fill() {
    session_.startFill(link::fillContentOf(document_, adapters_.settings));
}

void CompositionRoot::verify() {
    session_.startVerification(link::fillContentOf(document_, adapters_.settings));
}

void CompositionRoot::readOutAfterClosingEditors() {
    closeChildWindows(&ChildWindow::closesBeforeReadOut);
    session_.startReadOut();
}

void CompositionRoot::fillAllEncoders() {
    runForAllEncoders(settings::readFlag(adapters_.settings, settings::kVerifyAfterFill)
                          ? link::JobTask::FillAndVerify
                          : link::JobTask::Fill);
}

void CompositionRoot::verifyAllEncoders() {
    runForAllEncoders(link::JobTask::Verify);
}

// Nothing goes out without both sets, which would blank every name on the air.
void CompositionRoot::runForAllEncoders(link::JobTask task) {
    auto* window =
        static_cast<editors::GroupResultWindow*>(openChildWindow(windows::kGroupResult, windows_));
    std::vector<link::GroupMember> members = link::membersTakingPart(adapters_.settings);
    if (!document_.isComplete()) {
        window->showNote(u"Het document heeft geen namen en teksten; er is niets verstuurd."_s);
    } else if (members.empty()) {
        window->showNote(u"Er doet geen zender mee. De beheerder stelt ze in onder "
                         u"Instellingen, Zenders."_s);
    } else if (!groupRunner_.start(std::move(members), task,
                                   link::fillContentOf(document_, adapters_.settings),
                                   link::Origin::Group)) {
        window->showNote(u"Er loopt al een opdracht voor alle zenders; wacht tot die klaar is."_s);
    }
}

void CompositionRoot::closeChildWindows(ClosingMoment closes) {
    for (const ChildWindow* window : childWindows()) {
        if (window->*closes) {
            window_.closeChildWindow(window->name.toString());
        }
    }
}

// An editor that is open already keeps its boxes; only the title changes.
QWidget* CompositionRoot::openUserEditor(const QString& title) {
    QWidget* editor = openChildWindow(windows::kUserEditor, windows_);
    editor->setWindowTitle(title);
    return editor;
}

void CompositionRoot::openUserEditorToAdd() {
    openUserEditor(u"Gebruiker toevoegen"_s);
}

void CompositionRoot::openUserEditorForCurrentUser() {
    static_cast<users::UserEditorWindow*>(openUserEditor(u"Gebruiker aanpassen"_s))
        ->showAccount(users::readAccount(adapters_.settings, loggedIn_.currentUser));
}

void CompositionRoot::showOptions() {
    shell::OptionsWindow::showModal(adapters_.settings, loggedIn_, window_);
}

// "Afsluiten" lets go of the encoder first, also when the save prompt then
// keeps the program open; the display follows the closed port.
void CompositionRoot::exit() {
    session_.closePortWithoutNotice();
    window_.close();
}

bool CompositionRoot::allowClose() {
    if (!documentCommands_.mayEnd()) {
        return false;
    }
    closeChildWindows(&ChildWindow::closesOnRelogin);
    widgets::closeMessageWindows();
    session_.closePortWithoutNotice();
    return true;
}

void CompositionRoot::showVerification(const link::Verification& result) {
    static_cast<editors::VerificationWindow*>(openChildWindow(windows::kVerification, windows_))
        ->showResult(result);
}

void CompositionRoot::showVerificationCancelled(std::string_view message) {
    static_cast<editors::VerificationWindow*>(openChildWindow(windows::kVerification, windows_))
        ->showCancelled(message);
}

} // namespace velmora::app
