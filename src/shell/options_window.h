#pragma once

#include <QDialog>

class QLineEdit;

namespace velmora::shell {

class MainWindow;

// frmOpties: the title-bar text, kept exactly as typed, and the main
// window's caption composed from it. Deleted when closed.
class OptionsWindow : public QDialog {
    Q_OBJECT

public:
    explicit OptionsWindow(MainWindow& mainWindow, QWidget* parent = nullptr);

    // Loads the window and shows it modally with no owner; returns when it
    // has been closed.
    static void showModal(MainWindow& mainWindow);

private:
    // Writes the text; false, after a message, when the store refused it.
    bool storeTitleBarText(const std::string& text);
    void confirm();
    void apply();
    std::string titleBarText() const;

    MainWindow& mainWindow_;
    QLineEdit* titleBar_;
};

} // namespace velmora::shell
