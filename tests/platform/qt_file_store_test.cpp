#include "fakes/file_system_faults.h"
#include "platform/qt/qt_file_store.h"
#include "station/station_file.h"
#include "support/disk_files.h"
#include "support/test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <optional>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using velmora::fakes::FileSizeLimit;
using velmora::fakes::OrdinaryFileAccess;
using velmora::platform::QtFileStore;
using velmora::testing::fileBytes;
using velmora::testing::writeFile;

namespace {

constexpr auto kReadableByAll =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr auto kWritableByAll =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
constexpr auto kEveryoneAll = kReadableByAll | kWritableByAll | QFileDevice::ExeOwner |
                              QFileDevice::ExeGroup | QFileDevice::ExeOther;

} // namespace

class QtFileStoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QtFileStore store_;

    std::string path(const QString& name) const { return dir_.filePath(name).toStdString(); }

    static bool ordinaryAccessHolds() { return OrdinaryFileAccess().holds(); }

    // Saves with the folder closed to new files, checked as an ordinary user
    // even when the tests run as root.
    velmora::platform::Status saveInLockedFolder(const QString& folder, const QString& file,
                                                 const std::string& bytes) {
        const auto openToAll = kReadableByAll | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                               QFileDevice::ExeGroup | QFileDevice::ExeOther;
        if (!QFile::setPermissions(dir_.path(), openToAll) ||
            !QFile::setPermissions(folder, openToAll & ~QFileDevice::WriteOwner)) {
            return velmora::platform::Status::failure("rechten niet te zetten");
        }
        velmora::platform::Status saved = velmora::platform::Status::success();
        {
            const OrdinaryFileAccess access;
            saved = store_.writeAtomically(file.toStdString(), bytes);
        }
        QFile::setPermissions(folder, openToAll);
        return saved;
    }

