#include "shell/main_toolbar.h"

#include "shell/toolbar_icons.h"

#include <QAction>
#include <optional>

namespace velmora::shell {

namespace {

struct ToolbarEntry {
    QStringView key;
    QStringView tooltip;
    bool enabled;
    std::optional<Command> command;
};

// Entries whose menu twins start disabled start disabled too; the print
// entries have no command and stay disabled.
constexpr std::array<ToolbarEntry, MainToolBar::kEntryCount> kEntries{{
    {u"", u"", true, std::nullopt},
    {u"", u"", true, std::nullopt},
    {u"Nieuw", u"Nieuw...", false, Command::NewDocument},
    {u"Open", u"Open...", true, Command::OpenFile},
    {u"Opslaan", u"Opslaan...", false, Command::Save},
    {u"", u"", true, std::nullopt},
    {u"Afdrukvoorbeeld", u"Afdrukvoorbeeld", false, Command::PrintPreview},
    {u"Afdrukken", u"Afdrukken", false, Command::Print},
    {u"", u"", true, std::nullopt},
    {u"Opties", u"Opties", false, Command::Options},
    {u"Overzicht", u"Overzicht", true, Command::Overview},
    {u"Programmaservice", u"Programmaservice", true, Command::ProgrammeService},
    {u"Radiotekst", u"Radiotekst", true, Command::Radiotext},
    {u"", u"", true, std::nullopt},
    {u"Verbinding", u"", true, Command::ToggleConnection},
    {u"Inladen", u"Velmora uitlezen", false, Command::ReadOutAfterClosingEditors},
    {u"Versturen", u"Velmora vullen met nieuwe data", false, Command::Fill},
}};

} // namespace

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("tlbBasis"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    toggleViewAction()->setVisible(false);

    for (std::size_t index = 0; index < kEntries.size(); ++index) {
        const ToolbarEntry& entry = kEntries[index];
        if (entry.key.isEmpty()) {
            entries_[index] = addSeparator();
            continue;
        }
        const QString key = entry.key.toString();
        QAction* action = addAction(toolbarIcon(entry.key), key);
        action->setObjectName(key);
        action->setToolTip(entry.tooltip.toString());
        action->setEnabled(entry.enabled);
        const Command command = *entry.command;
        connect(action, &QAction::triggered, this,
                [this, command] { emit commandRequested(command); });
        entries_[index] = action;
        byCommand_[indexOf(command)] = action;
    }
}

QAction* MainToolBar::entryAt(int position) const {
    if (position < 1 || position > kEntryCount) {
        return nullptr;
    }
    return entries_[static_cast<std::size_t>(position - 1)];
}

QAction* MainToolBar::entry(Command command) const {
    return byCommand_[indexOf(command)];
}

} // namespace velmora::shell
