// A window test that leaks an object without parent on purpose: LeakSanitizer
// must report it under the suppressions every window test runs with, which
// shows that they leave the code of a test slot checked.

#include "support/test_main.h"

#include <QObject>
#include <QTest>
#include <QWidget>

namespace {

QObject* volatile kept = nullptr;

} // namespace

class WindowLeakCanary : public QObject {
    Q_OBJECT

private slots:
    void leaksAnObjectWithoutParent() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        kept = new QObject;
        kept = nullptr;
    }
};

VELMORA_TEST_MAIN(WindowLeakCanary)
#include "window_leak_canary.moc"
