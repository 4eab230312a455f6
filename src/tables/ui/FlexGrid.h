#pragma once
// A read-only grid with one fixed heading row, addressed as the reference
// windows address theirs: by (row, column) with row 0 the heading row, by a
// single cell index (row * Cols + column), or through a current cell
// (Row, Col, Text). The heading row is the table's horizontal header, so it
// stays in place while the cells scroll.
#include "tables/Grid_format.h"

#include <QPointer>
#include <QTableWidget>

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    FlexGrid(int rows, int cols, QWidget* parent = nullptr);

    int Rows() const { return rowCount() + 1; }
    int Cols() const { return columnCount(); }

    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    void setTextArray(int index, const QString& text);

    int Row() const { return row_; }
    int Col() const { return col_; }
    void setRow(int row);
    void setCol(int col);
    QString Text() const { return TextMatrix(row_, col_); }
    void setText(const QString& text) { setTextMatrix(row_, col_, text); }

    // Headings, alignment and column widths from a column-format string; the
    // grid grows to hold every segment.
    void setFormatString(const QString& format);
    // Refits the columns to the grid after the cells are written: heading
    // widths where they fit, never narrower than a column's texts.
    void fitColumns();
    // Whether texts are drawn without their padding blanks (under a format string).
    bool trimsPadding() const { return trimPadding_; }
    // The column under the mouse pointer at the last press (-1 outside).
    int MouseCol() const { return mouseCol_; }
    // One height in pixels for every row and the heading row alike.
    void setAllRowHeights(int px);

    // Where the window holding the grid is smaller than `designRoom` (its
    // design client area), the grid gives up the height and width it lacks
    // and scrolls, so every row stays reachable, and the controls below it
    // move up with its bottom edge. In a window of its design size or larger
    // the grid keeps its design place and size. Call once the controls stand.
    void giveWayWithin(QSize designRoom);

signals:
    // A click on a cell or a heading (the flex grid's Click event).
    void Click();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The item that holds (row, column), made on first use; null outside the grid.
    QTableWidgetItem* cellItem(int row, int col);
    void showCurrent();
    int textWidth(const QString& text) const;

    void followRoom();

    QSize room_;
    QRect design_;
    QList<QPair<QPointer<QWidget>, QRect>> below_;
    QList<Grid_format::Align> align_;
    QList<int> natural_; // widths the format string asks for
    int row_ = 1, col_ = 0;
    int mouseCol_ = -1;
    bool trimPadding_ = false;
};
