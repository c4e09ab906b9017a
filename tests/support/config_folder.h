#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace velmora::testing {

// A configuration folder of the test's own, in a temporary folder that goes
// with this object. While it lives, XDG_CONFIG_HOME names it, and HOME and
// XDG_STATE_HOME folders beside it: the settings file, the port links, the
// default station folder, the log and every encoder-sim the test starts are
// found there, and nothing of the user's own is read or written.
//
// Every port number from 1 to kLinkedPorts has a link to a device that does
// not exist, so a port reaches only a simulator the test published itself,
// never a serial port of the computer running the test.
class ConfigFolder {
public:
    static constexpr int kLinkedPorts = 255;

    ConfigFolder();
    // Puts the variables back as they were.
    ~ConfigFolder();
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;

    // What XDG_CONFIG_HOME names.
    QString path() const;
    // The link through which the program finds port n.
    QString portLink(int port) const;
    // Where port n's link points while no simulator publishes the port.
    QString absentDevice(int port) const;

private:
    struct SavedVariable {
        explicit SavedVariable(const char* name);
        void restore() const;

        const char* name;
        bool wasSet;
        QByteArray value;
    };

    QTemporaryDir folder_;
    SavedVariable configHome_{"XDG_CONFIG_HOME"};
    SavedVariable home_{"HOME"};
    SavedVariable stateHome_{"XDG_STATE_HOME"};
};

} // namespace velmora::testing
