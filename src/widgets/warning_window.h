#pragma once

#include <QDialog>
#include <string>
#include <string_view>

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace velmora::widgets {

// frmWaarschuwing, the one message window. As created it is a message window:
// caption "Waarschuwing...", the message and "&Ok". In progress mode it shows
// only the bar of a transfer. It is deleted when closed, so each use starts
// afresh from the message window.
class WarningWindow : public QDialog {
    Q_OBJECT

public:
    explicit WarningWindow(QWidget* parent = nullptr);

    // Shows the message with a beep, modally and with no owner; returns when
    // the user has closed the window.
    static void showMessage(const QString& message);

    void setMessage(const QString& message);
    QString message() const;

    // Hides the button and the text, shows the bar at this value and sets the
    // caption "Datacommunicatie met de Velmora".
    void enterProgressMode(int value);
    bool isInProgressMode() const;
    void setProgress(int value);
    int progress() const;

protected:
    // The progress window closes only through its close box or from code.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void widenToShow(const QString& message);

    QLineEdit* text_;
    QProgressBar* bar_;
    QPushButton* ok_;
};

// WarningWindow::showMessage for a text in Windows-1252.
void showWarning(std::string_view text);
// The message for a settings store that refused a write, with the store's reason.
void warnSettingsNotSaved(const std::string& reason);
// Closes every message window that is open, as the end of the run does.
void closeMessageWindows();

} // namespace velmora::widgets
