#pragma once

#include <QSize>
#include <QString>
#include <QStringView>

class QWidget;

namespace velmora::testing {

// What a window of the program showed: its name and caption, and whichever
// of the documented parts it holds.
struct SeenWindow {
    QString name; // objectName: frmWaarschuwing, frmOpslaan, frmHardware_info, ...
    QString caption;
    bool modal = false;

    bool okShown = false; // cmdOk
    QString okText;

    QString message; // message window: txtWaarschuwing
    bool messageShown = false;
    bool messageReadOnly = false;
    bool messageFits = false; // the whole message shows in its one line

    bool barShown = false; // progress window: pgbWaarschuwing
    int barMinimum = -1;
    int barMaximum = -1;

    QString question; // save prompt: txtOpslaan

    QString frameCaption; // hardware window: the caption of Frame1
    QString hardware;     // lblHardware
    QString version;      // lblVersie
    QString update;       // lblUpdate

    QSize logoSize; // info window: the picture Image1
};

SeenWindow look(const QWidget& window);

// The objectName of the message window, which says what went wrong.
inline constexpr QStringView kMessageWindow = u"frmWaarschuwing";

} // namespace velmora::testing
