#pragma once

#include "support/modal_reaction.h"
#include "support/seen_window.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace velmora::testing {

// Stands in for the user in front of modal windows. It looks for the active
// modal window every few milliseconds, also inside the nested event loop of
// that window, and answers it as the reaction says; by default it presses
// "&Ok".
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(Reaction reaction = always(Answer::pressOk()));

    void setReaction(Reaction reaction) { reaction_ = std::move(reaction); }
    // How many distinct modal windows opened.
    int openedCount() const { return openedCount_; }
    // Every window it answered, as the window looked just before, in order.
    const QList<SeenWindow>& closed() const { return closed_; }
    // The text of each message window among them.
    QStringList messages() const;

private:
    void lookAtModalWindow();

    QTimer poll_;
    Reaction reaction_;
    QPointer<QWidget> current_;
    int openedCount_ = 0;
    QList<SeenWindow> closed_;
};

} // namespace velmora::testing
