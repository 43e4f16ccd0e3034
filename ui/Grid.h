#pragma once

#include <QTableWidget>

namespace mirevo {

// The advanced grid. Rows are numbered as the screens number them: with one fixed row, row 0
// is the header (shown as the table's header) and the data rows start at 1.
class Grid : public QTableWidget
{
    Q_OBJECT
public:
    enum CellKind : int
    {
        TextCell = 1
    };

    Grid(int rows, int fixedRows, int columns, QWidget* parent = nullptr);

    int gridRowCount() const { return rowCount() + m_fixedRows; }
    // The row of the current cell; negative when there is none.
    int cursorRow() const;
    // Moves the cursor to the row (header rows counted), keeping its column; a row outside the
    // data rows is ignored.
    void setCursorRow(int row);
    bool setCell(int row, int column, int kind, const QString& value);
    QString cell(int row, int column) const;
    bool setGridColumnWidth(int column, int width);
    // Inserts an empty row before `row`; a row equal to the row count appends one.
    bool insertGridRow(int row);
    // Deletes a data row; a row that does not exist is left alone (false).
    bool deleteGridRow(int row);

signals:
    // The left button went down in the grid, after the cursor moved to the pressed cell.
    void cellPressed(const QPoint& position);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_fixedRows = 0;
    bool m_shown = false;
};

} // namespace mirevo
