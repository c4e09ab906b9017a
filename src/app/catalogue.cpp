#include "app/catalogue.h"

#include "app/composition_root.h"
#include "editors/decoder_window.h"
#include "editors/group_result_window.h"
#include "editors/live_window.h"
#include "editors/log_window.h"
#include "editors/overview_window.h"
#include "editors/pi_window.h"
#include "editors/planning_window.h"
#include "editors/preview_window.h"
#include "editors/set_editor.h"
#include "editors/verification_window.h"
#include "shell/com_port_window.h"
#include "shell/encoder_list_window.h"
#include "shell/info_window.h"
#include "users/windows/user_editor_window.h"

#include <array>
#include <cassert>
#include <utility>

using namespace Qt::StringLiterals;

namespace velmora::app {

using shell::Command;

namespace windows {
namespace {

constexpr bool kCloses = true;
constexpr bool kStays = false;

const ChildWindow kComPort{u"frmCompoort",
                           [](const WindowContext& c) -> QWidget* {
                               return new shell::ComPortWindow(c.adapters.settings);
                           },
                           kCloses, kStays};
const ChildWindow kEncoders{u"frmZenders",
                            [](const WindowContext& c) -> QWidget* {
                                return new shell::EncoderListWindow(c.adapters.settings);
                            },
                            kCloses, kStays};
const ChildWindow kOverview{u"frmOverzicht",
                            [](const WindowContext& c) -> QWidget* {
                                return new editors::OverviewWindow(c.document, c.adapters.settings);
                            },
                            kCloses, kCloses};
// Open to everybody. A re-login closes it with the document it shows; a
// read-out need not, as it follows the keys a read-out writes.
const ChildWindow kPreview{u"frmVoorbeeld",
                           [](const WindowContext& c) -> QWidget* {
                               return new editors::PreviewWindow(c.document, c.adapters.settings,
                                                                 c.adapters.newTimer());
                           },
                           kCloses, kStays};
const ChildWindow kProgrammeService{u"frmProgramma",
                                    [](const WindowContext& c) -> QWidget* {
                                        return new editors::SetEditor(
                                            editors::kProgrammeServiceForm, c.document);
                                    },
                                    kCloses, kCloses};
const ChildWindow kRadiotext{u"frmRadiotekst",
                             [](const WindowContext& c) -> QWidget* {
                                 return new editors::SetEditor(editors::kRadiotextForm, c.document);
                             },
                             kCloses, kCloses};
const ChildWindow kDecoder{u"frmDecoder_informatie",
                           [](const WindowContext& c) -> QWidget* {
                               return new editors::DecoderWindow(c.adapters.settings);
                           },
                           kCloses, kCloses};
const ChildWindow kPi{u"frmPi",
                      [](const WindowContext& c) -> QWidget* {
                          return new editors::PiWindow(c.session, c.adapters.newTimer());
                      },
                      kStays, kStays};
const ChildWindow kLive{u"frmLive",
                        [](const WindowContext& c) -> QWidget* {
                            return new editors::LiveWindow(c.adapters.settings,
                                                           c.adapters.fileDialogs,
                                                           *c.session.liveRadiotext());
                        },
                        kStays, kStays};
const ChildWindow kLog{
    u"frmLogboek",
    [](const WindowContext& c) -> QWidget* { return new editors::LogWindow(c.journal); }, kStays,
    kStays};
const ChildWindow kPlanning{u"frmPlanning",
                            [](const WindowContext& c) -> QWidget* {
                                return new editors::PlanningWindow(
                                    c.adapters.settings, c.adapters.fileDialogs, c.planner);
                            },
                            kStays, kStays};

} // namespace

const ChildWindow kUserEditor{u"frmGebruiker",
                              [](const WindowContext& c) -> QWidget* {
                                  return new users::UserEditorWindow(c.adapters.settings,
                                                                     c.adapters.passwords,
                                                                     c.adapters.fileDialogs);
                              },
                              kCloses, kStays};
const ChildWindow kVerification{u"frmControle",
                                [](const WindowContext& c) -> QWidget* {
                                    return new editors::VerificationWindow(c.adapters.settings);
                                },
                                kCloses, kStays};

// It shows runs that go on by themselves, whoever is logged in.
const ChildWindow kGroupResult{
    u"frmZendersResultaat",
    [](const WindowContext& c) -> QWidget* { return new editors::GroupResultWindow(c.group); },
    kStays, kStays};

} // namespace windows

std::span<const ChildWindow* const> childWindows() {
    static constexpr std::array kAll{
        &windows::kComPort,      &windows::kOverview,   &windows::kProgrammeService,
        &windows::kRadiotext,    &windows::kDecoder,    &windows::kUserEditor,
        &windows::kVerification, &windows::kPi,         &windows::kLive,
        &windows::kLog,          &windows::kPlanning,   &windows::kPreview,
        &windows::kEncoders,     &windows::kGroupResult};
    return kAll;
}

namespace {

using Step = void (*)(CompositionRoot&);

struct CommandRow {
    Command command;
    CommandAction action;
};

// One row per command, in the order of the Command values.
const std::array<CommandRow, shell::kCommandCount> kCommands{{
    {Command::NewDocument, Step{[](CompositionRoot& p) { p.startNewDocument(); }}},
    {Command::OpenFile, Step{[](CompositionRoot& p) { p.stationFiles().BestandOpenen(); }}},
    {Command::CloseWindow, Step{[](CompositionRoot& p) { p.mainWindow().closeActiveWindow(); }}},
    {Command::Save, Step{[](CompositionRoot& p) { (void)p.documentCommands().save(); }}},
    {Command::SaveAs, Step{[](CompositionRoot& p) { (void)p.stationFiles().BestandOpslaanAls(); }}},
    // Printing is not offered: both items stay disabled.
    {Command::PrintPreview, Step{[](CompositionRoot&) {}}},
    {Command::Print, Step{[](CompositionRoot&) {}}},
    {Command::LogInAgain, Step{[](CompositionRoot& p) { p.logInAgain(); }}},
    {Command::Exit, Step{[](CompositionRoot& p) { p.exit(); }}},
    {Command::Fill, Step{[](CompositionRoot& p) { p.fill(); }}},
    {Command::ReadOut, Step{[](CompositionRoot& p) { p.encoderSession().startReadOut(); }}},
    {Command::Verify, Step{[](CompositionRoot& p) { p.verify(); }}},
    {Command::ComPort, &windows::kComPort},
    {Command::Radiotext, &windows::kRadiotext},
    {Command::ProgrammeService, &windows::kProgrammeService},
    {Command::DecoderInformation, &windows::kDecoder},
    {Command::ProgrammeIdentification, &windows::kPi},
    {Command::AddUser, Step{[](CompositionRoot& p) { p.openUserEditorToAdd(); }}},
    {Command::EditCurrentUser, Step{[](CompositionRoot& p) { p.openUserEditorForCurrentUser(); }}},
    {Command::Options, Step{[](CompositionRoot& p) { p.showOptions(); }}},
    {Command::Overview, &windows::kOverview},
    {Command::Preview, &windows::kPreview},
    {Command::Cascade, Step{[](CompositionRoot& p) { p.mainWindow().cascadeChildWindows(); }}},
    {Command::About, Step{[](CompositionRoot&) { shell::InfoWindow::showModal(); }}},
    {Command::LiveRadiotext, &windows::kLive},
    {Command::Log, &windows::kLog},
    {Command::Planning, &windows::kPlanning},
    {Command::Encoders, &windows::kEncoders},
    {Command::FillAllEncoders, Step{[](CompositionRoot& p) { p.fillAllEncoders(); }}},
    {Command::VerifyAllEncoders, Step{[](CompositionRoot& p) { p.verifyAllEncoders(); }}},
    {Command::ToggleConnection,
     Step{[](CompositionRoot& p) { p.encoderSession().toggleConnection(); }}},
    {Command::ReadOutAfterClosingEditors,
     Step{[](CompositionRoot& p) { p.readOutAfterClosingEditors(); }}},
}};

} // namespace

CommandAction actionOf(Command command) {
    const CommandRow& row = kCommands[shell::indexOf(command)];
    assert(row.command == command);
    return row.action;
}

QWidget* openChildWindow(const ChildWindow& window, const WindowContext& context) {
    return context.mainWindow.openChildWindow(window.name.toString(),
                                              [&] { return window.make(context); });
}

} // namespace velmora::app
