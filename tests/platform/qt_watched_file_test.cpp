// The file the playout system writes, followed on disk: what is read of it,
// and which changes are told.

#include "platform/qt/qt_watched_file.h"
#include "support/test_main.h"
#include "support/wait.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using velmora::platform::QtWatchedFile;
using velmora::testing::kDeadlineMs;

class QtWatchedFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsOnlyTheStartOfARegularFile();
    void tellsOfRewritesRenamesAndRemoval();

private:
    bool write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }

    QTemporaryDir folder_;
};

// A named pipe without a writer would block the window on opening.
void QtWatchedFileTest::readsOnlyTheStartOfARegularFile() {
    const QString file = folder_.filePath(u"nu.txt"_s);
    const QString pipe = folder_.filePath(u"pijp"_s);
    QVERIFY(write(file, QByteArray(10000, 'x')));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QtWatchedFile watched;

    watched.follow(file.toStdString());
    QCOMPARE(watched.readStart(4096), std::string(4096, 'x'));
    watched.follow(pipe.toStdString());
    QCOMPARE(watched.readStart(4096), std::nullopt);
    watched.follow(folder_.filePath(u"er-niet.txt"_s).toStdString());
    QCOMPARE(watched.readStart(4096), std::nullopt);
    watched.follow({});
    QCOMPARE(watched.readStart(4096), std::nullopt);
}

void QtWatchedFileTest::tellsOfRewritesRenamesAndRemoval() {
    const QString path = folder_.filePath(u"titel.txt"_s);
    QVERIFY(write(path, "Een\n"));
    QtWatchedFile watched;
    int changes = 0;
    watched.setChangedHandler([&] { ++changes; });
    watched.follow(path.toStdString());

    QVERIFY(write(path, "Twee\n"));
    VELMORA_TRY_VERIFY(watched.readStart(64) == "Twee\n", kDeadlineMs);
    VELMORA_TRY_VERIFY(changes > 0, kDeadlineMs);

    changes = 0;
    QSaveFile replacement(path);
    QVERIFY(replacement.open(QIODevice::WriteOnly));
    replacement.write("Drie\n");
    QVERIFY(replacement.commit());
    VELMORA_TRY_VERIFY(changes > 0, kDeadlineMs);
    QCOMPARE(watched.readStart(64), "Drie\n");

    // The new file is followed as the old one was.
    changes = 0;
    QVERIFY(write(path, "Vier\n"));
    VELMORA_TRY_VERIFY(changes > 0, kDeadlineMs);

    changes = 0;
    QVERIFY(QFile::remove(path));
    VELMORA_TRY_VERIFY(changes > 0, kDeadlineMs);
    QCOMPARE(watched.readStart(64), std::nullopt);
}

VELMORA_TEST_MAIN(QtWatchedFileTest)
#include "qt_watched_file_test.moc"
