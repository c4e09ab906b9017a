#pragma once

#include <QObject>

namespace velmora::shell {

// Whether Caps Lock is on. Where the windowing system can tell (X11, Windows)
// it is asked; elsewhere the state follows the Caps Lock presses the program
// sees, starting from off.
class CapsLockState : public QObject {
    Q_OBJECT

public:
    explicit CapsLockState(QObject* parent = nullptr);

    bool isOn() const;

signals:
    // The Caps Lock key was pressed or released: the state may have changed.
    void keyUsed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool followedState_ = false;
};

} // namespace velmora::shell
