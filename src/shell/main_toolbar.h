#pragma once

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
    static constexpr int kConnectionPosition = 15;
    static constexpr int kReadOutPosition = 16;
    static constexpr int kFillPosition = 17;

    explicit MainToolBar(QWidget* parent = nullptr);

    // The entry at this 1-based position; nullptr outside 1-17.
    QAction* entryAt(int position) const;
    // The button with this key; nullptr if none has it.
    QAction* entry(QStringView key) const;

signals:
    // A button was clicked; carries its key.
    void entryClicked(const QString& key);

private:
    std::array<QAction*, kEntryCount> entries_{};
};

} // namespace velmora::shell
