#include "editors/log_window.h"

#include "editors/fixed_pitch_font.h"
#include "platform/qt/windows1252.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace velmora::editors {

LogWindow::LogWindow(link::Journal& journal, QWidget* parent)
    : QWidget(parent), journal_(journal), lines_(new QListWidget(this)), note_(new QLabel(this)) {
    setWindowTitle(u"Logboek"_s);
    lines_->setObjectName(u"lstLogboek"_s);
    lines_->setFont(fixedPitchFont());
    lines_->setUniformItemSizes(true);
    lines_->setMinimumSize(lines_->fontMetrics().averageCharWidth() * 64,
                           lines_->fontMetrics().height() * 12);
    for (const std::string& line : journal_.newestLines()) {
        lines_->addItem(platform::fromWindows1252(line));
    }
    lines_->scrollToBottom();
    note_->setObjectName(u"lblStatus"_s);
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);
    note_->hide();
    auto* openFolder = new QPushButton(u"&Map openen"_s, this);
    openFolder->setObjectName(u"cmdMapOpenen"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines_, 1);
    layout->addWidget(note_);
    layout->addWidget(openFolder, 0, Qt::AlignRight);
    connect(openFolder, &QPushButton::clicked, this, &LogWindow::openFolder);
    if (journal_.failure()) {
        showLogNotWritable(*journal_.failure());
    }
    journal_.setView(this);
}

LogWindow::~LogWindow() {
    journal_.setView(nullptr);
}

void LogWindow::showNewLine(const std::string& line) {
    const QScrollBar& scrolled = *lines_->verticalScrollBar();
    const bool atEnd = scrolled.value() == scrolled.maximum();
    lines_->addItem(platform::fromWindows1252(line));
    while (lines_->count() > static_cast<int>(link::kJournalLinesKept)) {
        delete lines_->takeItem(0);
    }
    if (atEnd) {
        lines_->scrollToBottom();
    }
}

void LogWindow::showLogNotWritable(const std::string& reason) {
    note_->setText(u"Het logboek kon niet worden geschreven: "_s +
                   platform::fromWindows1252(reason));
    note_->show();
}

// The folder is there before the first line, so there is always something to show.
void LogWindow::openFolder() {
    const QString folder = QString::fromStdString(journal_.folder());
    QDir().mkpath(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace velmora::editors
