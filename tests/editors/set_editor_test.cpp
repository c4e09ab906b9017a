#include "editors/set_editor.h"
#include "fakes/recording_main_window.h"
#include "platform/qt/windows1252.h"
#include "support/tab_order.h"
#include "support/test_main.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>

using namespace Qt::StringLiterals;
using velmora::editors::SetEditor;
using velmora::editors::SetEditorForm;
using velmora::station::SetKind;

namespace {

const SetEditorForm& formOf(SetKind kind) {
    return kind == SetKind::ProgrammeService ? velmora::editors::kProgrammeServiceForm
                                             : velmora::editors::kRadiotextForm;
}

std::string entry(const std::string& name, int width, char flag) {
    std::string text = name;
    text.resize(static_cast<std::size_t>(width), ' ');
    return text + flag + "\r\n";
}

std::string repeated(const std::string& text, int count) {
    std::string all;
    for (int k = 0; k < count; ++k) {
        all += text;
    }
    return all;
}

// Types each character as a key press, outside Latin-1 too.
void typeText(QWidget& box, const QString& text) {
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = text.at(at).isHighSurrogate() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text.mid(at, length));
        QApplication::sendEvent(&box, &press);
        at += length;
    }
}

// An editor on a document holding one set.
struct Editing {
    explicit Editing(SetKind setKind, const std::string& set = {}) : kind(setKind) {
        if (!set.empty()) {
            document.replaceSet(kind, set);
        }
        document.setModified(false);
        editor = std::make_unique<SetEditor>(formOf(kind), document);
    }

    QLineEdit* name(int k) const {
        return editor->findChild<QLineEdit*>(formOf(kind).boxName.toString() + u'_' +
                                             QString::number(k));
    }
    QCheckBox* active(int k) const {
        return editor->findChild<QCheckBox*>(formOf(kind).checkName.toString() + u'_' +
                                             QString::number(k));
    }
    QPushButton* button(const QString& objectName) const {
        return editor->findChild<QPushButton*>(objectName);
    }
    void showActive() const {
        editor->show();
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    }

    SetKind kind;
    velmora::fakes::RecordingMainWindow mainWindow;
    velmora::station::Document document{mainWindow};
    std::unique_ptr<SetEditor> editor;
};

} // namespace

class SetEditorTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesAndOrder_data();
    void controlsCarryTheirNamesAndOrder();
    void openingTakesTheSetApart_data();
    void openingTakesTheSetApart();
    void applyComposesTheSetFromTheBoxes_data();
    void applyComposesTheSetFromTheBoxes();
    void applyShowsThePaddedNames();
    void okAppliesAndCloses();
    void cancelLeavesTheSetButNotTheModifiedFlag();
    void focusEmptiesOnlyAFullRowOfSpaces_data();
    void focusEmptiesOnlyAFullRowOfSpaces();
    void firstBoxTakesTheFocusOnShow();
    void textChangesMarkTheDocumentModified();
    void boxesTakeOnlyCodePageCharactersUpToTheWidth_data();
    void boxesTakeOnlyCodePageCharactersUpToTheWidth();
    void pastedTextIsHeldToTheCodePage();
};

void SetEditorTest::controlsCarryTheirNamesAndOrder_data() {
    QTest::addColumn<SetKind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientTwips");
    QTest::newRow("programme service")
        << SetKind::ProgrammeService << u"Programmaservice"_s << QSize(6855, 3135);
    QTest::newRow("radiotext") << SetKind::Radiotext << u"Radiotekst"_s << QSize(10800, 3105);
}

