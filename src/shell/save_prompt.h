#pragma once

#include "station/document_commands.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace velmora::shell {

// frmOpslaan, the question on exit whether the changes are to be saved. The
// close box and Escape answer "&Annuleren".
class SavePrompt : public QDialog {
    Q_OBJECT

public:
    explicit SavePrompt(QWidget* parent = nullptr);

    // Puts the question in txtOpslaan, sounds the beep, shows the prompt
    // modally and returns the button the user chose.
    static station::SavePromptAnswer ask(const QString& question);

    void setQuestion(const QString& question);
    station::SavePromptAnswer answer() const { return answer_; }

private:
    QPushButton* addAnswerButton(const QString& name, const QString& caption,
                                 station::SavePromptAnswer answer);

    QPlainTextEdit* text_;
    station::SavePromptAnswer answer_ = station::SavePromptAnswer::Cancel;
};

} // namespace velmora::shell
