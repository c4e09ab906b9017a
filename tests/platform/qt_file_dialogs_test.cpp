#include "platform/qt/qt_file_dialogs.h"
#include "support/modal_watcher.h"
#include "support/test_main.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace velmora::platform;
using velmora::testing::Answer;
using velmora::testing::ModalWatcher;

class QtFileDialogsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home_;

private slots:
    void initTestCase() { qputenv("HOME", QFile::encodeName(home_.path())); }

    void filtersBecomeQtNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("station files")
            << u"Rds bestand (*.Rds)|*.Rds"_s << QStringList{u"Rds bestand (*.Rds)"_s};
        QTest::newRow("trailing bar")
            << u"Rds bestand (*.Rds)|*.Rds|"_s << QStringList{u"Rds bestand (*.Rds)"_s};
        QTest::newRow("bare description and two patterns")
            << u"Tekst|*.txt;*.Rds|Alle bestanden (*.*)|*.*"_s
            << QStringList{u"Tekst (*.txt *.Rds)"_s, u"Alle bestanden (*.*)"_s};
        QTest::newRow("empty") << QString() << QStringList();
    }
    void filtersBecomeQtNameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(nameFilters(filter.toStdString()), expected);
    }

    void defaultStationFolderIsUnderHome() {
        QCOMPARE(defaultStationFolder(), home_.filePath(u"Tarvo/Velmora"_s));
    }

    void startFolderFallsBackToAnExistingFolder_data() {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default, not there yet") << QString() << home_.path();
        QTest::newRow("existing folder")
            << home_.filePath(u"zenders"_s) << home_.filePath(u"zenders"_s);
        QTest::newRow("file in a folder")
            << home_.filePath(u"zenders/a.Rds"_s) << home_.filePath(u"zenders"_s);
        QTest::newRow("missing folders")
            << home_.filePath(u"zenders/x/y"_s) << home_.filePath(u"zenders"_s);
    }
    void startFolderFallsBackToAnExistingFolder() {
        QFETCH(QString, requested);
        QFETCH(QString, expected);
        QDir(home_.path()).mkdir(u"zenders"_s);
        QCOMPARE(startFolder(requested), expected);
    }

    void saveDialogReturnsTheTypedNameWithoutExtension() {
        QDir(home_.path()).mkdir(u"zenders"_s);
        const QString folder = home_.filePath(u"zenders"_s);
        QtFileDialogs dialogs;
        QStringList filters;
        QString shownFolder;
        ModalWatcher user([&](QWidget& window) {
            auto* dialog = qobject_cast<QFileDialog*>(&window);
            if (dialog == nullptr) {
                return Answer::close();
            }
            filters = dialog->nameFilters();
            shownFolder = dialog->directory().absolutePath();
            dialog->selectFile(u"nieuwe zender"_s);
            return Answer::accept();
        });
        const auto chosen = dialogs.askFileToSave(
            {"Velmora", "Rds bestand (*.Rds)|*.Rds", folder.toStdString(), {}});
        QCOMPARE(chosen, std::optional(folder.toStdString() + "/nieuwe zender"));
        QCOMPARE(user.closed().size(), 1);
        QCOMPARE(user.closed().constFirst().caption, u"Velmora"_s);
        QCOMPARE(filters, QStringList{u"Rds bestand (*.Rds)"_s});
        QCOMPARE(shownFolder, folder);

        // The dialog remembers the last name; closing it returns nothing.
        QString offeredName;
        user.setReaction([&](QWidget& window) {
            if (auto* dialog = qobject_cast<QFileDialog*>(&window)) {
                offeredName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            }
            return Answer::close();
        });
        QCOMPARE(dialogs.askFileToOpen({"Velmora", "", folder.toStdString(), {}}), std::nullopt);
        QCOMPARE(user.closed().size(), 2);
        QCOMPARE(offeredName, u"nieuwe zender"_s);
    }
};

VELMORA_TEST_MAIN(QtFileDialogsTest)
#include "qt_file_dialogs_test.moc"
