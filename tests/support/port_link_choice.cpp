#include "support/port_link_choice.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace velmora::testing {

Reaction chooseInLinkDialog(std::function<void(QWidget& dialog)> choose) {
    return [choose = std::move(choose), chosen = false](QWidget& window) mutable {
        if (window.objectName() != u"frmKoppelen"_s) {
            return Answer::pressOk();
        }
        if (chosen) {
            return Answer::press(u"cmdAnnuleren"_s);
        }
        chosen = true;
        choose(window);
        // Pressed from the event queue, so that the watcher is free to answer
        // a message that "&Ok" brings up.
        QTimer::singleShot(0, &window,
                           [&window] { window.findChild<QPushButton*>(u"cmdOk"_s)->click(); });
        return Answer::leaveOpen();
    };
}

void chooseOtherDevice(QWidget& dialog, const QString& path) {
    dialog.findChild<QRadioButton*>(u"optAnder"_s)->setChecked(true);
    dialog.findChild<QLineEdit*>(u"txtApparaat"_s)->setText(path);
}

void chooseNetwork(QWidget& dialog, const QString& host, int port) {
    dialog.findChild<QRadioButton*>(u"optNetwerk"_s)->setChecked(true);
    dialog.findChild<QLineEdit*>(u"txtHost"_s)->setText(host);
    dialog.findChild<QSpinBox*>(u"txtPoort"_s)->setValue(port);
}

} // namespace velmora::testing
