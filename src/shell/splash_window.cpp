#include "shell/splash_window.h"

#include "shell/logo.h"
#include "widgets/twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <chrono>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace velmora::shell {

namespace {

constexpr auto kShowTime = 1000ms;

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(u"frmStart"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Velmora"_s);
    const QSize clientSize = widgets::twipsToSize(11130, 2250, this);
    setFixedSize(clientSize);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, clientSize,
                                    screen()->availableGeometry()));

    auto* picture = new QLabel(this);
    picture->setObjectName(u"Image1"_s);
    picture->setPixmap(velmoraLogo());
    picture->setScaledContents(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);

    timer_.setObjectName(u"tmrStart"_s);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::elapsed);
    timer_.start(kShowTime);
}

} // namespace velmora::shell
