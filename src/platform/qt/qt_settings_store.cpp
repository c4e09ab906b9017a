#include "platform/qt/qt_settings_store.h"

#include "platform/qt/qt_file_store.h"
#include "platform/qt/windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QVariant>
#include <algorithm>
#include <filesystem>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace velmora::platform {
namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool isPlainNameByte(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '_';
}

QString settingsKey(std::string_view section, std::string_view key) {
    return escapedSettingsName(section) + u'/' + escapedSettingsName(key);
}

// Copies the file, byte for byte, to a name of its own beside it, which goes
// when `copy` goes.
Status copyBeside(const QString& fileName, QTemporaryFile& copy) {
    QtFileStore files;
    const FileContent content =
        files.readStart(fileName.toStdString(), std::numeric_limits<std::size_t>::max());
    if (!content.status) {
        return content.status;
    }
    if (!copy.open()) {
        return Status::failure(toWindows1252(copy.errorString()));
    }
    copy.close();
    return files.writeAtomically(copy.fileName().toStdString(), content.bytes);
}

// Whether the file on disk holds every entry `written` holds, and no other.
// QSettings answers for a file it wrote from what it keeps in memory, so a
// copy under another name is read instead.
bool holdsOnDisk(const QString& fileName, const QSettings& written) {
    QTemporaryFile copy(fileName + u".XXXXXX"_s);
    if (!copyBeside(fileName, copy)) {
        return false;
    }
    const QSettings reread(copy.fileName(), QSettings::IniFormat);
    const QStringList keys = written.allKeys();
    return reread.allKeys().size() == keys.size() &&
           std::all_of(keys.begin(), keys.end(), [&](const QString& key) {
               return reread.contains(key) && reread.value(key) == written.value(key);
           });
}

void putBack(const QTemporaryFile& keptAside, const QString& fileName) {
    std::error_code ignored;
    std::filesystem::rename(std::filesystem::path(keptAside.fileName().toStdU16String()),
                            std::filesystem::path(fileName.toStdU16String()), ignored);
}

// A key's value as the file held it before a save: absent, or this value.
struct EarlierValue {
    QString key;
    bool present;
    QVariant value;
};

std::vector<EarlierValue> earlierValues(const QSettings& settings, const QStringList& keys) {
    std::vector<EarlierValue> earlier;
    for (const QString& key : keys) {
        earlier.push_back({key, settings.contains(key), settings.value(key)});
    }
    return earlier;
}

// Qt 6.8 keeps a change that it could not write in the cache that every
// QSettings on the file shares: later reads would show it, and the next save
// that succeeds would write it after all. Setting the keys back to their
// earlier values leaves nothing unsaved behind.
void withdrawChanges(const QString& fileName, const std::vector<EarlierValue>& earlier) {
    QSettings settings(fileName, QSettings::IniFormat);
    for (const EarlierValue& key : earlier) {
        if (key.present) {
            settings.setValue(key.key, key.value);
        } else {
            settings.remove(key.key);
        }
    }
    settings.sync();
}

} // namespace

QString escapedSettingsName(std::string_view name) {
    if (name.empty()) {
        return u"-"_s;
    }
    static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    QString escaped;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPlainNameByte(byte)) {
            escaped.append(QLatin1Char(c));
        } else {
            escaped.append(u'-');
            escaped.append(QChar(kHexDigits[byte >> 4]));
            escaped.append(QChar(kHexDigits[byte & 0x0F]));
        }
    }
    return escaped;
}

QString settingsFileOf(const QString& programName) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, programName, programName)
        .fileName();
}

QtSettingsStore::QtSettingsStore()
    : fileName_(
          settingsFileOf(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName())) {}

QtSettingsStore::QtSettingsStore(QString iniFilePath) : fileName_(std::move(iniFilePath)) {}

// Each operation uses a QSettings of its own: QSettings keeps the first error
// it meets for its whole life, which would make every later save look failed.
std::string QtSettingsStore::GetSetting(std::string_view section, std::string_view key) const {
    const QSettings settings(fileName_, QSettings::IniFormat);
    return toWindows1252(settings.value(settingsKey(section, key)).toString());
}

Status QtSettingsStore::SaveSetting(std::string_view section, std::string_view key,
                                    std::string_view value) {
    const Setting setting{key, value};
    return SaveSettings(section, std::span(&setting, 1));
}

Status QtSettingsStore::SaveSettings(std::string_view section, std::span<const Setting> changes) {
    if (Status created = createPrivateFile(); !created) {
        return created;
    }
    // QSettings writes the new file in one buffered piece and does not notice
    // when the system cuts that piece short, as on a full disk: the store
    // would be left truncated. So the old file is kept aside until the new
    // one has been read back whole.
    QTemporaryFile keptAside(fileName_ + u".XXXXXX"_s);
    if (Status kept = copyBeside(fileName_, keptAside); !kept) {
        return kept;
    }
    QStringList names;
    for (const Setting& change : changes) {
        names.append(settingsKey(section, change.key));
    }
    QSettings settings(fileName_, QSettings::IniFormat);
    const std::vector<EarlierValue> earlier = earlierValues(settings, names);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        settings.setValue(names[static_cast<qsizetype>(i)], fromWindows1252(changes[i].value));
    }
    settings.sync();
    const QSettings::Status written = settings.status();
    if (written != QSettings::NoError) {
        // A format error comes from reading a damaged file and would hide a
        // later write error, so ask the system whether writing is possible.
        Status access = probeWriteAccess();
        if (written == QSettings::FormatError && access) {
            return access;
        }
        withdrawChanges(fileName_, earlier);
        return access ? Status::failure("het instellingenbestand kon niet worden geschreven")
                      : access;
    }
    if (!holdsOnDisk(fileName_, settings)) {
        // Withdrawn first: the withdrawal writes the file again, and may be
        // cut short just the same.
        withdrawChanges(fileName_, earlier);
        putBack(keptAside, fileName_);
        return Status::failure("het instellingenbestand kon niet volledig worden geschreven");
    }
    // Saving replaces the file; the new one must be private as well.
    QFile::setPermissions(fileName_, kOwnerOnly);
    return Status::success();
}

// QSettings would create the file readable by everyone; create it first,
// private, so that the passwords in it are never readable by others.
Status QtSettingsStore::createPrivateFile() const {
    QFile file(fileName_);
    if (file.exists()) {
        return Status::success();
    }
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly)) {
        return Status::failure(toWindows1252(file.errorString()));
    }
    return Status::success();
}

// QSettings only says that something failed; the system says why when we try
// the file and its folder ourselves.
Status QtSettingsStore::probeWriteAccess() const {
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadWrite)) {
        return Status::failure(toWindows1252(file.errorString()));
    }
    QTemporaryFile probe(QFileInfo(file).absolutePath() + u"/probe"_s);
    if (!probe.open()) {
        return Status::failure(toWindows1252(probe.errorString()));
    }
    return Status::success();
}

} // namespace velmora::platform