private slots:
    void bytesGoToDiskAndBackUnchanged() {
        std::string bytes;
        for (int byte = 0; byte < 256; ++byte) {
            bytes.push_back(static_cast<char>(byte));
        }
        bytes += "\r\n\n\r\x1A";
        QVERIFY(store_.writeAtomically(path(u"alle.Rds"_s), bytes));
        QCOMPARE(fileBytes(dir_.filePath(u"alle.Rds"_s)).toStdString(), bytes);
        const auto read = store_.readStart(path(u"alle.Rds"_s), bytes.size());
        QVERIFY(read.status);
        QCOMPARE(read.bytes, bytes);
    }

    void shorterContentReplacesTheWholeFile() {
        QVERIFY(writeFile(dir_.filePath(u"kort.Rds"_s), QByteArray(447, 'x')));
        QVERIFY(store_.writeAtomically(path(u"kort.Rds"_s), "PS"));
        QCOMPARE(fileBytes(dir_.filePath(u"kort.Rds"_s)), QByteArray("PS"));
    }

    // What stands at the path, how many bytes a regular file holds there, and
    // what reading it as a station file gives: the sets of its first 447
    // bytes, or the reason it cannot be read (any reason when empty).
    void stationFileReaderTakesOnlyWhatItUses_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("refusal");
        const QString anyReason;
        const QString notRegular = QString::fromLatin1(velmora::platform::kNotARegularFile);
        QTest::newRow("regular") << u"file"_s << qint64{447} << QString();
        QTest::newRow("short") << u"file"_s << qint64{60} << QString();
        QTest::newRow("long") << u"file"_s << qint64{4096} << QString();
        QTest::newRow("huge sparse") << u"sparse"_s << (qint64{6} << 30) << QString();
        QTest::newRow("pipe") << u"pipe"_s << qint64{0} << notRegular;
        QTest::newRow("folder") << u"folder"_s << qint64{0} << notRegular;
        QTest::newRow("missing") << u"missing"_s << qint64{0} << anyReason;
        QTest::newRow("no permission") << u"locked"_s << qint64{447} << anyReason;
    }
    void stationFileReaderTakesOnlyWhatItUses() {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(QString, refusal);
        const QString file = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QByteArray start;
        for (qint64 at = 0; at < std::min<qint64>(size, 4096); ++at) {
            start.append(static_cast<char>(at % 251));
        }
        if (kind == u"file"_s || kind == u"locked"_s) {
            QVERIFY(writeFile(file, start));
        } else if (kind == u"sparse"_s) {
            QVERIFY(writeFile(file, start));
            QVERIFY(QFile::resize(file, size));
        } else if (kind == u"pipe"_s) {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (kind == u"folder"_s) {
            QVERIFY(QDir().mkdir(file));
        }
        std::optional<OrdinaryFileAccess> ordinary;
        if (kind == u"locked"_s) {
            if (!ordinaryAccessHolds()) {
                QSKIP("file permissions cannot be made to hold for root here");
            }
            QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions{}));
            ordinary.emplace();
        }
        const auto read = velmora::station::readStationFile(store_, file.toStdString());
        ordinary.reset();
        if (size > 0 && kind != u"locked"_s) {
            QVERIFY2(read.status, read.status.reason().c_str());
            QVERIFY(read.sets ==
                    velmora::station::parseStationFile(
                        start.first(std::min<qint64>(start.size(), 447)).toStdString()));
            return;
        }
        QVERIFY(!read.status);
        QVERIFY(!read.status.reason().empty());
        if (!refusal.isEmpty()) {
            QCOMPARE(QString::fromStdString(read.status.reason()), refusal);
        }
    }

    void failedSaveLeavesTheOldFileAsItWas_data() {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<int>("size");
        QTest::newRow("read-only file in a locked folder") << u"read-only file"_s << 447;
        QTest::newRow("write of 64 KiB stops midway") << u"write stops midway"_s << 64 * 1024;
        // Small enough to sit in a write buffer until the commit.
        QTest::newRow("write of a station file stops midway") << u"write stops midway"_s << 447;
    }
    void failedSaveLeavesTheOldFileAsItWas() {
        QFETCH(QString, cause);
        QFETCH(int, size);
        const QString folder = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + u"/zender.Rds"_s;
        const QByteArray old(447, 'o');
        QVERIFY(writeFile(file, old));
        const std::string replacement(static_cast<std::size_t>(size), 'n');

        auto saved = velmora::platform::Status::success();
        if (cause == u"read-only file"_s) {
            if (!ordinaryAccessHolds()) {
                QSKIP("file permissions cannot be made to hold for root here");
            }
            QVERIFY(QFile::setPermissions(file, kReadableByAll));
            saved = saveInLockedFolder(folder, file, replacement);
        } else {
            const FileSizeLimit limit(static_cast<rlim_t>(size / 4));
            saved = store_.writeAtomically(file.toStdString(), replacement);
        }
        QVERIFY(!saved);
        QVERIFY(!saved.reason().empty());
        QCOMPARE(fileBytes(file), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"zender.Rds"_s});
    }

    // As in a shared station folder: nobody may add files, everybody may
    // write the station file itself.
    void lockedFolderStillLetsItsWritableFileBeSaved() {
        if (!ordinaryAccessHolds()) {
            QSKIP("file permissions cannot be made to hold for root here");
        }
        const QString folder = dir_.filePath(u"gedeeld"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + u"/zender.Rds"_s;
        QVERIFY(writeFile(file, QByteArray(447, 'o')));
        QVERIFY(QFile::setPermissions(file, kReadableByAll | kWritableByAll));

        const auto saved = saveInLockedFolder(folder, file, "nieuw");
        QVERIFY2(saved, saved.reason().c_str());
        QCOMPARE(fileBytes(file), QByteArray("nieuw"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"zender.Rds"_s});
    }

    // The replacement is a new file; it must not open the station file to
    // others, nor close it to the group that shares it.
    void saveKeepsTheFilesPermissions_data() {
        QTest::addColumn<uint>("permissions");
        QTest::newRow("owner only") << uint(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QTest::newRow("shared with the group")
            << uint(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                    QFileDevice::WriteGroup | QFileDevice::ReadOther);
    }
    void saveKeepsTheFilesPermissions() {
        QFETCH(uint, permissions);
        const QString file = dir_.filePath(u"rechten.Rds"_s);
        QVERIFY(writeFile(file, "oud"));
        const auto wanted = QFileDevice::Permissions::fromInt(permissions);
        QVERIFY(QFile::setPermissions(file, wanted));
        QVERIFY(store_.writeAtomically(file.toStdString(), "nieuw"));
        QCOMPARE(fileBytes(file), QByteArray("nieuw"));
        QCOMPARE(QFile::permissions(file) & kEveryoneAll, wanted);
    }

    void missingFolderFailsWithAReason() {
        const auto saved = store_.writeAtomically(path(u"weg/zender.Rds"_s), "x");
        QVERIFY(!saved);
        QVERIFY(!saved.reason().empty());
    }
};

VELMORA_TEST_MAIN(QtFileStoreTest)
#include "qt_file_store_test.moc"
