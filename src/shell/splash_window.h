#pragma once

#include <QTimer>
#include <QWidget>

namespace velmora::shell {

// frmStart: the logo, shown for one second at start-up. Deleted when closed.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);

signals:
    // One second has passed since the window loaded.
    void elapsed();

private:
    QTimer timer_;
};

} // namespace velmora::shell
