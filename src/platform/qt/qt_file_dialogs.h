#pragma once

#include "platform/file_dialogs.h"

#include <QString>
#include <QStringList>
#include <string_view>

namespace velmora::platform {

// The Open and Save As dialogs as QFileDialog, over the window that is active
// when one is asked for. Like one shared dialog, it remembers the last file
// name between uses. Paths go in and out as UTF-8;
// the title and the filter are Windows-1252 text like everything shown.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> askFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> askFileToSave(const FileDialogRequest& request) override;

private:
    enum class Purpose { Open, Save };
    std::optional<std::string> ask(const FileDialogRequest& request, Purpose purpose);

    QString lastFileName_;
};

// "Rds bestand (*.Rds)|*.Rds" becomes {"Rds bestand (*.Rds)"}: one Qt name
// filter per description|pattern pair, the patterns in parentheses (added
// when the description does not already end with them), ";" between patterns
// turned into spaces. A trailing "|" is allowed.
QStringList nameFilters(std::string_view filter);

// Where station files live when nothing else is set: C:\Tarvo\Velmora on
// Windows, ~/Tarvo/Velmora elsewhere.
QString defaultStationFolder();

// The folder a dialog starts in: the requested one, or the default station
// folder when none is given; a path that does not exist (yet) falls back to
// the nearest folder above it that does.
QString startFolder(const QString& requested);

} // namespace velmora::platform
