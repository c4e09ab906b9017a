#include "support/modal_reaction.h"

#include "support/seen_window.h"

#include <QWidget>

namespace velmora::testing {

Reaction always(Answer answer) {
    return [answer](QWidget&) { return answer; };
}

Reaction pressInTurn(QStringList buttons) {
    return [buttons = std::move(buttons)](QWidget&) mutable {
        return buttons.isEmpty() ? Answer::close() : Answer::press(buttons.takeFirst());
    };
}

Reaction pressIn(const QString& window, const QString& button) {
    return [window, button](QWidget& shown) {
        return shown.objectName() == window ? Answer::press(button) : Answer::pressOk();
    };
}

Reaction okInMessagesOnly() {
    return [](QWidget& shown) {
        return shown.objectName() == kMessageWindow ? Answer::pressOk() : Answer::leaveOpen();
    };
}

} // namespace velmora::testing
