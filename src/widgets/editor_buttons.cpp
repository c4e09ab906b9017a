#include "widgets/editor_buttons.h"

#include "widgets/named_controls.h"

#include <QBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::widgets {

EditorButtons addEditorButtons(QWidget& window, QBoxLayout& layout,
                               const std::function<bool()>& applyChanges, ApplyButton applyButton) {
    const EditorButtons buttons{namedButton(u"cmdOk"_s, u"&Ok"_s, &window),
                                namedButton(u"cmdToepassen"_s, u"&Toepassen"_s, &window),
                                namedButton(u"cmdAnnuleren"_s, u"&Annuleren"_s, &window)};
    QObject::connect(buttons.ok, &QPushButton::clicked, &window, [&window, applyChanges] {
        if (applyChanges()) {
            closeEditorWindow(window);
        }
    });
    if (applyButton == ApplyButton::AppliesChanges) {
        QObject::connect(buttons.apply, &QPushButton::clicked, &window, applyChanges);
    }
    QObject::connect(buttons.cancel, &QPushButton::clicked, &window,
                     [&window] { closeEditorWindow(window); });

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.ok);
    row->addWidget(buttons.apply);
    row->addWidget(buttons.cancel);
    layout.addLayout(row);
    return buttons;
}

void closeEditorWindow(QWidget& window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        frame->close();
    } else {
        window.close();
    }
}

} // namespace velmora::widgets
