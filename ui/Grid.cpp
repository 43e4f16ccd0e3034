#include "Grid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace mirevo {

Grid::Grid(int rows, int fixedRows, int columns, QWidget* parent)
    : QTableWidget(parent), m_fixedRows(qBound(0, fixedRows, 1))
{
    // A shown header measures its sections in bold whenever its columns change: until the grid
    // is first shown it stays hidden, so that building the hidden pages at start-up loads no
    // bold face that the first frame does not draw.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnCount(columns);
    setRowCount(qMax(0, rows - m_fixedRows));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < columns; ++column)
        setHorizontalHeaderItem(column, new QTableWidgetItem());
}

int Grid::cursorRow() const
{
    const int row = currentRow();
    return row < 0 ? -1 : row + m_fixedRows;
}

void Grid::setCursorRow(int row)
{
    if (row >= m_fixedRows && row < gridRowCount())
        setCurrentCell(row - m_fixedRows, qMax(0, currentColumn()));
}

bool Grid::setCell(int row, int column, int kind, const QString& value)
{
    Q_UNUSED(kind) // every kind the screens use is shown as text
    if (column < 0 || column >= columnCount() || row < 0 || row >= gridRowCount())
        return false;
    if (row < m_fixedRows) {
        horizontalHeaderItem(column)->setText(value);
        return true;
    }
    QTableWidgetItem* cellItem = item(row - m_fixedRows, column);
    if (!cellItem) {
        cellItem = new QTableWidgetItem();
        setItem(row - m_fixedRows, column, cellItem);
    }
    cellItem->setText(value);
    return true;
}

QString Grid::cell(int row, int column) const
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= gridRowCount())
        return {};
    const QTableWidgetItem* cellItem =
        row < m_fixedRows ? horizontalHeaderItem(column) : item(row - m_fixedRows, column);
    return cellItem ? cellItem->text() : QString();
}

bool Grid::setGridColumnWidth(int column, int width)
{
    if (column < 0 || column >= columnCount())
        return false;
    setColumnWidth(column, width);
    return true;
}

bool Grid::insertGridRow(int row)
{
    if (row < m_fixedRows || row > gridRowCount())
        return false;
    insertRow(row - m_fixedRows);
    return true;
}

bool Grid::deleteGridRow(int row)
{
    if (row < m_fixedRows || row >= gridRowCount())
        return false;
    removeRow(row - m_fixedRows);
    return true;
}

void Grid::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        horizontalHeader()->setVisible(m_fixedRows == 1);
    }
    QTableWidget::showEvent(event);
}

void Grid::mousePressEvent(QMouseEvent* event)
{
    QTableWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit cellPressed(event->position().toPoint());
}

} // namespace mirevo
