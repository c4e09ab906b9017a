#include "shell/save_prompt.h"

#include "widgets/named_controls.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::shell {

using station::SavePromptAnswer;

SavePrompt::SavePrompt(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setObjectName(u"frmOpslaan"_s);
    setWindowTitle(u"Velmora"_s);
    setModal(true);
    setFixedSize(widgets::twipsToSize(6300, 1815, this));

    QPushButton* yes = addAnswerButton(u"cmdJa"_s, u"&Ja"_s, SavePromptAnswer::Save);
    QPushButton* no = addAnswerButton(u"cmdNee"_s, u"&Nee"_s, SavePromptAnswer::Discard);
    QPushButton* cancel =
        addAnswerButton(u"cmdAnnuleren"_s, u"&Annuleren"_s, SavePromptAnswer::Cancel);
    yes->setDefault(true);

    // A full path may be long: the question wraps rather than scrolls away.
    text_->setObjectName(u"txtOpslaan"_s);
    text_->setReadOnly(true);
    text_->setAccessibleName(u"Wijzigingen opslaan"_s);
    text_->setTabChangesFocus(true);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);

    setTabOrder(yes, no);
    setTabOrder(no, text_);
    setTabOrder(text_, cancel);
    yes->setFocus();
}

SavePromptAnswer SavePrompt::ask(const QString& question) {
    SavePrompt prompt;
    prompt.setQuestion(question);
    QApplication::beep();
    prompt.exec();
    return prompt.answer();
}

void SavePrompt::setQuestion(const QString& question) {
    text_->setPlainText(question);
}

QPushButton* SavePrompt::addAnswerButton(const QString& name, const QString& caption,
                                         SavePromptAnswer answer) {
    QPushButton* button = widgets::namedButton(name, caption, this);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        answer_ = answer;
        accept();
    });
    return button;
}

} // namespace velmora::shell
