#include "platform/qt/qt_file_dialogs.h"
#include "support/test_main.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;
using namespace velmora::platform;

namespace {

// Runs the action on the file dialog once it shows, as a user would act.
void whenDialogShows(std::function<void(QFileDialog*)> action) {
    QTimer::singleShot(0, qApp, [action = std::move(action)] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

} // namespace

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
        QtFileDialogs dialogs(nullptr);
        QString title;
        QStringList filters;
        QString shownFolder;
        whenDialogShows([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            shownFolder = dialog->directory().absolutePath();
            dialog->selectFile(u"nieuwe zender"_s);
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
        });
        const auto chosen = dialogs.askFileToSave(
            {"Velmora", "Rds bestand (*.Rds)|*.Rds", folder.toStdString(), {}});
        QCOMPARE(chosen, std::optional(folder.toStdString() + "/nieuwe zender"));
        QCOMPARE(title, u"Velmora"_s);
        QCOMPARE(filters, QStringList{u"Rds bestand (*.Rds)"_s});
        QCOMPARE(shownFolder, folder);

        // The dialog remembers the last name; cancelling returns nothing.
        QString offeredName;
        whenDialogShows([&](QFileDialog* dialog) {
            offeredName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->reject();
        });
        QCOMPARE(dialogs.askFileToOpen({"Velmora", "", folder.toStdString(), {}}), std::nullopt);
        QCOMPARE(offeredName, u"nieuwe zender"_s);
    }
};

VELMORA_TEST_MAIN(QtFileDialogsTest)
#include "qt_file_dialogs_test.moc"
