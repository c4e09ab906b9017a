#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace velmora::widgets {

// A table of rows that a window lists or edits: one whole row selected at a
// time, no row numbers, columns as wide as their contents and the last one
// taking the rest.
QTableWidget* rowTable(const QString& objectName, const QStringList& headers, QWidget* parent);

// A cell that is only a check box, and whether it is ticked.
QTableWidgetItem* checkCell(bool checked);
bool isChecked(const QTableWidget& table, int row, int column);

// "&Toevoegen" and "&Verwijderen", then the buttons given, left-aligned
// below a row table. "&Verwijderen" removes the selected row; what
// "&Toevoegen" adds is up to the window.
struct RowButtons {
    QHBoxLayout* layout;
    QPushButton* add;
};
RowButtons rowButtons(QTableWidget& table, std::initializer_list<QPushButton*> more);

} // namespace velmora::widgets
