#include "platform/qt/qt_file_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using velmora::platform::QtFileStore;

namespace {

QByteArray rawBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Files may not grow beyond limit bytes while it lives; this stops a write
// midway for any user, root included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

class QtFileStoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QtFileStore store_;

    std::string path(const QString& name) const { return dir_.filePath(name).toStdString(); }

private slots:
    void bytesGoToDiskAndBackUnchanged() {
        std::string bytes;
        for (int byte = 0; byte < 256; ++byte) {
            bytes.push_back(static_cast<char>(byte));
        }
        bytes += "\r\n\n\r\x1A";
        QVERIFY(store_.writeAtomically(path(u"alle.Rds"_s), bytes));
        QCOMPARE(rawBytes(dir_.filePath(u"alle.Rds"_s)).toStdString(), bytes);
        const auto read = store_.readAll(path(u"alle.Rds"_s));
        QVERIFY(read.status);
        QCOMPARE(read.bytes, bytes);
    }

    void shorterContentReplacesTheWholeFile() {
        writeRaw(dir_.filePath(u"kort.Rds"_s), QByteArray(447, 'x'));
        QVERIFY(store_.writeAtomically(path(u"kort.Rds"_s), "PS"));
        QCOMPARE(rawBytes(dir_.filePath(u"kort.Rds"_s)), QByteArray("PS"));
    }

    void unreadableFilesReportWhy_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << u"bestaat-niet.Rds"_s;
        QTest::newRow("folder") << u"map.Rds"_s;
    }
    void unreadableFilesReportWhy() {
        QFETCH(QString, name);
        QDir(dir_.path()).mkdir(u"map.Rds"_s);
        const auto read = store_.readAll(path(name));
        QVERIFY(!read.status);
        QVERIFY(!read.status.reason().empty());
        QVERIFY(read.bytes.empty());
    }

    void failedSaveLeavesTheOldFileAsItWas_data() {
        QTest::addColumn<QString>("cause");
        QTest::newRow("read-only folder") << u"read-only folder"_s;
        QTest::newRow("write stops midway") << u"write stops midway"_s;
    }
    void failedSaveLeavesTheOldFileAsItWas() {
        QFETCH(QString, cause);
        const QString folder = dir_.filePath(cause);
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + u"/zender.Rds"_s;
        const QByteArray old(447, 'o');
        writeRaw(file, old);
        const std::string replacement(64 * 1024, 'n');

        auto saved = velmora::platform::Status::success();
        if (cause == u"read-only folder"_s) {
            if (::geteuid() == 0) {
                QSKIP("root writes into read-only folders");
            }
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            saved = store_.writeAtomically(file.toStdString(), replacement);
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        } else {
            const FileSizeLimit limit(4096);
            saved = store_.writeAtomically(file.toStdString(), replacement);
        }
        QVERIFY(!saved);
        QVERIFY(!saved.reason().empty());
        QCOMPARE(rawBytes(file), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"zender.Rds"_s});
    }

    void missingFolderFailsWithAReason() {
        const auto saved = store_.writeAtomically(path(u"weg/zender.Rds"_s), "x");
        QVERIFY(!saved);
        QVERIFY(!saved.reason().empty());
    }
};

QTEST_GUILESS_MAIN(QtFileStoreTest)
#include "qt_file_store_test.moc"
