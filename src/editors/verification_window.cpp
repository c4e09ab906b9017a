#include "editors/verification_window.h"

#include "editors/fixed_pitch_font.h"
#include "link/verification_run.h"
#include "platform/qt/windows1252.h"
#include "settings/settings_schema.h"
#include "widgets/warning_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

// The mark comes first, so that a difference shows without scrolling.
enum Column { Item, Difference, Document, Encoder };

const QString kNotReceived = u"niet ontvangen"_s;
const QString kDifferent = u"VERSCHIL"_s;

} // namespace

VerificationWindow::VerificationWindow(platform::SettingsStore& settings, QWidget* parent)
    : QWidget(parent), settings_(settings), summary_(new QLabel(this)), missing_(new QLabel(this)),
      items_(new QTreeWidget(this)),
      afterFill_(new QCheckBox(u"Na elk vullen controleren"_s, this)) {
    setWindowTitle(u"Controle"_s);
    summary_->setObjectName(u"lblResultaat"_s);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    missing_->setObjectName(u"lblNietOntvangen"_s);
    missing_->setWordWrap(true);
    items_->setObjectName(u"lstControle"_s);
    items_->setRootIsDecorated(false);
    items_->setHeaderLabels({u"Onderdeel"_s, u"Verschil"_s, u"Document"_s, u"Encoder"_s});
    items_->setFont(fixedPitchFont());
    items_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    afterFill_->setObjectName(u"chkNaVullen"_s);
    afterFill_->setChecked(settings::readFlag(settings_, settings::kVerifyAfterFill));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(missing_);
    layout->addWidget(items_, 1);
    layout->addWidget(afterFill_);
    // Room for a radiotext, document beside encoder, as far as the screen allows.
    items_->setMinimumSize(QFontMetrics(items_->font()).averageCharWidth() * 100,
                           items_->fontMetrics().height() * 18);
    connect(afterFill_, &QCheckBox::toggled, this, &VerificationWindow::storeAfterFill);
}

void VerificationWindow::showResult(const link::Verification& result) {
    summary_->setText(platform::fromWindows1252(result.summary()));
    missing_->setText(result.decoderReceived()
                          ? QString()
                          : platform::fromWindows1252(link::timeLimitReport(result)));
    missing_->setVisible(!result.decoderReceived());
    items_->clear();
    for (const link::VerifiedItem& item : result.items()) {
        auto* row = new QTreeWidgetItem(items_);
        row->setText(Item, QString::fromStdString(item.label));
        row->setText(Document, platform::fromWindows1252(item.expected));
        row->setText(Encoder,
                     item.received ? platform::fromWindows1252(*item.received) : kNotReceived);
        if (item.differs()) {
            row->setText(Difference, kDifferent);
            QFont font = items_->font();
            font.setBold(true);
            for (int column = Item; column <= Encoder; ++column) {
                row->setFont(column, font);
            }
        }
    }
}

void VerificationWindow::showCancelled(std::string_view message) {
    summary_->setText(platform::fromWindows1252(message));
    missing_->clear();
    missing_->hide();
    items_->clear();
}

void VerificationWindow::storeAfterFill(bool checked) {
    const platform::Status saved =
        settings::writeFlag(settings_, settings::kVerifyAfterFill, checked);
    if (!saved) {
        const QSignalBlocker blocker(afterFill_);
        afterFill_->setChecked(!checked);
        widgets::warnSettingsNotSaved(saved.reason());
    }
}

} // namespace velmora::editors
