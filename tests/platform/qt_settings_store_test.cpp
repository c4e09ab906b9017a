#include "fakes/file_system_faults.h"
#include "platform/qt/qt_settings_store.h"
#include "support/test_main.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using velmora::fakes::FileSizeLimit;
using velmora::platform::QtSettingsStore;
using velmora::platform::Setting;

namespace {

// User names that plain section handling would mix up with other sections.
const std::vector<std::string> kOddNames{
    // clang-format off
    "a/b", "a\\b", "a", "b", "a/", "/a", "a//b", "[x]", "x", "a=b", "100%", "a;b", "#x",
    "met spatie", " ", "Jos\xE9", "\x80\x81\xFF", "*^Qentar^*", "General", "%General", "",
    "a-2Fb", "a.b", "a%2Fb", "-", "Opties/Titelbalk"
    // clang-format on
};

mode_t fileMode(const QString& path) {
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

} // namespace

class QtSettingsStoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;
    QTemporaryDir dir_;
    QString iniPath() const { return dir_.filePath(u"velmora.ini"_s); }

    void writeBaseline(QtSettingsStore& store) {
        QVERIFY(store.SaveSetting("Opties", "Titelbalk", "Radio Velmora"));
        QVERIFY(store.SaveSetting("Opties", "Bestanden", "/srv/zenders"));
        QVERIFY(store.SaveSetting("Decoder", "Programma", "10"));
        QVERIFY(store.SaveSetting("Compoort", "Compoort", "2"));
    }
    void verifyBaseline(const QtSettingsStore& store) {
        QCOMPARE(store.GetSetting("Opties", "Titelbalk"), "Radio Velmora");
        QCOMPARE(store.GetSetting("Opties", "Bestanden"), "/srv/zenders");
        QCOMPARE(store.GetSetting("Decoder", "Programma"), "10");
        QCOMPARE(store.GetSetting("Compoort", "Compoort"), "2");
    }

    // A copy under another name, so that its values come from disk and not
    // from what QSettings still holds in memory for the file.
    QString copyOfTheFile() const {
        const QString copy = dir_.filePath(u"kopie.ini"_s);
        QFile::remove(copy);
        return QFile::copy(iniPath(), copy) ? copy : QString();
    }

private slots:
    // Runs before anything else asks QSettings for its default folders.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path())); }

    void init() { QFile::remove(iniPath()); }

    void defaultFileIsNamedForTheExecutable() {
        const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QCOMPARE(QtSettingsStore().fileName(), home_.filePath(name + u'/' + name + u".ini"_s));
    }

    void everyUserNameKeepsASectionOfItsOwn() {
        QtSettingsStore store(iniPath());
        writeBaseline(store);
        for (std::size_t i = 0; i < kOddNames.size(); ++i) {
            QVERIFY(store.SaveSetting(kOddNames[i], "Wachtwoord", "geheim" + std::to_string(i)));
            QVERIFY(store.SaveSetting(kOddNames[i], "Bestand", "/zenders/" + std::to_string(i)));
        }
        verifyBaseline(store);
        for (std::size_t i = 0; i < kOddNames.size(); ++i) {
            QCOMPARE(store.GetSetting(kOddNames[i], "Wachtwoord"), "geheim" + std::to_string(i));
            QCOMPARE(store.GetSetting(kOddNames[i], "Bestand"), "/zenders/" + std::to_string(i));
        }
    }

    void emptySectionAndEmptyKeyStayApart() {
        QtSettingsStore store(iniPath());
        QVERIFY(store.SaveSetting("", "Opties", "lege sectie"));
        QVERIFY(store.SaveSetting("Opties", "", "lege sleutel"));
        QCOMPARE(store.GetSetting("", "Opties"), "lege sectie");
        QCOMPARE(store.GetSetting("Opties", ""), "lege sleutel");
    }

