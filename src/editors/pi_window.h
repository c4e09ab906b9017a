#pragma once

#include "link/encoder_session.h"
#include "platform/timer.h"

#include <QWidget>
#include <memory>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace velmora::editors {

// frmPi: a programme identification code typed as a decimal number and sent
// to the encoder at once. "Verzend" follows whether the port is open, checked
// once a second by the timer, which runs as long as the window lives.
class PiWindow : public QWidget {
    Q_OBJECT

public:
    PiWindow(link::EncoderSession& session, std::unique_ptr<platform::Timer> timer,
             QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followPort();
    // Whether the box takes the character a key press types; the key may
    // also enable "Verzend".
    bool takeTypedKey(const QKeyEvent& key);
    void send();

    link::EncoderSession& session_;
    std::unique_ptr<platform::Timer> timer_;
    QLineEdit* code_;
    QPushButton* send_;
};

} // namespace velmora::editors
