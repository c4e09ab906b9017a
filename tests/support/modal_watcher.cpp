#include "support/modal_watcher.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace velmora::testing {

namespace {

QString labelText(const QWidget& window, const QString& name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString();
}

} // namespace

SeenWindow look(const QWidget& window) {
    SeenWindow seen;
    seen.name = window.objectName();
    if (const auto* frame = window.findChild<QGroupBox*>(u"Frame1"_s)) {
        seen.frameCaption = frame->title();
    }
    seen.hardware = labelText(window, u"lblHardware"_s);
    seen.version = labelText(window, u"lblVersie"_s);
    seen.update = labelText(window, u"lblUpdate"_s);
    if (const auto* text = window.findChild<QLineEdit*>(u"txtWaarschuwing"_s)) {
        seen.message = text->text();
        const int frame = text->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, text);
        seen.messageFits =
            text->fontMetrics().horizontalAdvance(seen.message) < text->width() - 2 * frame - 4;
    }
    return seen;
}

ModalWatcher::ModalWatcher() {
    connect(&poll_, &QTimer::timeout, this, &ModalWatcher::lookAtModalWindow);
    poll_.start(10);
}

void ModalWatcher::lookAtModalWindow() {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible()) {
        return;
    }
    if (window != current_) {
        current_ = window;
        ++openedCount_;
    }
    if (reaction_ && !reaction_(*window)) {
        return;
    }
    closed_.append(look(*window));
    window->findChild<QPushButton*>(u"cmdOk"_s)->click();
}

} // namespace velmora::testing
