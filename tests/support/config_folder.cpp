#include "support/config_folder.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace velmora::testing {

ConfigFolder::SavedVariable::SavedVariable(const char* variable)
    : name(variable), wasSet(qEnvironmentVariableIsSet(variable)), value(qgetenv(variable)) {}

void ConfigFolder::SavedVariable::restore() const {
    if (wasSet) {
        qputenv(name, value);
    } else {
        qunsetenv(name);
    }
}

ConfigFolder::ConfigFolder() {
    // A test that cannot isolate itself must not go on in the user's own
    // configuration, where it could reach the serial ports of this computer.
    if (!folder_.isValid() || !QDir().mkpath(folder_.filePath(u"config/velmora/ports"_s)) ||
        !QDir().mkpath(folder_.filePath(u"home"_s)) ||
        !QDir().mkpath(folder_.filePath(u"state"_s))) {
        qFatal("cannot make a temporary configuration folder: %s",
               qPrintable(folder_.errorString()));
    }
    for (int port = 1; port <= kLinkedPorts; ++port) {
        if (!QFile::link(absentDevice(port), portLink(port))) {
            qFatal("cannot link %s", qPrintable(portLink(port)));
        }
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path()));
    qputenv("HOME", QFile::encodeName(folder_.filePath(u"home"_s)));
    qputenv("XDG_STATE_HOME", QFile::encodeName(folder_.filePath(u"state"_s)));
}

ConfigFolder::~ConfigFolder() {
    configHome_.restore();
    home_.restore();
    stateHome_.restore();
}

QString ConfigFolder::path() const {
    return folder_.filePath(u"config"_s);
}

QString ConfigFolder::portLink(int port) const {
    return path() + u"/velmora/ports/COM"_s + QString::number(port);
}

QString ConfigFolder::absentDevice(int port) const {
    return folder_.filePath(u"no-such-device/ttyS"_s + QString::number(port - 1));
}

} // namespace velmora::testing
