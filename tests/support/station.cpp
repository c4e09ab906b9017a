#include "support/station.h"

#include "fakes/encoder_frames.h"
#include "fakes/settings_builders.h"
#include "support/main_window_parts.h"
#include "support/modal_watcher.h"

#include <QAction>
#include <QTest>

namespace velmora::testing {

template <typename FileStore>
void BasicStation<FileStore>::addAccount(const std::string& name, const std::string& password,
                                         const std::string& linkedFile) {
    QVERIFY(fakes::withAccount(settings, name, password, linkedFile).ok());
}

template <typename FileStore> void BasicStation<FileStore>::run(const QString& menuItem) {
    testing::menuItem(window, menuItem)->trigger();
}

template <typename FileStore> void BasicStation<FileStore>::runEnabled(const QString& menuItem) {
    testing::menuItem(window, menuItem)->setEnabled(true);
    run(menuItem);
}

template <typename FileStore> void BasicStation<FileStore>::connect() {
    const ModalWatcher user(always(Answer::close()));
    toolbarEntry(window, u"Verbinding")->trigger();
    line.receive(fakes::kIdentificationFrame);
    QCOMPARE(program.encoderSession().state(), link::ConnectionState::Connected);
    line.clearWrites();
}

template struct BasicStation<fakes::FakeFileStore>;
template struct BasicStation<platform::QtFileStore>;

} // namespace velmora::testing
