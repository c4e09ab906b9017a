#include "app/startup.h"
#include "shell/logo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(velmora::shell::velmoraIcon());

    // Standard dialogs speak Dutch, like the rest of the program.
    QTranslator qtTranslation;
    if (qtTranslation.load(u"qtbase_nl"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTranslation);
    }

    velmora::app::Startup startup;
    startup.start();
    return QApplication::exec();
}
