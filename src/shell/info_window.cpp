#include "shell/info_window.h"

#include "shell/logo.h"
#include "widgets/named_controls.h"
#include "widgets/twips.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

// A row of a caption label and a value label. The captions are named
// Label3 onwards, after the two sentences above them.
struct InfoRow {
    QString caption;
    QString valueName;
    QString value;
};

constexpr int kFirstCaptionNumber = 3;

// The maker and its contact details are fictional.
const QString kMaker = u"Tarvo Audiotechniek"_s;

QList<InfoRow> valueRows() {
    return {
        {u"Software"_s, u"lblSoftware"_s, u"Velmora"_s},
        {u"Versie"_s, u"lblVersie"_s,
         u"%1 Standaard editie"_s.arg(QStringLiteral(VELMORA_VERSION))},
        {u"Laatste update"_s, u"lblLaatsteupdate"_s, u"02 - 06 - 2025"_s},
        {u"Hardware ondersteuning"_s, u"lblHardwareondersteuning"_s, u"40100312"_s},
        {u"Informatie"_s, u"lblTelefoonnummer"_s, u"Telefoonnummer    : 555-0142"_s},
        {QString(), u"lblInternet"_s, u"Internet                  : www.tarvo.example"_s},
    };
}

QLabel* sentence(const QString& objectName, const QString& text) {
    QLabel* created = widgets::namedLabel(objectName, text);
    created->setWordWrap(true);
    created->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    return created;
}

} // namespace

InfoWindow::InfoWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(u"frmInfo"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Info"_s);
    setFixedSize(widgets::twipsToSize(11145, 5670, this));

    auto* logo = new QLabel(this);
    logo->setObjectName(u"Image1"_s);
    logo->setPixmap(velmoraLogo());
    logo->setScaledContents(true);
    logo->setFixedSize(width(), width() * kLogoSize.height() / kLogoSize.width());

    auto* frame = new QGroupBox(this);
    frame->setObjectName(u"Frame1"_s);
    auto* rows = new QGridLayout(frame);
    rows->setColumnStretch(1, 1);
    rows->addWidget(
        sentence(u"Label1"_s,
                 u"Deze Velmora software is geschreven voor het gebruik met onze Velmora."_s),
        0, 0, 1, 3);
    rows->addWidget(
        sentence(u"Label2"_s, kMaker + u" is niet aansprakelijk voor schade door het gebruik "
                                       u"van deze software."_s),
        1, 0, 1, 3);
    int captionNumber = kFirstCaptionNumber;
    for (const InfoRow& row : valueRows()) {
        const int line = rows->rowCount();
        rows->addWidget(
            widgets::namedLabel(u"Label"_s + QString::number(captionNumber++), row.caption), line,
            0);
        rows->addWidget(widgets::namedLabel(row.valueName, row.value), line, 1);
    }

    // The button shares the last row, at the frame's bottom right.
    QPushButton* ok = widgets::namedButton(u"cmdOk"_s, u"&Ok"_s, frame);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    rows->addWidget(ok, rows->rowCount() - 1, 2, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(logo);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 6, 12, 12);
    body->addWidget(frame);
    layout->addLayout(body);
}

void InfoWindow::showModal() {
    auto* window = new InfoWindow;
    window->exec();
}

} // namespace velmora::shell
