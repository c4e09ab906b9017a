// Every control a screen reader can land on, in every window, has a name to
// read out: the caption of a button or check box, the label of a text box or
// list, the purpose of a bar.

#include "shell/hardware_window.h"
#include "shell/info_window.h"
#include "shell/main_window.h"
#include "shell/options_window.h"
#include "shell/save_prompt.h"
#include "shell/splash_window.h"
#include "support/station.h"
#include "support/test_main.h"
#include "users/windows/login_window.h"
#include "widgets/child_windows.h"
#include "widgets/warning_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

bool isControl(const QWidget& widget) {
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr ||
           qobject_cast<const QLineEdit*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&widget) != nullptr ||
           qobject_cast<const QProgressBar*>(&widget) != nullptr;
}

// The label whose buddy the control is; nullptr if none.
const QLabel* labelOf(const QWidget& window, const QWidget& control) {
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    const auto found = std::find_if(labels.begin(), labels.end(), [&](const QLabel* label) {
        return label->buddy() == &control;
    });
    return found != labels.end() ? *found : nullptr;
}

// A screen reader reaches the label as the control's name or, for a list on
// Linux, whose name is the chosen entry, through the relation "labelled by".
bool readsLabel(QAccessibleInterface& control, const QLabel& label) {
    if (control.text(QAccessible::Name) == QString(label.text()).remove(u'&')) {
        return true;
    }
    const auto labelledBy = control.relations(QAccessible::Label);
    return std::any_of(labelledBy.begin(), labelledBy.end(),
                       [&](const auto& relation) { return relation.first->object() == &label; });
}

// "objectName (class): name" for every control the user can reach that a
// screen reader could not name, or that it names other than by its label.
QStringList badlyNamedControls(QWidget& window) {
    QStringList found;
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (QWidget* control : widgets) {
        if (!isControl(*control) || !control->isVisibleTo(&window)) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        const QString name =
            accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
        const QLabel* label = labelOf(window, *control);
        // A list's own name is the entry it shows: what it is for only its label says.
        const bool needsLabel = qobject_cast<const QComboBox*>(control) != nullptr;
        const bool named = label != nullptr ? readsLabel(*accessible, *label)
                                            : !needsLabel && !name.trimmed().isEmpty();
        if (!named) {
            found.append(u"%1 (%2): \"%3\""_s.arg(
                control->objectName(), QString::fromLatin1(control->metaObject()->className()),
                name));
        }
    }
    return found;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyControlHasAName_data();
    void everyControlHasAName();

private:
    using Opener = std::function<QWidget*()>;
    // Every window of the program, by row name, with how it is opened.
    std::vector<std::pair<QString, Opener>> windows();
    // The window of this row, shown as the user meets it.
    QWidget* open(const QString& row);
    QWidget* openChildWindow(const QString& menuItem, const QString& windowName);

    std::unique_ptr<velmora::testing::Station> station_;
    std::vector<QPointer<QWidget>> topLevel_;
};

void AccessibilityTest::init() {
    station_ = std::make_unique<velmora::testing::Station>();
    station_->window.show();
}

void AccessibilityTest::cleanup() {
    for (const QPointer<QWidget>& window : topLevel_) {
        delete window.data();
    }
    topLevel_.clear();
    station_.reset();
}

QWidget* AccessibilityTest::openChildWindow(const QString& menuItem, const QString& windowName) {
    // Some of these items are only enabled for the administrator.
    station_->runEnabled(menuItem);
    return velmora::widgets::findChildWindow(velmora::testing::workspace(station_->window),
                                             windowName);
}

std::vector<std::pair<QString, AccessibilityTest::Opener>> AccessibilityTest::windows() {
    using namespace velmora;
    return {
        {u"main window"_s, [this] { return &station_->window; }},
        {u"splash"_s, [] { return new shell::SplashWindow; }},
        {u"login"_s, [this] { return station_->program.loadLogin(); }},
        {u"info"_s, [] { return new shell::InfoWindow; }},
        {u"warning, message mode"_s,
         [] {
             auto* window = new widgets::WarningWindow;
             window->setMessage(u"Encoder antwoord niet."_s);
             return window;
         }},
        {u"warning, progress mode"_s,
         [] {
             auto* window = new widgets::WarningWindow;
             window->enterProgressMode(3);
             return window;
         }},
        {u"hardware"_s, [] { return new shell::HardwareWindow; }},
        {u"save prompt"_s, [] { return new shell::SavePrompt; }},
        {u"options"_s,
         [this] {
             return new shell::OptionsWindow(station_->settings, station_->session,
                                             station_->window);
         }},
        {u"programme service"_s,
         [this] {
             return openChildWindow(u"mnuInstellingen_programmaservice"_s, u"frmProgramma"_s);
         }},
        {u"radiotext"_s,
         [this] { return openChildWindow(u"mnuInstellingen_radiotekst"_s, u"frmRadiotekst"_s); }},
        {u"decoder"_s,
         [this] {
             return openChildWindow(u"mnuInstellingen_decoderinformatie"_s,
                                    u"frmDecoder_informatie"_s);
         }},
        {u"programme identification"_s,
         [this] {
             return openChildWindow(u"mnuInstellingenProgrammaIdentificatie"_s, u"frmPi"_s);
         }},
        {u"overview"_s,
         [this] { return openChildWindow(u"mnuVenster_overzicht"_s, u"frmOverzicht"_s); }},
        {u"COM port"_s,
         [this] { return openChildWindow(u"mnuInstellingen_compoort"_s, u"frmCompoort"_s); }},
        {u"user editor"_s,
         [this] {
             return openChildWindow(u"mnuInstellingen_gebruikers_gebruikertoevoegen"_s,
                                    u"frmGebruiker"_s);
         }},
    };
}

QWidget* AccessibilityTest::open(const QString& row) {
    for (const auto& [name, opener] : windows()) {
        if (name == row) {
            QWidget* window = opener();
            if (window != nullptr && window->isWindow() && window != &station_->window) {
                topLevel_.emplace_back(window);
                window->show();
            }
            return window;
        }
    }
    return nullptr;
}

void AccessibilityTest::everyControlHasAName_data() {
    QTest::addColumn<QString>("window");
    for (const auto& window : windows()) {
        QTest::newRow(window.first.toUtf8().constData()) << window.first;
    }
}

void AccessibilityTest::everyControlHasAName() {
    QFETCH(QString, window);
    QWidget* opened = open(window);
    QVERIFY(opened != nullptr);
    QVERIFY(opened->isVisible());

    const QStringList unnamed = badlyNamedControls(*opened);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u"; "_s)));
}

VELMORA_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
