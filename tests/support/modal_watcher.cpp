#include "support/modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace velmora::testing {

namespace {

// A press of a button the window lacks closes it, as the close box does:
// no window is left up that nobody will answer.
void give(const Answer& answer, QWidget& window) {
    // An empty name would match any button.
    auto* button = answer.kind == Answer::Kind::Press && !answer.button.isEmpty()
                       ? window.findChild<QAbstractButton*>(answer.button)
                       : nullptr;
    auto* dialog = qobject_cast<QDialog*>(&window);
    if (button != nullptr) {
        button->click();
    } else if (answer.kind == Answer::Kind::Accept && dialog != nullptr) {
        dialog->accept();
    } else {
        window.close();
    }
}

} // namespace

ModalWatcher::ModalWatcher(Reaction reaction) : reaction_(std::move(reaction)) {
    connect(&poll_, &QTimer::timeout, this, &ModalWatcher::lookAtModalWindow);
    poll_.start(5);
}

QStringList ModalWatcher::messages() const {
    QStringList texts;
    for (const SeenWindow& window : closed_) {
        if (window.name == kMessageWindow) {
            texts.append(window.message);
        }
    }
    return texts;
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
    const Answer answer = reaction_(*window);
    if (answer.kind == Answer::Kind::LeaveOpen) {
        return;
    }
    closed_.append(look(*window));
    give(answer, *window);
}

} // namespace velmora::testing
