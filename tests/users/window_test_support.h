#pragma once

#include "fakes/fake_file_dialogs.h"
#include "fakes/fake_file_store.h"
#include "fakes/fake_settings_store.h"
#include "shell/main_window.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <string>

namespace velmora::users::testing {

// A main window as the start-up loads it, hidden, on fake settings, dialogs
// and station files.
struct Station {
    Station();

    void addAccount(const std::string& name, const std::string& password,
                    const std::string& linkedFile = {});
    void run(const QString& menuItem);

    fakes::FakeSettingsStore settings;
    fakes::FakeFileDialogs dialogs;
    fakes::FakeFileStore files;
    shell::MainWindow window{settings};
};

// The open window of the program with this objectName: a visible window, or
// a child window shown in the main window, hidden or not; nullptr if none.
QWidget* openWindow(const QString& name);

// The control with this objectName in the open window of that name.
template <typename Control> Control* control(const QString& window, const QString& name) {
    QWidget* open = openWindow(window);
    return open != nullptr ? open->findChild<Control*>(name) : nullptr;
}

// Types the text into the box of the open window, replacing what was there.
void type(const QString& window, const QString& box, const QString& text);
void click(const QString& window, const QString& button);

// Stands in front of the message window: notes each message and closes it
// with "&Ok". Other modal windows are left alone.
class WarningReader : public QObject {
public:
    WarningReader();

    QStringList messages;

private:
    void read();

    QTimer poll_;
};

// The names, in tab order, of the widgets in the window that take focus by
// Tab, starting at the given one.
QStringList tabOrder(const QString& window, const QString& first);

// Deleted-on-close windows of earlier steps go before the next one looks.
void deletePendingWindows();

} // namespace velmora::users::testing
