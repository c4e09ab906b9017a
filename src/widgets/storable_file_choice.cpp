#include "widgets/storable_file_choice.h"

#include "platform/qt/windows1252.h"
#include "widgets/warning_window.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace velmora::widgets {

std::optional<QString> askStorableFile(platform::FileDialogs& dialogs,
                                       const platform::FileDialogRequest& request,
                                       const QString& refusedVerb) {
    const std::optional<std::string> chosen = dialogs.askFileToOpen(request);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    const QString path = QString::fromStdString(*chosen);
    if (!std::all_of(path.cbegin(), path.cend(), platform::isWindows1252)) {
        WarningWindow::showMessage(u"Het bestand "_s + path + u" kan niet worden "_s + refusedVerb +
                                   u": de naam bevat tekens die niet kunnen worden opgeslagen"_s);
        return std::nullopt;
    }
    return path;
}

} // namespace velmora::widgets
