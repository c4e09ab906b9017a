// The log window: the newest lines, following as they come, the note that the
// log cannot be written, and the button that opens its folder.

#include "editors/log_window.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_log_file.h"
#include "support/test_main.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;
using velmora::editors::LogWindow;
using velmora::link::Journal;

class LogWindowTest : public QObject {
    Q_OBJECT

public slots:
    void open(const QUrl& url) { opened_.append(url); }

private slots:
    void followsTheNewestLine();
    void saysOnceThatTheLogCannotBeWritten();
    void opensTheFolderOfTheLog();

private:
    QList<QUrl> opened_;
};

// More earlier lines than fit: the list starts at the end and stays there.
void LogWindowTest::followsTheNewestLine() {
    velmora::fakes::FakeLogFile file;
    const velmora::fakes::FakeClock clock;
    for (int line = 0; line < 100; ++line) {
        file.earlier.push_back("2026-12-08 22:00:00 PI-code " + std::to_string(line) +
                               " verstuurd");
    }
    Journal journal(file, clock);
    LogWindow window(journal);
    window.show();
    auto* lines = window.findChild<QListWidget*>(u"lstLogboek"_s);
    QCOMPARE(lines->count(), 100);

    journal.record("Live radiotekst verstuurd: Caf\xE9");

    QCOMPARE(lines->count(), 101);
    QCOMPARE(lines->item(100)->text(), u"2000-01-01 00:00:00 Live radiotekst verstuurd: Café"_s);
    const QScrollBar* scrolled = lines->verticalScrollBar();
    QVERIFY(scrolled->maximum() > 0);
    QCOMPARE(scrolled->value(), scrolled->maximum());
}

// A failure before the window opened shows in it, and a later one adds nothing.
void LogWindowTest::saysOnceThatTheLogCannotBeWritten() {
    velmora::fakes::FakeLogFile file;
    const velmora::fakes::FakeClock clock;
    file.failure = "Geen ruimte meer op het apparaat";
    Journal journal(file, clock);
    journal.record("Verbinding verbroken");
    LogWindow window(journal);
    window.show();
    const auto* note = window.findChild<QLabel*>(u"lblStatus"_s);
    const QString said =
        u"Het logboek kon niet worden geschreven: Geen ruimte meer op het apparaat"_s;
    QCOMPARE(note->text(), said);
    QVERIFY(note->isVisible());

    journal.record("PI-code 1 verstuurd");

    QCOMPARE(note->text(), said);
    QCOMPARE(window.findChild<QListWidget*>(u"lstLogboek"_s)->count(), 2);
}

void LogWindowTest::opensTheFolderOfTheLog() {
    const QTemporaryDir state;
    velmora::fakes::FakeLogFile file;
    file.folderPath = state.filePath(u"velmora"_s).toStdString();
    const velmora::fakes::FakeClock clock;
    Journal journal(file, clock);
    LogWindow window(journal);
    QDesktopServices::setUrlHandler(u"file"_s, this, "open");

    window.findChild<QPushButton*>(u"cmdMapOpenen"_s)->click();

    QDesktopServices::unsetUrlHandler(u"file"_s);
    QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(state.filePath(u"velmora"_s))});
    QVERIFY(QFileInfo(state.filePath(u"velmora"_s)).isDir());
}

VELMORA_TEST_MAIN(LogWindowTest)
#include "log_window_test.moc"
