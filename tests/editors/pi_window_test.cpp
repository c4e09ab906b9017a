#include "editors/pi_window.h"
#include "fakes/session_on_fakes.h"
#include "support/tab_order.h"
#include "support/test_main.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using velmora::editors::PiWindow;

namespace {

// A PI window on an encoder session whose serial line the test opens and closes.
struct PiEditing {
    explicit PiEditing(bool portOpen) {
        if (portOpen) {
            openPort();
        }
        auto timer = std::make_unique<velmora::fakes::FakeTimer>();
        tick = timer.get();
        window = std::make_unique<PiWindow>(fakes.session, std::move(timer));
    }

    void openPort() { (void)line.open(1); }
    QLineEdit* code() const { return window->findChild<QLineEdit*>(u"txtPi"_s); }
    QPushButton* send() const { return window->findChild<QPushButton*>(u"cmdVerzend"_s); }

    velmora::fakes::SessionOnFakes fakes;
    velmora::fakes::FakeSerialLine& line = fakes.line;
    velmora::fakes::FakeTimer* tick = nullptr;
    std::unique_ptr<PiWindow> window;
};

std::string piFrameBytes(unsigned char low, unsigned char high) {
    return std::string("^B^A") + static_cast<char>(low) + static_cast<char>(high) + "^E";
}

} // namespace

class PiWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesAndOrder();
    void opensOnOneWithTheButtonFollowingThePort_data();
    void opensOnOneWithTheButtonFollowingThePort();
    void timerTickFollowsThePort();
    void keyFilterTakesDigitsAndBackspaceOnly_data();
    void keyFilterTakesDigitsAndBackspaceOnly();
    void keysThatTypeNothingStillEdit();
    void emptyingTheBoxDisablesUntilTheNextTick();
    void typingIntoATextEnablesWhileThePortIsOpen();
    void sendWritesTheLow16BitsNeverZero_data();
    void sendWritesTheLow16BitsNeverZero();
    void pastedTextIsReadByItsLeadingNumber_data();
    void pastedTextIsReadByItsLeadingNumber();
    void clickAfterThePortClosedWritesNothing();
};

void PiWindowTest::controlsCarryTheirNamesAndOrder() {
    const PiEditing editing(false);
    const PiWindow& window = *editing.window;
    QCOMPARE(window.windowTitle(), u"Programma Identificatie"_s);
    QCOMPARE(window.size(), velmora::widgets::twipsToSize(2820, 1410, &window));
    QCOMPARE(editing.send()->text(), u"Verzend"_s);
    QVERIFY(window.findChild<QLabel*>()->text() == u"Tussen 1 en 65535"_s);
    QCOMPARE(velmora::testing::tabOrder(window, *editing.send()),
             (QStringList{u"cmdVerzend"_s, u"txtPi"_s}));
    QCOMPARE(editing.code()->maxLength(), 32767);
    QCOMPARE(editing.tick->interval(), 1000ms);
    QVERIFY(editing.tick->isRunning());
}

void PiWindowTest::opensOnOneWithTheButtonFollowingThePort_data() {
    QTest::addColumn<bool>("portOpen");
    QTest::newRow("port closed") << false;
    QTest::newRow("port open") << true;
}

void PiWindowTest::opensOnOneWithTheButtonFollowingThePort() {
    QFETCH(bool, portOpen);
    const PiEditing editing(portOpen);
    QCOMPARE(editing.code()->text(), u"1"_s);
    QCOMPARE(editing.send()->isEnabled(), portOpen);
}

void PiWindowTest::timerTickFollowsThePort() {
    PiEditing editing(false);
    editing.openPort();
    QVERIFY(!editing.send()->isEnabled());
    editing.tick->fire();
    QVERIFY(editing.send()->isEnabled());
    editing.line.close();
    editing.tick->fire();
    QVERIFY(!editing.send()->isEnabled());
}

void PiWindowTest::keyFilterTakesDigitsAndBackspaceOnly_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no leading zero") << QString() << u"0"_s << QString();
    QTest::newRow("zero after a digit") << QString() << u"10"_s << u"10"_s;
    QTest::newRow("zeros before a digit") << QString() << u"005"_s << u"5"_s;
    QTest::newRow("letters, minus, separators") << u"1"_s << u"a-+.,e Z"_s << u"1"_s;
    QTest::newRow("Enter and Escape") << u"12"_s << u"\r\x1b"_s << u"12"_s;
    QTest::newRow("Backspace") << u"123"_s << u"\b\b"_s << u"1"_s;
    QTest::newRow("digits after a Backspace") << u"7"_s << u"\b07"_s << u"7"_s;
}

void PiWindowTest::keyFilterTakesDigitsAndBackspaceOnly() {
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const PiEditing editing(false);
    editing.code()->setText(start);

    QTest::keyClicks(editing.code(), typed);
    QCOMPARE(editing.code()->text(), shown);
}