    // Lines QSettings cannot parse must not make every later save fail.
    void damagedFileIsStillWritten() {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Opties\nTitelbalk=oud\nzonder is-teken\n");
        file.close();
        QtSettingsStore store(iniPath());
        QVERIFY(store.SaveSetting("Decoder", "Programma", "3"));
        QCOMPARE(store.GetSetting("Decoder", "Programma"), "3");
    }

    void userNamedAfterASectionTouchesOnlyItsOwnKeys_data() {
        QTest::addColumn<QString>("user");
        QTest::newRow("Opties") << u"Opties"_s;
        QTest::newRow("Decoder") << u"Decoder"_s;
        QTest::newRow("Compoort") << u"Compoort"_s;
    }
    void userNamedAfterASectionTouchesOnlyItsOwnKeys() {
        QFETCH(QString, user);
        QtSettingsStore store(iniPath());
        writeBaseline(store);
        QVERIFY(store.SaveSetting(user.toStdString(), "Wachtwoord", "w"));
        QVERIFY(store.SaveSetting(user.toStdString(), "Bestand", "b"));
        verifyBaseline(store);
        QCOMPARE(store.GetSetting(user.toStdString(), "Wachtwoord"), "w");
    }

    void plainNamesStayReadableInTheFile() {
        QtSettingsStore store(iniPath());
        writeBaseline(store);
        QVERIFY(store.SaveSetting("strgebruikersnaam", "Bestand", "x"));
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        for (const char* section : {"[Opties]", "[Decoder]", "[Compoort]", "[strgebruikersnaam]"}) {
            QVERIFY2(text.contains(section), section);
        }
        QVERIFY(text.contains("Titelbalk="));
    }