void SetEditorTest::controlsCarryTheirNamesAndOrder() {
    QFETCH(SetKind, kind);
    QFETCH(QString, caption);
    QFETCH(QSize, clientTwips);
    const Editing editing(kind);
    const SetEditor& editor = *editing.editor;
    const int count = velmora::station::layoutOf(kind).entryCount;

    QCOMPARE(editor.windowTitle(), caption);
    QCOMPARE(editor.size(),
             velmora::widgets::twipsToSize(clientTwips.width(), clientTwips.height(), &editor));
    QStringList expectedOrder;
    for (int k = 0; k < count; ++k) {
        QVERIFY(editing.name(k) != nullptr);
        expectedOrder << editing.name(k)->objectName();
    }
    for (int k = 0; k < count; ++k) {
        QVERIFY(editing.active(k) != nullptr);
        QCOMPARE(editing.active(k)->text(), u"Actief"_s);
        expectedOrder << editing.active(k)->objectName();
    }
    QVERIFY(editing.name(count) == nullptr);
    expectedOrder << u"cmdOk"_s << u"cmdToepassen"_s << u"cmdAnnuleren"_s;
    QCOMPARE(editing.button(u"cmdOk"_s)->text(), u"&Ok"_s);
    QCOMPARE(editing.button(u"cmdToepassen"_s)->text(), u"&Toepassen"_s);
    QCOMPARE(editing.button(u"cmdAnnuleren"_s)->text(), u"&Annuleren"_s);

    QCOMPARE(velmora::testing::tabOrder(editor, *editing.name(0)), expectedOrder);
}

void SetEditorTest::openingTakesTheSetApart_data() {
    QTest::addColumn<SetKind>("kind");
    QTest::addColumn<std::string>("set");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("actives");
    const QStringList noNames(10, QString());

    QTest::newRow("empty set: empty and unchecked")
        << SetKind::ProgrammeService << std::string() << noNames << QList<bool>(10, false);
    QStringList names = noNames;
    names[0] = u"RADIO 1 "_s;
    names[1] = u"        "_s;
    names[2] = u"Caf\u00e9 \u20ac  "_s;
    names[3] = u"ABCDEFGH"_s;
    names[4] = u"Flag 2  "_s;
    names[5] = u"Flag x  "_s;
    for (int k = 6; k < 10; ++k) {
        names[k] = u"        "_s;
    }
    QTest::newRow("defined set; every flag but 0 reads as active")
        << SetKind::ProgrammeService
        << entry("RADIO 1", 8, '1') + entry("", 8, '0') + entry("Caf\xe9 \x80", 8, '0') +
               entry("ABCDEFGH", 8, '1') + entry("Flag 2", 8, '2') + entry("Flag x", 8, 'x') +
               repeated(entry("", 8, '0'), 4)
        << names << QList<bool>{true, false, false, true, true, true, false, false, false, false};
    QStringList shortNames = noNames;
    shortNames[0] = u"RADIO   "_s;
    shortNames[1] = u"AB"_s;
    QTest::newRow("short set: missing names empty, missing flags active")
        << SetKind::ProgrammeService << entry("RADIO", 8, '0') + "AB" << shortNames
        << QList<bool>{false, true, true, true, true, true, true, true, true, true};
    QTest::newRow("radiotext") << SetKind::Radiotext
                               << entry("Nieuws om 12 uur", 64, '1') +
                                      entry(std::string(64, 'x'), 64, '0') + "Kort"
                               << QStringList{u"Nieuws om 12 uur"_s.leftJustified(64),
                                              QString(64, u'x'), u"Kort"_s, QString(), QString()}
                               << QList<bool>{true, false, true, true, true};
}

void SetEditorTest::openingTakesTheSetApart() {
    QFETCH(SetKind, kind);
    QFETCH(std::string, set);
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, actives);
    const Editing editing(kind, set);

    for (int k = 0; k < names.size(); ++k) {
        QCOMPARE(editing.name(k)->text(), names[k]);
        QCOMPARE(editing.active(k)->isChecked(), actives[k]);
    }
    QCOMPARE(editing.document.set(kind), set);
}

