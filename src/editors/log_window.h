#pragma once

#include "link/journal.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace velmora::editors {

// frmLogboek: the newest lines of the log, following the new ones as long as
// the list shows the end, a note once the log cannot be written, and
// "&Map openen" for the folder the log lives in.
class LogWindow : public QWidget, private link::JournalView {
    Q_OBJECT

public:
    explicit LogWindow(link::Journal& journal, QWidget* parent = nullptr);
    ~LogWindow() override;
    LogWindow(const LogWindow&) = delete;
    LogWindow& operator=(const LogWindow&) = delete;

private:
    void showNewLine(const std::string& line) override;
    void showLogNotWritable(const std::string& reason) override;
    void openFolder();

    link::Journal& journal_;
    QListWidget* lines_;
    QLabel* note_;
};

} // namespace velmora::editors
