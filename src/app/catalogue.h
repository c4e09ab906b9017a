#pragma once

#include "app/adapters.h"
#include "link/encoder_session.h"
#include "link/group_runner.h"
#include "link/journal.h"
#include "planning/planner.h"
#include "shell/command.h"
#include "shell/main_window.h"
#include "station/document.h"
#include "users/accounts.h"

#include <QStringView>
#include <span>
#include <variant>

class QWidget;

namespace velmora::app {

class CompositionRoot;

// What a child window is made from.
struct WindowContext {
    const Adapters& adapters;
    station::Document& document;
    const users::Session& loggedIn;
    link::EncoderSession& session;
    planning::Planner& planner;
    shell::MainWindow& mainWindow;
    link::Journal& journal;
    link::GroupRunner& group;
};

// A window inside the main window: its documented name, how it is made, and
// which moments of the run close it.
struct ChildWindow {
    QStringView name;
    QWidget* (*make)(const WindowContext& context);
    // "Opnieuw aanmelden" and the end of the run close it, so that it never
    // outlives what it shows. The PI window stays: it shows nobody's data.
    bool closesOnRelogin;
    // The toolbar's "Inladen" closes it first, so that it never shows stale
    // settings afterwards.
    bool closesBeforeReadOut;
};

// One of the moments above: &ChildWindow::closesOnRelogin or closesBeforeReadOut.
using ClosingMoment = bool ChildWindow::*;

// What a command does: open a child window, or take a step of the program.
using CommandAction = std::variant<const ChildWindow*, void (*)(CompositionRoot& program)>;

// The child windows that no command of their own opens.
namespace windows {
extern const ChildWindow kUserEditor;   // opened by two commands, each in its own way
extern const ChildWindow kVerification; // opened by the result of a verification
extern const ChildWindow kGroupResult;  // opened by a run for all encoders
} // namespace windows

// Every child window, in the order in which a re-login or a read-out closes them.
std::span<const ChildWindow* const> childWindows();
CommandAction actionOf(shell::Command command);

// Brings the open window to the front as it is, or makes, places and shows it.
QWidget* openChildWindow(const ChildWindow& window, const WindowContext& context);

} // namespace velmora::app