void SetEditorTest::applyComposesTheSetFromTheBoxes_data() {
    QTest::addColumn<SetKind>("kind");
    QTest::addColumn<std::string>("set");
    QTest::addColumn<std::string>("composed");
    const std::string defined = entry("RADIO 1", 8, '1') + entry("\x80\xe9\xff", 8, '0') +
                                repeated(entry("", 8, '0'), 7) + entry("ABCDEFGH", 8, '1');

    QTest::newRow("defined set comes back unchanged")
        << SetKind::ProgrammeService << defined << defined;
    QTest::newRow("empty set gives ten empty, inactive entries")
        << SetKind::ProgrammeService << std::string() << repeated(entry("", 8, '0'), 10);
    QTest::newRow("flag 2 is written as 1")
        << SetKind::ProgrammeService << entry("A", 8, '2') + repeated(entry("", 8, '0'), 9)
        << entry("A", 8, '1') + repeated(entry("", 8, '0'), 9);
    QTest::newRow("short set is written in full length")
        << SetKind::ProgrammeService << entry("RADIO", 8, '0') + "AB"
        << entry("RADIO", 8, '0') + entry("AB", 8, '1') + repeated(entry("", 8, '1'), 8);
    QTest::newRow("empty radiotext set")
        << SetKind::Radiotext << std::string() << repeated(entry("", 64, '0'), 5);
    const std::string fullText = entry(std::string(63, 'a') + "z", 64, '1');
    QTest::newRow("a text of 64 characters is written unchanged")
        << SetKind::Radiotext << fullText + repeated(entry("", 64, '0'), 4)
        << fullText + repeated(entry("", 64, '0'), 4);
}

void SetEditorTest::applyComposesTheSetFromTheBoxes() {
    QFETCH(SetKind, kind);
    QFETCH(std::string, set);
    QFETCH(std::string, composed);
    const Editing editing(kind, set);

    QTest::mouseClick(editing.button(u"cmdToepassen"_s), Qt::LeftButton);
    QCOMPARE(editing.document.set(kind), composed);
    QTest::mouseClick(editing.button(u"cmdToepassen"_s), Qt::LeftButton);
    QCOMPARE(editing.document.set(kind), composed);
}

void SetEditorTest::applyShowsThePaddedNames() {
    const Editing editing(SetKind::ProgrammeService);
    QTest::keyClicks(editing.name(2), u"RADIO"_s);
    editing.active(2)->setChecked(true);

    QTest::mouseClick(editing.button(u"cmdToepassen"_s), Qt::LeftButton);
    QCOMPARE(editing.name(2)->text(), u"RADIO   "_s);
    QCOMPARE(editing.name(0)->text(), u"        "_s);
    QCOMPARE(editing.document.programmeServiceSet().substr(22, 11), std::string("RADIO   1\r\n"));
    QCOMPARE(editing.document.programmeServiceSet().size(), 110U);
}

void SetEditorTest::okAppliesAndCloses() {
    const Editing editing(SetKind::Radiotext);
    editing.editor->show();
    QTest::keyClicks(editing.name(4), u"Tot straks"_s);

    QTest::mouseClick(editing.button(u"cmdOk"_s), Qt::LeftButton);
    QVERIFY(!editing.editor->isVisible());
    QCOMPARE(editing.document.radiotextSet(),
             repeated(entry("", 64, '0'), 4) + entry("Tot straks", 64, '0'));
}

void SetEditorTest::cancelLeavesTheSetButNotTheModifiedFlag() {
    const std::string set = repeated(entry("OLD", 8, '1'), 10);
    Editing editing(SetKind::ProgrammeService, set);
    editing.editor->show();
    editing.document.setModified(false);
    editing.name(3)->clear();
    QTest::keyClicks(editing.name(3), u"NEW"_s);

    QTest::mouseClick(editing.button(u"cmdAnnuleren"_s), Qt::LeftButton);
    QVERIFY(!editing.editor->isVisible());
    QCOMPARE(editing.document.programmeServiceSet(), set);
    QVERIFY(editing.document.isModified());
}

void SetEditorTest::focusEmptiesOnlyAFullRowOfSpaces_data() {
    QTest::addColumn<SetKind>("kind");
    QTest::addColumn<std::string>("name");
    QTest::addColumn<QString>("afterFocus");
    QTest::newRow("8 spaces") << SetKind::ProgrammeService << std::string(8, ' ') << QString();
    QTest::newRow("letters with trailing spaces")
        << SetKind::ProgrammeService << std::string("AB      ") << u"AB      "_s;
    QTest::newRow("7 spaces of a short set")
        << SetKind::ProgrammeService << std::string(7, ' ') << u"       "_s;
    QTest::newRow("64 spaces") << SetKind::Radiotext << std::string(64, ' ') << QString();
    QTest::newRow("text with trailing spaces")
        << SetKind::Radiotext << std::string("Hallo") + std::string(59, ' ')
        << u"Hallo"_s.leftJustified(64);
}

