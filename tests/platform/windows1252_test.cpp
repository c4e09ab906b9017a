#include "platform/qt/windows1252.h"
#include "support/test_main.h"

#include <QTest>

using namespace velmora::platform;
using namespace Qt::StringLiterals;

class Windows1252Test : public QObject {
    Q_OBJECT

private slots:
    void everyByteRoundTrips() {
        std::string allBytes;
        for (int byte = 0; byte < 256; ++byte) {
            allBytes.push_back(static_cast<char>(byte));
        }
        const QString text = fromWindows1252(allBytes);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toWindows1252(text), allBytes);
        for (const QChar character : text) {
            QVERIFY(isWindows1252(character));
        }
    }

    void bytesMapToTheirCharacters_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QChar>("character");
        QTest::newRow("euro") << 0x80 << QChar(u'€');
        QTest::newRow("per mille") << 0x89 << QChar(u'‰');
        QTest::newRow("S caron") << 0x8A << QChar(u'Š');
        QTest::newRow("Y diaeresis") << 0x9F << QChar(u'Ÿ');
        QTest::newRow("undefined 0x81") << 0x81 << QChar(u'\u0081');
        QTest::newRow("undefined 0x9D") << 0x9D << QChar(u'\u009D');
        QTest::newRow("no-break space") << 0xA0 << QChar(u'\u00A0');
        QTest::newRow("e acute") << 0xE9 << QChar(u'é');
    }
    void bytesMapToTheirCharacters() {
        QFETCH(int, byte);
        QFETCH(QChar, character);
        const std::string bytes(1, static_cast<char>(byte));
        QCOMPARE(fromWindows1252(bytes), QString(character));
        QCOMPARE(toWindows1252(QString(character)), bytes);
    }

    void charactersOutsideTheCodePageAreUnrepresentable_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("C1 control 0x80") << u"\u0080"_s;
        QTest::newRow("A macron") << u"Ā"_s;
        QTest::newRow("Cyrillic") << u"Д"_s;
        QTest::newRow("emoji") << u"📻"_s;
    }
    void charactersOutsideTheCodePageAreUnrepresentable() {
        QFETCH(QString, text);
        QVERIFY(!isWindows1252(text.front()));
        QCOMPARE(toWindows1252(text), std::string(static_cast<std::size_t>(text.size()), '?'));
    }
};

VELMORA_TEST_MAIN(Windows1252Test)
#include "windows1252_test.moc"
