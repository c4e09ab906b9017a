#include "support/seen_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace velmora::testing {

namespace {

QString labelText(const QWidget& window, const QString& name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString();
}

bool showsWhole(const QLineEdit& text) {
    const int frame = text.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &text);
    return text.fontMetrics().horizontalAdvance(text.text()) < text.width() - 2 * frame - 4;
}

} // namespace

SeenWindow look(const QWidget& window) {
    SeenWindow seen;
    seen.name = window.objectName();
    seen.caption = window.windowTitle();
    seen.modal = window.isModal();
    if (const auto* ok = window.findChild<QPushButton*>(u"cmdOk"_s)) {
        seen.okShown = ok->isVisible();
        seen.okText = ok->text();
    }
    if (const auto* text = window.findChild<QLineEdit*>(u"txtWaarschuwing"_s)) {
        seen.message = text->text();
        seen.messageShown = text->isVisible();
        seen.messageReadOnly = text->isReadOnly();
        seen.messageFits = showsWhole(*text);
    }
    if (const auto* bar = window.findChild<QProgressBar*>(u"pgbWaarschuwing"_s)) {
        seen.barShown = bar->isVisible();
        seen.barMinimum = bar->minimum();
        seen.barMaximum = bar->maximum();
    }
    if (const auto* question = window.findChild<QPlainTextEdit*>(u"txtOpslaan"_s)) {
        seen.question = question->toPlainText();
    }
    if (const auto* frame = window.findChild<QGroupBox*>(u"Frame1"_s)) {
        seen.frameCaption = frame->title();
    }
    seen.hardware = labelText(window, u"lblHardware"_s);
    seen.version = labelText(window, u"lblVersie"_s);
    seen.update = labelText(window, u"lblUpdate"_s);
    if (const auto* logo = window.findChild<QLabel*>(u"Image1"_s)) {
        seen.logoSize = logo->pixmap().size();
    }
    return seen;
}

} // namespace velmora::testing