void SetEditorTest::focusEmptiesOnlyAFullRowOfSpaces() {
    QFETCH(SetKind, kind);
    QFETCH(std::string, name);
    QFETCH(QString, afterFocus);
    const int width = velmora::station::layoutOf(kind).nameWidth;
    // The box under test is entry 1, with a named entry 0 to take the first focus.
    const std::string set = entry("First", width, '1') + name;
    const Editing editing(kind, set);
    editing.showActive();
    QCOMPARE(QApplication::focusWidget(), editing.name(0));

    editing.name(1)->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), editing.name(1));
    QCOMPARE(editing.name(1)->text(), afterFocus);
}

void SetEditorTest::firstBoxTakesTheFocusOnShow() {
    const Editing editing(SetKind::ProgrammeService, repeated(entry("", 8, '1'), 10));
    editing.showActive();

    QCOMPARE(QApplication::focusWidget(), editing.name(0));
    QCOMPARE(editing.name(0)->text(), QString());
    QCOMPARE(editing.name(1)->text(), u"        "_s);
}

void SetEditorTest::textChangesMarkTheDocumentModified() {
    const Editing onEmpty(SetKind::ProgrammeService);
    onEmpty.showActive();
    QVERIFY2(!onEmpty.document.isModified(), "nothing to fill, nothing to clear");
    onEmpty.active(4)->click();
    QVERIFY2(!onEmpty.document.isModified(), "an \"Actief\" box alone");
    QTest::keyClick(onEmpty.name(0), Qt::Key_X);
    QVERIFY2(onEmpty.document.isModified(), "typing");

    const Editing onDefined(SetKind::Radiotext, repeated(entry("Tekst", 64, '1'), 5));
    QVERIFY2(onDefined.document.isModified(), "filling on opening");

    Editing onEmptyEntries(SetKind::Radiotext, repeated(entry("", 64, '0'), 5));
    onEmptyEntries.document.setModified(false);
    onEmptyEntries.showActive();
    QVERIFY2(onEmptyEntries.document.isModified(), "clearing on focus");
}

void SetEditorTest::boxesTakeOnlyCodePageCharactersUpToTheWidth_data() {
    QTest::addColumn<SetKind>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("at most 8") << SetKind::ProgrammeService << u"123456789"_s << u"12345678"_s;
    QTest::newRow("at most 64") << SetKind::Radiotext << QString(70, u'r') << QString(64, u'r');
    QTest::newRow("code page letters")
        << SetKind::ProgrammeService << u"\u20ac\u00e9\u0178"_s << u"\u20ac\u00e9\u0178"_s;
    QTest::newRow("no Greek, no emoji")
        << SetKind::ProgrammeService << u"A\u03a9B\U0001F600C"_s << u"ABC"_s;
}

void SetEditorTest::boxesTakeOnlyCodePageCharactersUpToTheWidth() {
    QFETCH(SetKind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const Editing editing(kind);
    QLineEdit* box = editing.name(0);

    typeText(*box, typed);
    QCOMPARE(box->text(), shown);
    const QFontMetricsF metrics(box->font());
    QCOMPARE(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W'));
    QCOMPARE(box->font().pointSizeF(), 9.75);
}

void SetEditorTest::pastedTextIsHeldToTheCodePage() {
    const Editing editing(SetKind::ProgrammeService);
    QLineEdit* box = editing.name(0);

    QApplication::clipboard()->setText(u"Omega \u03a9"_s);
    box->paste();
    QCOMPARE(box->text(), QString());
    QApplication::clipboard()->setText(u"Caf\u00e9 du monde"_s);
    box->paste();
    QCOMPARE(box->text(), u"Caf\u00e9 du "_s);
}

VELMORA_TEST_MAIN(SetEditorTest)
#include "set_editor_test.moc"
