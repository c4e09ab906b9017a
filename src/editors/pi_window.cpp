#include "editors/pi_window.h"

#include "link/wire_protocol.h"
#include "platform/qt/windows1252.h"
#include "widgets/named_controls.h"
#include "widgets/twips.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <optional>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace velmora::editors {

namespace {

constexpr auto kPortCheckInterval = 1000ms;
constexpr QChar kBackspace{8};

// The character a key press types, as a console would deliver it: a letter
// with Ctrl held types its control character (Ctrl+V is 22). Keys that move
// the cursor, delete forward or change the focus type nothing.
std::optional<QChar> typedCharacter(const QKeyEvent& key) {
    const int code = key.key();
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete) {
        return std::nullopt;
    }
    if (key.modifiers().testFlag(Qt::ControlModifier) && code >= Qt::Key_A && code <= Qt::Key_Z) {
        return QChar(code - Qt::Key_A + 1);
    }
    if (key.text().isEmpty()) {
        return std::nullopt;
    }
    return key.text().front();
}

// Digits and Backspace only, and no number starts with a zero.
bool acceptsCharacter(QChar character, bool boxIsEmpty) {
    if (character == kBackspace) {
        return true;
    }
    const bool digit = character >= u'0' && character <= u'9';
    return digit && !(character == u'0' && boxIsEmpty);
}

} // namespace

PiWindow::PiWindow(link::EncoderSession& session, std::unique_ptr<platform::Timer> timer,
                   QWidget* parent)
    : QWidget(parent), session_(session), timer_(std::move(timer)), code_(new QLineEdit(this)),
      send_(widgets::namedButton(u"cmdVerzend"_s, u"Verzend"_s, this)) {
    setWindowTitle(u"Programma Identificatie"_s);
    setFixedSize(widgets::twipsToSize(2820, 1410, this));

    code_->setObjectName(u"txtPi"_s);
    code_->installEventFilter(this);
    connect(send_, &QPushButton::clicked, this, &PiWindow::send);

    auto* layout = new QVBoxLayout(this);
    const int margin = widgets::twipsToPixels(90, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(widgets::namedLabel(u"Label1"_s, u"Tussen 1 en 65535"_s, code_));
    layout->addWidget(code_);
    layout->addWidget(send_, 0, Qt::AlignHCenter);
    setTabOrder(send_, code_);

    send_->setEnabled(session_.isPortOpen());
    code_->setText(u"1"_s);
    timer_->setTimeoutHandler([this] { followPort(); });
    timer_->start(kPortCheckInterval);
}

void PiWindow::followPort() {
    send_->setEnabled(session_.isPortOpen());
}

bool PiWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == code_) {
        // Ctrl+A selects all, as in every other text box, rather than typing
        // a control character.
        if (event->type() == QEvent::KeyPress &&
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
            return !takeTypedKey(*static_cast<QKeyEvent*>(event));
        }
        if (event->type() == QEvent::KeyRelease && code_->text().isEmpty()) {
            send_->setEnabled(false);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool PiWindow::takeTypedKey(const QKeyEvent& key) {
    const std::optional<QChar> typed = typedCharacter(key);
    if (!typed) {
        return true;
    }
    const bool boxIsEmpty = code_->text().isEmpty();
    if (!boxIsEmpty && session_.isPortOpen()) {
        send_->setEnabled(true);
    }
    return acceptsCharacter(*typed, boxIsEmpty);
}

// Whatever the box holds, also text pasted into it, counts by its leading
// number; any length of number gives its low 16 bits.
void PiWindow::send() {
    session_.sendPiCode(link::piCodeFromText(platform::toWindows1252(code_->text())));
}

} // namespace velmora::editors
