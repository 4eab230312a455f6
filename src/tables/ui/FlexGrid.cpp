#include "tables/ui/FlexGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace {
Qt::Alignment toQt(Grid_format::Align a)
{
    switch (a) {
    case Grid_format::Align::Center: return Qt::AlignCenter;
    case Grid_format::Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

FlexGrid::FlexGrid(int rows, int cols, QWidget* parent) : QTableWidget(std::max(0, rows - 1), cols, parent)
{
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    QHeaderView* h = horizontalHeader();
    h->setHighlightSections(false);
    h->setSectionsClickable(true);
    // A heading click reports its column; it does not select the column.
    disconnect(h, &QHeaderView::sectionPressed, this, nullptr);
    disconnect(h, &QHeaderView::sectionEntered, this, nullptr);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < cols; ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem());
        align_ << Grid_format::Align::General;
    }
    setRowHeight(fontMetrics().height() + 4);
    viewport()->installEventFilter(this);
    h->viewport()->installEventFilter(this);
    connect(this, &QTableWidget::cellClicked, this, [this](int, int) { emit Click(); });
    connect(h, &QHeaderView::sectionClicked, this, [this](int) { emit Click(); });
}

void FlexGrid::setRowHeight(int px)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(px);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(px);
}

QTableWidgetItem* FlexGrid::itemAt(int row, int col)
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) return nullptr;
    QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    if (!it) {
        it = new QTableWidgetItem();
        if (row == 0) setHorizontalHeaderItem(col, it);
        else setItem(row - 1, col, it);
    }
    it->setTextAlignment(toQt(align_.value(col)));
    return it;
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    const QTableWidgetItem* it = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    if (QTableWidgetItem* it = itemAt(row, col)) it->setText(text);
}

void FlexGrid::setTextArray(int index, const QString& text)
{
    setTextMatrix(index / Cols(), index % Cols(), text);
}

void FlexGrid::setRow(int row)
{
    row_ = row;
    showCurrent();
}

void FlexGrid::setCol(int col)
{
    col_ = col;
    showCurrent();
}

void FlexGrid::showCurrent()
{
    // The heading row cannot hold the table's current cell; it is still the grid's.
    if (row_ >= 1) setCurrentCell(row_ - 1, col_);
    else setCurrentItem(nullptr);
}

int FlexGrid::textWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) + 8;
}

void FlexGrid::setFormatString(const QString& format)
{
    const Grid_format::Layout l = Grid_format::parse(format);
    if (l.rows() > Rows()) setRowCount(l.rows() - 1);
    if (l.cols() > Cols()) setColumnCount(l.cols());
    align_.resize(Cols());
    for (int c = 0; c < l.columnHeadings.size(); ++c) {
        align_[c] = l.alignment[c];
        setTextMatrix(0, c, l.columnHeadings[c]);
    }
    for (int r = 0; r < l.rowHeadings.size(); ++r) setTextMatrix(r, 0, l.rowHeadings[r]);
    // Realign cells written before the format arrived.
    for (int r = 1; r < Rows(); ++r)
        for (int c = 0; c < Cols(); ++c)
            if (QTableWidgetItem* it = item(r - 1, c)) it->setTextAlignment(toQt(align_[c]));
    for (int c = 0; c < Cols(); ++c) {
        int w = textWidth(TextMatrix(0, c));
        if (c == 0)
            for (const QString& t : l.rowHeadings) w = std::max(w, textWidth(t));
        setColumnWidth(c, w);
    }
}

bool FlexGrid::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        if (o == viewport()) mouseCol_ = columnAt(p.x());
        else mouseCol_ = horizontalHeader()->logicalIndexAt(p.x());
    }
    return QTableWidget::eventFilter(o, e);
}
