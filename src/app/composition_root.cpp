#include "app/composition_root.h"

#include "shell/info_window.h"
#include "users/window_title.h"
#include "users/windows/login_window.h"
#include "widgets/warning_window.h"
#include "widgets/window_names.h"

#include <array>

namespace velmora::app {

using shell::Command;

namespace {

// The windows that a re-login and the end of the run close, so that none of
// them outlives what it shows.
const std::array kSettingsWindows{
    widgets::kComPortWindow.toString(),          widgets::kDecoderWindow.toString(),
    widgets::kUserEditorWindow.toString(),       widgets::kOverviewWindow.toString(),
    widgets::kProgrammeServiceWindow.toString(), widgets::kRadiotextWindow.toString(),
    widgets::kVerificationWindow.toString()};

// The windows a read-out from the toolbar closes first, in this order, so that
// none of them shows stale settings afterwards.
const std::array kEditorsClosedBeforeReadOut{
    widgets::kOverviewWindow.toString(), widgets::kProgrammeServiceWindow.toString(),
    widgets::kRadiotextWindow.toString(), widgets::kDecoderWindow.toString()};

} // namespace

CompositionRoot::CompositionRoot(const Adapters& adapters)
    : adapters_(adapters),

      stationFiles_(document_, adapters_.fileDialogs, adapters_.fileStore, adapters_.settings,
                    window_),
      documentCommands_(document_, stationFiles_, window_),
      settingsWindows_(adapters_, window_, document_, loggedIn_, session_) {
    QObject::connect(&window_.sessionDisplay(), &shell::SessionDisplay::progressClosedByUser,
                     &window_, [this] { session_.progressClosedByUser(); });
    window_.sessionDisplay().showConnectionState(session_.state());
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
        .portSetting =
            [this] { return adapters_.settings.GetSetting(link::kPortSection, link::kPortKey); },
        .verifiesAfterFill =
            [this] {
                return adapters_.settings.GetSetting(link::kVerificationSection,
                                                     link::kVerifyAfterFillKey) == "1";
            },
        .readOut = link::ReadOutTarget{document_, adapters_.settings},
        .live = link::LiveParts{*liveTimer_, adapters_.liveFile, adapters_.settings}};
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
    switch (command) {
    case Command::NewDocument:
        startNewDocument();
        break;
    case Command::OpenFile:
        stationFiles_.BestandOpenen();
        break;
    case Command::CloseWindow:
        window_.closeActiveWindow();
        break;
    case Command::Save:
        (void)documentCommands_.save();
        break;
    case Command::SaveAs:
        (void)stationFiles_.BestandOpslaanAls();
        break;
    case Command::PrintPreview:
    case Command::Print:
        // Printing is not offered: both items stay disabled.
        break;
    case Command::LogInAgain:
        logInAgain();
        break;
    case Command::Exit:
        exit();
        break;
    case Command::Fill:
        session_.startFill(link::fillContentOf(document_, adapters_.settings));
        break;
    case Command::ReadOut:
        session_.startReadOut();
        break;
    case Command::ToggleConnection:
        session_.toggleConnection();
        break;
    case Command::ReadOutAfterClosingEditors:
        readOutAfterClosingEditors();
        break;
    case Command::ComPort:
        settingsWindows_.openComPortWindow();
        break;
    case Command::Radiotext:
        settingsWindows_.openSetEditor(editors::kRadiotextForm);
        break;
    case Command::ProgrammeService:
        settingsWindows_.openSetEditor(editors::kProgrammeServiceForm);
        break;
    case Command::DecoderInformation:
        settingsWindows_.openDecoderWindow();
        break;
    case Command::ProgrammeIdentification:
        settingsWindows_.openPiWindow();
        break;
    case Command::AddUser:
        settingsWindows_.openUserEditorToAdd();
        break;
    case Command::EditCurrentUser:
        settingsWindows_.openUserEditorForCurrentUser();
        break;
    case Command::Options:
        settingsWindows_.showOptions();
        break;
    case Command::Overview:
        settingsWindows_.openOverview();
        break;
    case Command::Cascade:
        window_.cascadeChildWindows();
        break;
    case Command::About:
        shell::InfoWindow::showModal();
        break;
    case Command::Verify:
        session_.startVerification(link::fillContentOf(document_, adapters_.settings));
        break;
    case Command::LiveRadiotext:
        settingsWindows_.openLiveWindow();
        break;
    }
}

// Nobody is logged in afterwards.
void CompositionRoot::startNewDocument() {
    window_.setTitle(users::titleOfNewDocument());
    documentCommands_.startNewDocument();
    window_.applyAccountItems(users::accountItemsAfterNewDocument());
    loggedIn_.currentUser.clear();
}

// The document is emptied and nobody is logged in; the file name stays for
// the login to decide, and the document is not modified afterwards.
void CompositionRoot::logInAgain() {
    window_.closeChildWindows(kSettingsWindows);
    documentCommands_.emptyForRelogin();
    loggedIn_.currentUser.clear();
    loadLogin()->showModally();
}

void CompositionRoot::readOutAfterClosingEditors() {
    window_.closeChildWindows(kEditorsClosedBeforeReadOut);
    session_.startReadOut();
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
    window_.closeChildWindows(kSettingsWindows);
    widgets::closeMessageWindows();
    session_.closePortWithoutNotice();
    return true;
}

void CompositionRoot::showVerification(const link::Verification& result) {
    settingsWindows_.showVerification(result);
}

void CompositionRoot::showVerificationCancelled(std::string_view message) {
    settingsWindows_.showVerificationCancelled(message);
}

} // namespace velmora::app
