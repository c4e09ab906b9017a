#include "widgets/warning_window.h"

#include "link/transfer.h"
#include "platform/qt/windows1252.h"
#include "platform/settings_store.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace velmora::widgets {

namespace {

// The message window, found by its name when it is already up.
constexpr QStringView kMessageWindow = u"frmWaarschuwing";

const QString kProgressCaption = u"Datacommunicatie met de Velmora"_s;

} // namespace

WarningWindow::WarningWindow(QWidget* parent)
    : QDialog(parent), text_(new QLineEdit(this)), bar_(new QProgressBar(this)),
      ok_(new QPushButton(u"&Ok"_s, this)) {
    setObjectName(kMessageWindow.toString());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Waarschuwing..."_s);
    setFixedSize(twipsToSize(6300, 1815, this));

    ok_->setObjectName(u"cmdOk"_s);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    text_->setObjectName(u"txtWaarschuwing"_s);
    text_->setReadOnly(true);
    // Neither has a label; a screen reader announces them by these names.
    text_->setAccessibleName(u"Waarschuwing"_s);

    bar_->setObjectName(u"pgbWaarschuwing"_s);
    bar_->setAccessibleName(kProgressCaption);
    bar_->setRange(0, link::kLastProgress);
    bar_->setTextVisible(false);
    bar_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(text_);
    layout->addWidget(bar_);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(ok_, text_);
    ok_->setFocus();
}

void WarningWindow::showMessage(const QString& message) {
    auto* window = new WarningWindow;
    window->setMessage(message);
    QApplication::beep();
    window->exec();
}

void WarningWindow::setMessage(const QString& message) {
    text_->setText(message);
    text_->setCursorPosition(0);
    widenToShow(message);
}

// The window keeps its width unless the message would not fit in its one
// line, as a file or settings failure with its reason, or a vanished port,
// may not: then it grows, up to the width of the screen, so that the whole
// report can be read.
void WarningWindow::widenToShow(const QString& message) {
    const QMargins margins = layout()->contentsMargins();
    const int frameAndPadding =
        2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, text_) + 8;
    const int needed = text_->fontMetrics().horizontalAdvance(message) + frameAndPadding +
                       margins.left() + margins.right();
    const int widest = screen()->availableGeometry().width();
    if (needed > width()) {
        setFixedWidth(std::min(needed, widest));
    }
}

QString WarningWindow::message() const {
    return text_->text();
}

void WarningWindow::enterProgressMode(int value) {
    ok_->hide();
    text_->hide();
    bar_->show();
    setProgress(value);
    setWindowTitle(kProgressCaption);
}

bool WarningWindow::isInProgressMode() const {
    return !bar_->isHidden();
}

void WarningWindow::setProgress(int value) {
    bar_->setValue(value);
}

int WarningWindow::progress() const {
    return bar_->value();
}

void WarningWindow::keyPressEvent(QKeyEvent* event) {
    if (isInProgressMode() && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void showWarning(std::string_view text) {
    WarningWindow::showMessage(platform::fromWindows1252(text));
}

void warnSettingsNotSaved(const std::string& reason) {
    showWarning(std::string(platform::kSettingsNotSavedMessage) + reason);
}

void closeMessageWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == kMessageWindow) {
            window->close();
        }
    }
}

} // namespace velmora::widgets
