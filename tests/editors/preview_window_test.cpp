#include "editors/preview_window.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_timer.h"
#include "fakes/recording_main_window.h"
#include "fakes/settings_builders.h"
#include "support/test_main.h"

#include <QTest>

using namespace Qt::StringLiterals;
using velmora::station::SetKind;

class PreviewWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theDisplayFollowsAnEditOfTheNames();
};

void PreviewWindowTest::theDisplayFollowsAnEditOfTheNames() {
    velmora::fakes::RecordingMainWindow mainWindow;
    velmora::station::Document document(mainWindow);
    const auto names = [](const char* name) {
        return velmora::station::compose({{name, true}}, velmora::station::kProgrammeServiceLayout);
    };
    document.replaceSet(SetKind::ProgrammeService, names("EERSTE"));
    velmora::fakes::FakeSettingsStore store;
    QVERIFY(velmora::fakes::withDecoder(store, {.psIntervalSeconds = "3"}).ok());
    auto timer = std::make_unique<velmora::fakes::FakeTimer>();
    velmora::fakes::FakeTimer& tick = *timer;
    const velmora::editors::PreviewWindow window(document, store, std::move(timer));
    const QWidget* display = window.findChild<QWidget*>(u"picOntvanger"_s);
    QVERIFY(display != nullptr);
    QCOMPARE(display->accessibleName(), u"EERSTE"_s);

    document.replaceSet(SetKind::ProgrammeService, names("TWEEDE"));
    QVERIFY(tick.fire());
    QCOMPARE(display->accessibleName(), u"TWEEDE"_s);
}

VELMORA_TEST_MAIN(PreviewWindowTest)
#include "preview_window_test.moc"
