#pragma once

#include <QDialog>

namespace velmora::shell {

// frmInfo, the about window: the logo, what the program is and who makes it.
// Deleted when closed.
class InfoWindow : public QDialog {
    Q_OBJECT

public:
    explicit InfoWindow(QWidget* parent = nullptr);

    // Loads the window and shows it modally with no owner.
    static void showModal();
};

} // namespace velmora::shell
