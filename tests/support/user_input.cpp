#include "support/user_input.h"

#include "support/open_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace velmora::testing {

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

} // namespace velmora::testing
