#pragma once

#include "shell/caps_lock.h"

#include <QStatusBar>
#include <QTimer>
#include <array>

class QLabel;

namespace velmora::shell {

// The status bar stbBasis: Caps Lock, date, the connection text and the time,
// and, only while the program reconnects by itself, a fifth panel with the
// wait. One clock ticking each second keeps the first, second and fourth
// panels current; a Caps Lock press updates the first at once.
class StatusPanels : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int kPanelCount = 5;
    static constexpr int kConnectionPanel = 3;
    static constexpr int kReconnectionPanel = 5;

    explicit StatusPanels(QWidget* parent = nullptr);

    // The text of the panel at this 1-based position.
    QString panelText(int panel) const;
    QString connectionText() const;
    void setConnectionText(const QString& text);
    // "Opnieuw verbinden over 8 s (poging 3)"; empty hides the panel.
    void setReconnectionText(const QString& text);

    // Shows the Caps Lock state, date and time of this moment.
    void refresh();

private:
    QLabel* panel(int position) const { return panels_[static_cast<std::size_t>(position - 1)]; }

    std::array<QLabel*, kPanelCount> panels_{};
    CapsLockState capsLock_;
    QTimer clock_;
};

} // namespace velmora::shell