void PiWindowTest::keysThatTypeNothingStillEdit() {
    const PiEditing editing(false);
    editing.code()->setText(u"123"_s);
    QTest::keyClick(editing.code(), Qt::Key_Home);
    QTest::keyClick(editing.code(), Qt::Key_Delete);
    QCOMPARE(editing.code()->text(), u"23"_s);

    // Ctrl+V types a control character, which the box refuses like any other.
    QApplication::clipboard()->setText(u"99"_s);
    QTest::keyClick(editing.code(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editing.code()->text(), u"23"_s);

    // Ctrl+A selects all, as in every other box, so a digit replaces the code.
    QTest::keyClick(editing.code(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editing.code()->selectedText(), u"23"_s);
    QTest::keyClick(editing.code(), Qt::Key_5);
    QCOMPARE(editing.code()->text(), u"5"_s);
}

void PiWindowTest::emptyingTheBoxDisablesUntilTheNextTick() {
    PiEditing editing(true);
    QVERIFY(editing.send()->isEnabled());
    QTest::keyClick(editing.code(), Qt::Key_Backspace);
    QCOMPARE(editing.code()->text(), QString());
    QVERIFY(!editing.send()->isEnabled());

    editing.tick->fire();
    QVERIFY(editing.send()->isEnabled());
    QTest::mouseClick(editing.send(), Qt::LeftButton);
    QCOMPARE(editing.line.written(), piFrameBytes(1, 0));
}

void PiWindowTest::typingIntoATextEnablesWhileThePortIsOpen() {
    PiEditing editing(true);
    editing.code()->clear();
    editing.send()->setEnabled(false);
    QTest::keyClick(editing.code(), Qt::Key_3);
    QVERIFY2(!editing.send()->isEnabled(), "the box was empty before the key");
    QTest::keyClick(editing.code(), Qt::Key_A);
    QVERIFY2(editing.send()->isEnabled(), "the box held text before the key");
    QCOMPARE(editing.code()->text(), u"3"_s);

    editing.line.close();
    editing.send()->setEnabled(false);
    QTest::keyClick(editing.code(), Qt::Key_4);
    QVERIFY2(!editing.send()->isEnabled(), "the port is closed");
}

void PiWindowTest::sendWritesTheLow16BitsNeverZero_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::newRow("1") << u"1"_s << 0 << 1;
    QTest::newRow("4660") << u"4660"_s << 18 << 52;
    QTest::newRow("255") << u"255"_s << 0 << 255;
    QTest::newRow("256") << u"256"_s << 1 << 0;
    QTest::newRow("65535") << u"65535"_s << 255 << 255;
    QTest::newRow("65536 keeps the low bits, 0 goes out as 1") << u"65536"_s << 0 << 1;
    QTest::newRow("65537") << u"65537"_s << 0 << 1;
    QTest::newRow("70000") << u"70000"_s << 0x11 << 0x70;
    QTest::newRow("500 digits") << QString(500, u'1') << 113 << 199;
}

void PiWindowTest::sendWritesTheLow16BitsNeverZero() {
    QFETCH(QString, typed);
    QFETCH(int, high);
    QFETCH(int, low);
    PiEditing editing(true);
    editing.code()->clear();

    QTest::keyClicks(editing.code(), typed);
    QCOMPARE(editing.code()->text(), typed);
    QTest::mouseClick(editing.send(), Qt::LeftButton);
    QCOMPARE(editing.line.written(),
             piFrameBytes(static_cast<unsigned char>(low), static_cast<unsigned char>(high)));
}

void PiWindowTest::pastedTextIsReadByItsLeadingNumber_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::newRow("number and unit") << u"4660 Hz"_s << 18 << 52;
    QTest::newRow("no leading number") << u"PI 4660"_s << 0 << 1;
    QTest::newRow("zeros") << u"0000"_s << 0 << 1;
    QTest::newRow("minus one") << u"-1"_s << 255 << 255;
}

void PiWindowTest::pastedTextIsReadByItsLeadingNumber() {
    QFETCH(QString, pasted);
    QFETCH(int, high);
    QFETCH(int, low);
    PiEditing editing(true);
    editing.code()->clear();

    QApplication::clipboard()->setText(pasted);
    editing.code()->paste();
    QCOMPARE(editing.code()->text(), pasted);
    QTest::mouseClick(editing.send(), Qt::LeftButton);
    QCOMPARE(editing.line.written(),
             piFrameBytes(static_cast<unsigned char>(low), static_cast<unsigned char>(high)));
}

void PiWindowTest::clickAfterThePortClosedWritesNothing() {
    PiEditing editing(true);
    QVERIFY(editing.send()->isEnabled());
    editing.line.close();
    QTest::mouseClick(editing.send(), Qt::LeftButton);
    QVERIFY(editing.line.writes().empty());
}

VELMORA_TEST_MAIN(PiWindowTest)
#include "pi_window_test.moc"
