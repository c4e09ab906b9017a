#include "window_test_support.h"

#include "shell/file_menu_commands.h"
#include "users/account_windows.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace velmora::users::testing {

Station::Station() {
    window.fileMenuCommands().useFileAccess(dialogs, files);
    window.accountWindows().useFileDialogs(dialogs);
}

void Station::addAccount(const std::string& name, const std::string& password,
                         const std::string& linkedFile) {
    QVERIFY(settings.SaveSetting(name, "Wachtwoord", password).ok());
    QVERIFY(settings.SaveSetting(name, "Bestand", linkedFile).ok());
}

void Station::run(const QString& menuItem) {
    window.menuItem(menuItem)->trigger();
}

QWidget* openWindow(const QString& name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
        const QList<QWidget*> children = window->findChildren<QWidget*>(name);
        for (QWidget* child : children) {
            if (child->isVisibleTo(window)) {
                return child;
            }
        }
    }
    return nullptr;
}

void type(const QString& window, const QString& box, const QString& text) {
    auto* edit = control<QLineEdit>(window, box);
    QVERIFY2(edit != nullptr, qPrintable(window + u'/' + box));
    edit->clear();
    // One character at a time, as typed: each passes the box's limit and
    // validator on its own.
    for (const QChar character : text) {
        edit->insert(character);
    }
}

void click(const QString& window, const QString& button) {
    auto* pushButton = control<QPushButton>(window, button);
    QVERIFY2(pushButton != nullptr, qPrintable(window + u'/' + button));
    QVERIFY2(pushButton->isEnabled(), qPrintable(window + u'/' + button));
    pushButton->click();
}

WarningReader::WarningReader() {
    connect(&poll_, &QTimer::timeout, this, &WarningReader::read);
    poll_.start(5);
}

void WarningReader::read() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal->objectName() != u"frmWaarschuwing") {
        return;
    }
    messages.append(modal->findChild<QLineEdit*>(u"txtWaarschuwing"_s)->text());
    modal->findChild<QPushButton*>(u"cmdOk"_s)->click();
}

QStringList tabOrder(const QString& window, const QString& first) {
    QStringList names;
    QWidget* open = openWindow(window);
    QWidget* start = control<QWidget>(window, first);
    if (start == nullptr) {
        return names;
    }
    QWidget* widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && open->isAncestorOf(widget)) {
            names.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return names;
}

void deletePendingWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace velmora::users::testing
