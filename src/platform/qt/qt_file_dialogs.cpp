#include "platform/qt/qt_file_dialogs.h"

#include "platform/qt/windows1252.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace velmora::platform {

QStringList nameFilters(std::string_view filter) {
    const QStringList parts = fromWindows1252(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        const QString inParentheses = u'(' + patterns + u')';
        filters.append(description.endsWith(inParentheses) ? description
                                                           : description + u' ' + inParentheses);
    }
    return filters;
}

QString defaultStationFolder() {
#ifdef Q_OS_WIN
    return u"C:\\Tarvo\\Velmora"_s;
#else
    return QDir::homePath() + u"/Tarvo/Velmora"_s;
#endif
}

QString startFolder(const QString& requested) {
    QFileInfo folder(requested.isEmpty() ? defaultStationFolder() : requested);
    while (!folder.isDir() && !folder.isRoot() &&
           folder.absoluteFilePath() != folder.absolutePath()) {
        folder.setFile(folder.absolutePath());
    }
    return folder.absoluteFilePath();
}

std::optional<std::string> QtFileDialogs::askFileToOpen(const FileDialogRequest& request) {
    return ask(request, Purpose::Open);
}

std::optional<std::string> QtFileDialogs::askFileToSave(const FileDialogRequest& request) {
    return ask(request, Purpose::Save);
}

std::optional<std::string> QtFileDialogs::ask(const FileDialogRequest& request, Purpose purpose) {
    QFileDialog dialog(QApplication::activeWindow(), fromWindows1252(request.title),
                       startFolder(QString::fromStdString(request.initialFolder)));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(purpose == Purpose::Open ? QFileDialog::AcceptOpen
                                                  : QFileDialog::AcceptSave);
    dialog.setFileMode(purpose == Purpose::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.selectFile(request.initialFile.empty() ? lastFileName_
                                                  : QString::fromStdString(request.initialFile));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFileName_ = QFileInfo(chosen).fileName();
    return chosen.toStdString();
}

} // namespace velmora::platform
