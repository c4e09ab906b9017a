#include "shell/status_panels.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <chrono>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace velmora::shell {

namespace {

constexpr auto kClockInterval = 1s;
const QString kCapsText = u"CAPS"_s;

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent) {
    setObjectName(u"stbBasis"_s);
    for (int position = 1; position <= kPanelCount; ++position) {
        auto* label = new QLabel(this);
        label->setObjectName(u"stbBasis_%1"_s.arg(position));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        const bool isConnection = position == kConnectionPanel;
        // Permanent panels stay in view when a menu shows a status tip. The
        // wait for a reconnection stands beside the connection text.
        if (position == kReconnectionPanel) {
            insertPermanentWidget(kConnectionPanel, label);
        } else {
            addPermanentWidget(label, isConnection ? 1 : 0);
        }
        panels_[static_cast<std::size_t>(position - 1)] = label;
    }
    panel(kReconnectionPanel)->hide();
    panel(1)->setAlignment(Qt::AlignCenter);
    panel(1)->setMinimumWidth(panel(1)->fontMetrics().horizontalAdvance(kCapsText) + 16);

    connect(&capsLock_, &CapsLockState::keyUsed, this, &StatusPanels::refresh);
    connect(&clock_, &QTimer::timeout, this, &StatusPanels::refresh);
    clock_.start(kClockInterval);
    refresh();
}

QString StatusPanels::panelText(int position) const {
    return position >= 1 && position <= kPanelCount ? panel(position)->text() : QString();
}

QString StatusPanels::connectionText() const {
    return panel(kConnectionPanel)->text();
}

void StatusPanels::setConnectionText(const QString& text) {
    panel(kConnectionPanel)->setText(text);
}

void StatusPanels::setReconnectionText(const QString& text) {
    panel(kReconnectionPanel)->setText(text);
    panel(kReconnectionPanel)->setVisible(!text.isEmpty());
}

void StatusPanels::refresh() {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    panel(1)->setText(capsLock_.isOn() ? kCapsText : QString());
    panel(2)->setText(locale.toString(now.date(), QLocale::ShortFormat));
    panel(4)->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

} // namespace velmora::shell
