#pragma once

#include <QMdiArea>
#include <QPixmap>

namespace velmora::shell {

// The main window's client area for child windows: the application-workspace
// colour with the background picture centred on it.
class Workspace : public QMdiArea {
    Q_OBJECT

public:
    explicit Workspace(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QPixmap shown_;
};

// The background picture, pictures/background.png, of any size.
QPixmap backgroundPicture();

} // namespace velmora::shell
