#include "shell/main_toolbar.h"

#include "shell/toolbar_icons.h"

#include <QAction>

namespace velmora::shell {

namespace {

struct ToolbarEntry {
    QStringView key;
    QStringView tooltip;
    bool enabled;
};

// Entries whose menu twins start disabled start disabled too; the print
// entries have no command and stay disabled.
constexpr std::array<ToolbarEntry, MainToolBar::kEntryCount> kEntries{{
    {u"", u"", true},
    {u"", u"", true},
    {u"Nieuw", u"Nieuw...", false},
    {u"Open", u"Open...", true},
    {u"Opslaan", u"Opslaan...", false},
    {u"", u"", true},
    {u"Afdrukvoorbeeld", u"Afdrukvoorbeeld", false},
    {u"Afdrukken", u"Afdrukken", false},
    {u"", u"", true},
    {u"Opties", u"Opties", false},
    {u"Overzicht", u"Overzicht", true},
    {u"Programmaservice", u"Programmaservice", true},
    {u"Radiotekst", u"Radiotekst", true},
    {u"", u"", true},
    {u"Verbinding", u"", true},
    {u"Inladen", u"Velmora uitlezen", false},
    {u"Versturen", u"Velmora vullen met nieuwe data", false},
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
        connect(action, &QAction::triggered, this, [this, key] { emit entryClicked(key); });
        entries_[index] = action;
    }
}

QAction* MainToolBar::entryAt(int position) const {
    if (position < 1 || position > kEntryCount) {
        return nullptr;
    }
    return entries_[static_cast<std::size_t>(position - 1)];
}

QAction* MainToolBar::entry(QStringView key) const {
    for (QAction* action : entries_) {
        if (!action->isSeparator() && action->objectName() == key) {
            return action;
        }
    }
    return nullptr;
}

} // namespace velmora::shell
