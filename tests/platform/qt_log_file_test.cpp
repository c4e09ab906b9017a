// The log on disk: where it lives, how it rotates, and what becomes of a log
// that cannot be written.

#include "platform/qt/qt_log_file.h"
#include "support/disk_files.h"
#include "support/test_main.h"

#include <QDir>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using velmora::platform::kLogFileSize;
using velmora::platform::QtLogFile;

class QtLogFileTest : public QObject {
    Q_OBJECT

private slots:
    void livesInTheStateFolder_data();
    void livesInTheStateFolder();
    void rotatesKeepingFiveFilesOfUtf8();
    void aLogThatCannotBeWrittenRefusesLines_data();
    void aLogThatCannotBeWrittenRefusesLines();

private:
    QTemporaryDir dir_;
};

void QtLogFileTest::livesInTheStateFolder_data() {
    QTest::addColumn<QByteArray>("stateHome");
    QTest::addColumn<QString>("folder");
    const QString home = QDir::homePath();
    QTest::newRow("XDG_STATE_HOME") << QByteArray("/var/tmp/staat") << u"/var/tmp/staat/velmora"_s;
    QTest::newRow("unset") << QByteArray() << home + u"/.local/state/velmora"_s;
    QTest::newRow("relative, so not used")
        << QByteArray("staat") << home + u"/.local/state/velmora"_s;
}

void QtLogFileTest::livesInTheStateFolder() {
    QFETCH(QByteArray, stateHome);
    QFETCH(QString, folder);
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    if (stateHome.isNull()) {
        qunsetenv("XDG_STATE_HOME");
    } else {
        qputenv("XDG_STATE_HOME", stateHome);
    }
    const QString found = velmora::platform::stateFolder();
    qputenv("XDG_STATE_HOME", saved);
    QCOMPARE(found, folder);
}

// Six and a half MiB of lines with characters beyond ASCII: logboek.txt and
// the five before it, each within its size and all of it UTF-8; a new run
// starts its window with the newest lines.
void QtLogFileTest::rotatesKeepingFiveFilesOfUtf8() {
    const QString folder = dir_.filePath(u"log"_s);
    QtLogFile log(folder);
    const std::string text = "Live radiotekst verstuurd: Caf\xE9 \x80 " + std::string(150, 'x');
    int lines = 0;
    for (std::size_t written = 0; written < kLogFileSize * 13 / 2; written += text.size() + 10) {
        QVERIFY(log.append(text + ' ' + std::to_string(++lines)).ok());
    }

    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, (QStringList{u"logboek.1.txt"_s, u"logboek.2.txt"_s, u"logboek.3.txt"_s,
                                 u"logboek.4.txt"_s, u"logboek.5.txt"_s, u"logboek.txt"_s}));
    for (const QString& file : files) {
        const QByteArray bytes = velmora::testing::fileBytes(folder + u'/' + file);
        QVERIFY2(bytes.size() <= qsizetype{kLogFileSize}, qPrintable(file));
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(bytes);
        QVERIFY2(!utf8.hasError(), qPrintable(file));
        QVERIFY(decoded.startsWith(u"Live radiotekst verstuurd: Café € x"_s));
    }
    const std::string last = text + ' ' + std::to_string(lines);
    QCOMPARE(QtLogFile(folder).lastLines(1), std::vector<std::string>{last});
    QCOMPARE(QtLogFile(folder).lastLines(300).size(), std::size_t{300});
}

// Neither a crash nor a wait: a pipe in place of the file would hold up a
// writer until somebody reads it.
void QtLogFileTest::aLogThatCannotBeWrittenRefusesLines_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("folder below a file") << u"file"_s;
    QTest::newRow("pipe in place of the file") << u"pipe"_s;
}

void QtLogFileTest::aLogThatCannotBeWrittenRefusesLines() {
    QFETCH(QString, obstacle);
    const QString place = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QString folder = place;
    if (obstacle == u"file"_s) {
        QVERIFY(velmora::testing::writeFile(place, "geen map"));
        folder += u"/velmora"_s;
    } else {
        QVERIFY(QDir().mkpath(place));
        QCOMPARE(::mkfifo(QFile::encodeName(place + u"/logboek.txt"_s).constData(), 0600), 0);
    }
    QtLogFile log(folder);

    const velmora::platform::Status first = log.append("Verbonden met RX-UNIT1");
    QVERIFY(!first.ok());
    QVERIFY(!first.reason().empty());
    QCOMPARE(log.append("PI-code 4660 verstuurd").reason(), first.reason());
    QVERIFY(log.lastLines(10).empty());
}

VELMORA_TEST_MAIN(QtLogFileTest)
#include "qt_log_file_test.moc"
