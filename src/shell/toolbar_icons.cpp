#include "shell/toolbar_icons.h"

#include "shell/picture_files.h"

#include <QString>
#include <array>

namespace velmora::shell {

namespace {

struct IconSource {
    QStringView key;
    QStringView themeName;
    // The picture's file name in pictures/toolbar/16x16 and 32x32.
    QStringView file;
};

constexpr std::array kIconSources{
    IconSource{u"Nieuw", u"document-new", u"new.png"},
    IconSource{u"Open", u"document-open", u"open.png"},
    IconSource{u"Opslaan", u"document-save", u"save.png"},
    IconSource{u"Afdrukvoorbeeld", u"document-print-preview", u"print-preview.png"},
    IconSource{u"Afdrukken", u"document-print", u"print.png"},
    IconSource{u"Opties", u"preferences-system", u"options.png"},
    IconSource{u"Overzicht", u"view-list-details", u"overview.png"},
    IconSource{u"Programmaservice", u"", u"programme-service.png"},
    IconSource{u"Radiotekst", u"", u"radiotext.png"},
    IconSource{u"Verbinding", u"network-wired", u"connection.png"},
    IconSource{u"Inladen", u"go-down", u"read-out.png"},
    IconSource{u"Versturen", u"go-up", u"fill.png"},
};

// Our own picture at 16 x 16, and at 32 x 32 for high-DPI screens.
QIcon ownIcon(QStringView file) {
    QIcon icon;
    for (const int size : {16, 32}) {
        icon.addPixmap(shellPicture(QStringLiteral("toolbar/%1x%1/%2").arg(size).arg(file)));
    }
    return icon;
}

} // namespace

QIcon toolbarIcon(QStringView key) {
    for (const IconSource& source : kIconSources) {
        if (source.key == key) {
            const QIcon own = ownIcon(source.file);
            return source.themeName.isEmpty() ? own
                                              : QIcon::fromTheme(source.themeName.toString(), own);
        }
    }
    return {};
}

} // namespace velmora::shell
