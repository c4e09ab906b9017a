#pragma once

#include "shell/command.h"

#include <QToolBar>
#include <array>

namespace velmora::shell {

// The toolbar tlbBasis: 17 entries at fixed 1-based positions. Each button's
// text and objectName are its key ("Nieuw", "Verbinding", ...); positions 1,
// 2, 6, 9 and 14 are separators without a key.
class MainToolBar : public QToolBar {
    Q_OBJECT

public:
    static constexpr int kEntryCount = 17;

    explicit MainToolBar(QWidget* parent = nullptr);

    // The entry at this 1-based position; nullptr outside 1-17.
    QAction* entryAt(int position) const;
    // The button that runs this command; nullptr if none does.
    QAction* entry(Command command) const;

signals:
    // A button was clicked; carries the command it runs.
    void commandRequested(velmora::shell::Command command);

private:
    std::array<QAction*, kEntryCount> entries_{};
    std::array<QAction*, kCommandCount> byCommand_{};
};

} // namespace velmora::shell