    void valuesAndKeysKeepEveryByte_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray allBytes;
        for (int byte = 0; byte < 256; ++byte) {
            allBytes.append(static_cast<char>(byte));
        }
        QTest::newRow("all bytes") << allBytes;
        QTest::newRow("variant-like") << QByteArray("@Variant(\\0\\0)");
        QTest::newRow("list-like") << QByteArray("a, b,c");
        QTest::newRow("spaces around") << QByteArray("  Velmora  ");
        QTest::newRow("quotes and comment") << QByteArray("\"x\" ; y = z #");
        QTest::newRow("line ends") << QByteArray("een\r\ntwee\ndrie\r");
    }
    void valuesAndKeysKeepEveryByte() {
        QFETCH(QByteArray, bytes);
        QtSettingsStore store(iniPath());
        QVERIFY(store.SaveSetting("Opties", "Titelbalk", bytes.toStdString()));
        QVERIFY(store.SaveSetting("Opties", bytes.toStdString(), "sleutel"));
        QCOMPARE(store.GetSetting("Opties", "Titelbalk"), bytes.toStdString());
        QCOMPARE(store.GetSetting("Opties", bytes.toStdString()), "sleutel");
    }

    void absentKeyReadsEmpty() {
        QtSettingsStore store(iniPath());
        QCOMPARE(store.GetSetting("Decoder", "Frequentie"), "");
        writeBaseline(store);
        QCOMPARE(store.GetSetting("Decoder", "Frequentie"), "");
        QCOMPARE(store.GetSetting("Niemand", "Wachtwoord"), "");
    }

    // The file holds passwords: only its owner may read it, after every save.
    void fileIsPrivateToItsOwner() {
        QtSettingsStore store(iniPath());
        QVERIFY(store.SaveSetting("Opties", "Titelbalk", "a"));
        QCOMPARE(fileMode(iniPath()), mode_t{0600});
        QVERIFY(QFile::setPermissions(iniPath(),
                                      QFile::permissions(iniPath()) | QFileDevice::ReadOther));
        QVERIFY(store.SaveSetting("Opties", "Titelbalk", "b"));
        QCOMPARE(fileMode(iniPath()), mode_t{0600});
    }

    void valuesPersistInTheFile() {
        {
            QtSettingsStore store(iniPath());
            writeBaseline(store);
            QVERIFY(store.SaveSetting("a/b", "Wachtwoord", "Caf\xE9"));
            const std::array<Setting, 2> together{{{"Frequentie", "10"}, {"strProgint", "12"}}};
            QVERIFY(store.SaveSettings("Decoder", together));
        }
        const QtSettingsStore reopened(copyOfTheFile());
        verifyBaseline(reopened);
        QCOMPARE(reopened.GetSetting("a/b", "Wachtwoord"), "Caf\xE9");
        QCOMPARE(reopened.GetSetting("Decoder", "Frequentie"), "10");
        QCOMPARE(reopened.GetSetting("Decoder", "strProgint"), "12");
    }

    void unwritableLocationReportsFailure_data() {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("iniName");
        QTest::newRow("folder is a file") << u"geen-map"_s << u"geen-map/velmora.ini"_s;
        QTest::newRow("file is a folder") << u"map.ini"_s << u"map.ini"_s;
        QTest::newRow("read-only folder") << u"alleen-lezen"_s << u"alleen-lezen/velmora.ini"_s;
    }
    void unwritableLocationReportsFailure() {
        QFETCH(QString, blocker);
        QFETCH(QString, iniName);
        const QString blockerPath = dir_.filePath(blocker);
        if (blocker == u"geen-map"_s) {
            QFile file(blockerPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(blockerPath));
        }
        if (blocker == u"alleen-lezen"_s) {
            if (::geteuid() == 0) {
                QSKIP("root writes into read-only folders");
            }
            QVERIFY(
                QFile::setPermissions(blockerPath, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        QtSettingsStore store(dir_.filePath(iniName));
        const auto saved = store.SaveSetting("Opties", "Titelbalk", "x");
        QVERIFY(!saved);
        QVERIFY(!saved.reason().empty());
    }

    // QSettings alone would put as much of the new file as fits in place of
    // the old one, and go on answering from memory as if all was well.
    void fullDiskLeavesTheStoreAsItWas_data() {
        QTest::addColumn<bool>("oldFileFits");
        QTest::addColumn<bool>("severalKeys");
        QTest::newRow("full before the save") << false << false;
        QTest::newRow("full during the save") << true << false;
        QTest::newRow("full during a save of several keys") << true << true;
    }
    void fullDiskLeavesTheStoreAsItWas() {
        QFETCH(bool, oldFileFits);
        QFETCH(bool, severalKeys);
        const QTemporaryDir folder;
        const QString ini = folder.filePath(u"velmora.ini"_s);
        QtSettingsStore store(ini);
        writeBaseline(store);
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();

        auto saved = velmora::platform::Status::success();
        {
            const FileSizeLimit limit(
                static_cast<rlim_t>(oldFileFits ? old.size() + 16 : old.size() / 2));
            const std::string longValue(300, 'x');
            const std::array<Setting, 2> changes{
                {{"Bestanden", "/srv/nieuw"}, {"Titelbalk", longValue}}};
            saved = severalKeys ? store.SaveSettings("Opties", changes)
                                : store.SaveSetting("Opties", "Titelbalk", longValue);
        }

        QVERIFY(!saved);
        QVERIFY(!saved.reason().empty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"velmora.ini"_s});
        verifyBaseline(store);

        // The next save that succeeds writes its own change, not the lost one.
        file.close();
        QVERIFY(store.SaveSetting("Decoder", "Frequentie", "12"));
        verifyBaseline(store);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("xxx"));
    }

    // QSettings remembers its first error for good; a store must not.
    void saveWorksAgainOnceTheLocationIsWritable() {
        const QString folder = dir_.filePath(u"later"_s);
        {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        QtSettingsStore store(folder + u"/velmora.ini"_s);
        QVERIFY(!store.SaveSetting("Opties", "Titelbalk", "x"));
        QVERIFY(QFile::remove(folder));
        QVERIFY(store.SaveSetting("Opties", "Titelbalk", "y"));
        QCOMPARE(store.GetSetting("Opties", "Titelbalk"), "y");
    }
};

VELMORA_TEST_MAIN(QtSettingsStoreTest)
#include "qt_settings_store_test.moc"
