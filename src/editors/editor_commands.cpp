#include "editors/editor_commands.h"

#include "editors/decoder_window.h"
#include "editors/overview_window.h"
#include "editors/pi_window.h"
#include "editors/set_editor.h"
#include "platform/qt/qt_timer.h"
#include "shell/main_window.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

void openOnTrigger(shell::MainWindow& mainWindow, QObject& context, const QString& itemName,
                   const QString& windowName, const widgets::ChildWindowFactory& factory) {
    QObject::connect(
        mainWindow.menuItem(itemName), &QAction::triggered, &context,
        [&mainWindow, windowName, factory] { mainWindow.openChildWindow(windowName, factory); });
}

void openSetEditorOnTrigger(shell::MainWindow& mainWindow, QObject& context,
                            const QString& itemName, const SetEditorForm& form) {
    openOnTrigger(mainWindow, context, itemName, form.windowName.toString(),
                  [&mainWindow, &form] { return new SetEditor(form, mainWindow.document()); });
}

} // namespace

EditorCommands::EditorCommands(shell::MainWindow& mainWindow) : QObject(&mainWindow) {
    openSetEditorOnTrigger(mainWindow, *this, u"mnuInstellingen_programmaservice"_s,
                           kProgrammeServiceForm);
    openSetEditorOnTrigger(mainWindow, *this, u"mnuInstellingen_radiotekst"_s, kRadiotextForm);
    openOnTrigger(mainWindow, *this, u"mnuInstellingen_decoderinformatie"_s,
                  u"frmDecoder_informatie"_s,
                  [&mainWindow] { return new DecoderWindow(mainWindow.settings()); });
    openOnTrigger(
        mainWindow, *this, u"mnuInstellingenProgrammaIdentificatie"_s, u"frmPi"_s, [&mainWindow] {
            return new PiWindow(mainWindow.encoderLink(), std::make_unique<platform::QtTimer>());
        });
    openOnTrigger(mainWindow, *this, u"mnuVenster_overzicht"_s, u"frmOverzicht"_s, [&mainWindow] {
        return new OverviewWindow(mainWindow.document(), mainWindow.settings());
    });
}

} // namespace velmora::editors
