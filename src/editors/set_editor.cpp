#include "editors/set_editor.h"

#include "editors/name_box.h"
#include "platform/qt/windows1252.h"
#include "widgets/editor_buttons.h"
#include "widgets/twips.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace velmora::editors {

namespace {

// Each column of entries holds a number label, a name box and an "Actief" box.
constexpr int kGridColumnsPerEntry = 3;
constexpr QStringView kNumberName = u"Label1";

QString elementName(QStringView arrayName, int index) {
    return arrayName.toString() + u'_' + QString::number(index);
}

} // namespace

SetEditor::SetEditor(const SetEditorForm& form, station::Document& document, QWidget* parent)
    : QWidget(parent), form_(form), document_(document) {
    setWindowTitle(form_.caption.toString());
    setFixedSize(widgets::twipsToSize(form_.clientWidthTwips, form_.clientHeightTwips, this));

    auto* grid = new QGridLayout;
    addEntries(*grid);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    const widgets::EditorButtons buttons =
        widgets::addEditorButtons(*this, *layout, [this] { return apply(); });

    std::vector<QWidget*> tabOrder(names_.begin(), names_.end());
    tabOrder.insert(tabOrder.end(), actives_.begin(), actives_.end());
    tabOrder.insert(tabOrder.end(), {buttons.ok, buttons.apply, buttons.cancel});
    for (std::size_t k = 1; k < tabOrder.size(); ++k) {
        setTabOrder(tabOrder[k - 1], tabOrder[k]);
    }

    showSet(document_.set(form_.kind));
}

void SetEditor::addEntries(QGridLayout& grid) {
    const station::SetLayout& layout = station::layoutOf(form_.kind);
    const int rowCount = (layout.entryCount + form_.columnCount - 1) / form_.columnCount;
    for (int k = 0; k < layout.entryCount; ++k) {
        auto* name = new NameBox(layout.nameWidth, this);
        name->setObjectName(elementName(form_.boxName, k));
        // Every change of a name counts, also the filling below and the
        // padding on apply; the "Actief" boxes alone do not.
        connect(name, &QLineEdit::textChanged, this, [this] { document_.setModified(true); });

        auto* active = new QCheckBox(u"Actief"_s, this);
        active->setObjectName(elementName(form_.checkName, k));

        auto* number = new QLabel(QString::number(k + 1), this);
        number->setObjectName(elementName(kNumberName, k));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setBuddy(name);

        const int row = k % rowCount;
        const int column = (k / rowCount) * kGridColumnsPerEntry;
        grid.addWidget(number, row, column);
        grid.addWidget(name, row, column + 1);
        grid.addWidget(active, row, column + 2);
        names_.push_back(name);
        actives_.push_back(active);
    }
    // Room between the columns of entries goes after each "Actief" box.
    for (int column = 0; column < form_.columnCount; ++column) {
        grid.setColumnStretch(column * kGridColumnsPerEntry + 2, 1);
    }
}

void SetEditor::showSet(const std::string& set) {
    if (!station::setExists(set)) {
        return;
    }
    const std::vector<station::SetEntry> entries =
        station::takeApart(set, station::layoutOf(form_.kind));
    for (std::size_t k = 0; k < entries.size(); ++k) {
        names_[k]->setText(platform::fromWindows1252(entries[k].name));
        actives_[k]->setChecked(entries[k].isActive());
    }
}

bool SetEditor::apply() {
    const station::SetLayout& layout = station::layoutOf(form_.kind);
    std::vector<station::EntryInput> entries;
    entries.reserve(names_.size());
    for (std::size_t k = 0; k < names_.size(); ++k) {
        std::string name = station::padName(platform::toWindows1252(names_[k]->text()), layout);
        names_[k]->setText(platform::fromWindows1252(name));
        entries.push_back({std::move(name), actives_[k]->isChecked()});
    }
    document_.replaceSet(form_.kind, station::compose(entries, layout));
    return true;
}

void SetEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownBefore_) {
        shownBefore_ = true;
        names_.front()->setFocus();
    }
}

} // namespace velmora::editors
