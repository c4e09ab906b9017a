#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace velmora::testing {

// What the user does with the modal window in front of it.
struct Answer {
    enum class Kind {
        Press,     // the button with this objectName; a window without it is closed
        Accept,    // a dialog's default button, such as Save in a file dialog
        Close,     // the close box
        LeaveOpen, // nothing yet: the window is looked at again a moment later
    };

    static Answer press(const QString& button) { return {Kind::Press, button}; }
    static Answer pressOk() { return press(QStringLiteral("cmdOk")); }
    static Answer accept() { return {Kind::Accept, {}}; }
    static Answer close() { return {Kind::Close, {}}; }
    static Answer leaveOpen() { return {Kind::LeaveOpen, {}}; }

    Kind kind;
    QString button;
};

// Chooses the answer to the modal window that is up. It is asked at every
// look, and may act on the program itself while the window is open.
using Reaction = std::function<Answer(QWidget& window)>;

// The same answer to every modal window.
Reaction always(Answer answer);
// The next button of the list in each window that opens; once the list runs
// out, the close box.
Reaction pressInTurn(QStringList buttons);
// This button in the window of that name, "&Ok" in any other.
Reaction pressIn(const QString& window, const QString& button);
// "&Ok" in each message window; any other modal window, such as the login
// window, is left to the test.
Reaction okInMessagesOnly();

} // namespace velmora::testing
