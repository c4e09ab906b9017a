#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace velmora::testing {

// A modal window as it looked when the watcher closed it.
struct SeenWindow {
    QString name;             // objectName: frmWaarschuwing, frmHardware_info
    QString frameCaption;     // hardware window: the caption of Frame1
    QString hardware;         // lblHardware
    QString version;          // lblVersie
    QString update;           // lblUpdate
    QString message;          // message window: txtWaarschuwing
    bool messageFits = false; // the whole message shows in its one line
};

SeenWindow look(const QWidget& window);

// Stands in for the user in front of modal windows. It looks for the active
// modal window every few milliseconds, also inside the nested event loop of
// that window, and closes it with "&Ok" unless the reaction says to leave it
// open for now.
class ModalWatcher : public QObject {
public:
    // Called at every look while a modal window is up; returns whether to
    // close it now.
    using Reaction = std::function<bool(QWidget& window)>;

    ModalWatcher();

    void setReaction(Reaction reaction) { reaction_ = std::move(reaction); }
    // How many distinct modal windows opened.
    int openedCount() const { return openedCount_; }
    const QList<SeenWindow>& closed() const { return closed_; }

private:
    void lookAtModalWindow();

    QTimer poll_;
    Reaction reaction_;
    QPointer<QWidget> current_;
    int openedCount_ = 0;
    QList<SeenWindow> closed_;
};

} // namespace velmora::testing
