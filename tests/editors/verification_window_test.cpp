// The result window of a verification: the summary, the items marked in
// words, and "Na elk vullen controleren" kept in the settings store.

#include "editors/verification_window.h"
#include "fakes/fake_settings_store.h"
#include "settings/settings_schema.h"
#include "support/modal_watcher.h"
#include "support/test_main.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using velmora::editors::VerificationWindow;
using velmora::testing::ModalWatcher;

class VerificationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsEachItemWithItsDifferenceInWords();
    void afterFillIsStoredAsSoonAsItIsTicked();
    void afterFillThatCannotBeStoredIsUndone();
};

void VerificationWindowTest::showsEachItemWithItsDifferenceInWords() {
    velmora::fakes::FakeSettingsStore settings;
    VerificationWindow window(settings);
    velmora::link::Verification result("RADIO 1 1\r\n", "", {"10", "5", "4", "30"});
    result.take(std::get<velmora::link::EntryAnswer>(velmora::link::decode("P0RADIO 1 0")));

    window.showResult(result);

    auto* items = window.findChild<QTreeWidget*>(u"lstControle"_s);
    QCOMPARE(items->topLevelItemCount(), 16);
    const QTreeWidgetItem* first = items->topLevelItem(0);
    QCOMPARE((QStringList{first->text(0), first->text(1), first->text(2), first->text(3)}),
             (QStringList{u"PS 1"_s, u"VERSCHIL"_s, u"RADIO 1 1"_s, u"RADIO 1 0"_s}));
    QCOMPARE(items->topLevelItem(15)->text(3), u"niet ontvangen"_s);
    QCOMPARE(window.findChild<QLabel*>(u"lblResultaat"_s)->text(), u"16 verschillen gevonden."_s);
    QVERIFY(window.findChild<QLabel*>(u"lblNietOntvangen"_s)->text().endsWith(u"RT 5, Decoder."_s));
}

void VerificationWindowTest::afterFillIsStoredAsSoonAsItIsTicked() {
    velmora::fakes::FakeSettingsStore settings;
    QVERIFY(velmora::settings::write(settings, velmora::settings::kVerifyAfterFill, "1").ok());
    VerificationWindow window(settings);
    auto* afterFill = window.findChild<QCheckBox*>(u"chkNaVullen"_s);
    QVERIFY(afterFill->isChecked());

    afterFill->click();

    QCOMPARE(velmora::settings::read(settings, velmora::settings::kVerifyAfterFill), "0");
}

void VerificationWindowTest::afterFillThatCannotBeStoredIsUndone() {
    velmora::fakes::FakeSettingsStore settings;
    VerificationWindow window(settings);
    settings.failSaves = true;
    const ModalWatcher user;

    window.findChild<QCheckBox*>(u"chkNaVullen"_s)->click();

    QVERIFY(!window.findChild<QCheckBox*>(u"chkNaVullen"_s)->isChecked());
    QCOMPARE(user.messages().size(), 1);
    QVERIFY(user.messages().constFirst().startsWith(
        u"De instellingen konden niet worden opgeslagen"_s));
    QCOMPARE(velmora::settings::read(settings, velmora::settings::kVerifyAfterFill), "");
}

VELMORA_TEST_MAIN(VerificationWindowTest)
#include "verification_window_test.moc"
