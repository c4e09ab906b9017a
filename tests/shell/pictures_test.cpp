// The shell's pictures come from the resource compiled into the program: a
// picture missing from it, or of the wrong size, fails here.

#include "shell/logo.h"
#include "shell/main_toolbar.h"
#include "shell/toolbar_icons.h"
#include "shell/workspace.h"
#include "support/test_main.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using velmora::shell::toolbarIcon;

namespace {

const QList<QSize> kToolbarSizes{{16, 16}, {32, 32}};

// No desktop theme, so every entry shows our own picture.
void withoutTheme() {
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeName(u"velmora-no-theme"_s);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void everyToolbarEntryHasItsOwnPicture();
    void aThemeIconComesFirstAndOurPictureStandsIn();
    void logoHasItsSize();
    void windowIconHasEverySize();
    void workspaceHasItsBackground();
};

void PicturesTest::everyToolbarEntryHasItsOwnPicture() {
    withoutTheme();
    const velmora::shell::MainToolBar toolBar;
    QList<QImage> seen;
    for (const QAction* entry : toolBar.actions()) {
        if (entry->isSeparator()) {
            continue;
        }
        const QIcon icon = entry->icon();
        QVERIFY2(icon.availableSizes() == kToolbarSizes, qPrintable(entry->objectName()));
        for (const QSize& size : kToolbarSizes) {
            QCOMPARE(icon.pixmap(size).size(), size);
        }
        const QImage picture = icon.pixmap(kToolbarSizes.first()).toImage();
        QVERIFY2(!seen.contains(picture), qPrintable(entry->objectName()));
        seen.append(picture);
    }
    QVERIFY(!seen.isEmpty());
    QVERIFY(toolbarIcon(u"Afsluiten").isNull());
}

void PicturesTest::aThemeIconComesFirstAndOurPictureStandsIn() {
    QTemporaryDir themes;
    QVERIFY(themes.isValid());
    const QString theme = themes.filePath(u"velmora-test"_s);
    QVERIFY(QDir().mkpath(theme + u"/16x16/actions"_s));
    QFile index(theme + u"/index.theme"_s);
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=velmora-test\nDirectories=16x16/actions\n\n"
                "[16x16/actions]\nSize=16\nType=Fixed\n");
    index.close();
    QImage themed(16, 16, QImage::Format_ARGB32);
    themed.fill(Qt::red);
    QVERIFY(themed.save(theme + u"/16x16/actions/document-new.png"_s));
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeName(u"velmora-test"_s);

    QCOMPARE(toolbarIcon(u"Nieuw").name(), u"document-new"_s);
    // The theme has no "document-open"; "Programmaservice" asks no theme.
    for (const QStringView key : {u"Open", u"Programmaservice"}) {
        const QIcon own = toolbarIcon(key);
        QVERIFY(own.name().isEmpty());
        QCOMPARE(own.availableSizes(), kToolbarSizes);
    }
    withoutTheme();
}

void PicturesTest::logoHasItsSize() {
    QCOMPARE(velmora::shell::velmoraLogo().size(), velmora::shell::kLogoSize);
}

void PicturesTest::windowIconHasEverySize() {
    const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    QCOMPARE(velmora::shell::velmoraIcon().availableSizes(), sizes);
}

void PicturesTest::workspaceHasItsBackground() {
    QVERIFY(!velmora::shell::backgroundPicture().isNull());
}

VELMORA_TEST_MAIN(PicturesTest)
#include "pictures_test.moc"
