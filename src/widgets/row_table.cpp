#include "widgets/row_table.h"

#include "widgets/named_controls.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace velmora::widgets {

QTableWidget* rowTable(const QString& objectName, const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(objectName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem* checkCell(bool checked) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    return item;
}

bool isChecked(const QTableWidget& table, int row, int column) {
    return table.item(row, column)->checkState() == Qt::Checked;
}

RowButtons rowButtons(QTableWidget& table, std::initializer_list<QPushButton*> more) {
    QWidget* window = table.parentWidget();
    auto* add = namedButton(u"cmdToevoegen"_s, u"&Toevoegen"_s, window);
    auto* remove = namedButton(u"cmdVerwijderen"_s, u"&Verwijderen"_s, window);
    QObject::connect(remove, &QPushButton::clicked, &table, [&table] {
        if (table.currentRow() >= 0) {
            table.removeRow(table.currentRow());
        }
    });
    auto* layout = new QHBoxLayout;
    layout->addWidget(add);
    layout->addWidget(remove);
    for (QPushButton* button : more) {
        layout->addWidget(button);
    }
    layout->addStretch();
    return {layout, add};
}

} // namespace velmora::widgets
