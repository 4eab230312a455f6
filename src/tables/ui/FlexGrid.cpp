#include "tables/ui/FlexGrid.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <cmath>

namespace {
// What a text needs besides its own width: a pixel or two each side. The
// style's text margins are wider, but nothing clips a text to them.
constexpr int kMargins = 4;

// Under a column-format string, cells and headings are drawn without their
// padding blanks: the blanks only set the widths, and with the desktop font
// they would push the text out of the column. The texts themselves keep them.
// Rows are one line high, so a text is never wrapped onto a second line that
// nobody would see.
class TrimmedCells : public QStyledItemDelegate {
public:
    explicit TrimmedCells(FlexGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(o, index);
        if (grid_->trimsPadding()) o->text = o->text.trimmed();
        o->features &= ~QStyleOptionViewItem::WrapText;
    }

private:
    const FlexGrid* grid_;
};

class TrimmedHeader : public QHeaderView {
public:
    explicit TrimmedHeader(FlexGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {}

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* o, int logicalIndex) const override
    {
        QHeaderView::initStyleOptionForIndex(o, logicalIndex);
        if (grid_->trimsPadding()) o->text = o->text.trimmed();
    }

private:
    const FlexGrid* grid_;
};

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
    setHorizontalHeader(new TrimmedHeader(this));
    setItemDelegate(new TrimmedCells(this));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab and Shift+Tab go on to the window's next control, as from every
    // other box; the arrow keys move between the cells.
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // Setting the current cell by code does not scroll the grid.
    setAutoScroll(false);
    // Blanks pad the texts; a narrow column cuts them rather than eliding the text.
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setTextElideMode(Qt::ElideNone);
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
    setAllRowHeights(fontMetrics().height() + 4);
    viewport()->installEventFilter(this);
    h->viewport()->installEventFilter(this);
    connect(this, &QTableWidget::cellClicked, this, [this](int, int) { emit Click(); });
    connect(h, &QHeaderView::sectionClicked, this, [this](int) { emit Click(); });
}

void FlexGrid::setAllRowHeights(int px)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(px);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(px);
}

QTableWidgetItem* FlexGrid::cellItem(int row, int col)
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
    if (QTableWidgetItem* it = cellItem(row, col)) it->setText(text);
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
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text)));
}

void FlexGrid::setFormatString(const QString& format)
{
    const Grid_format::Layout l = Grid_format::parse(format);
    trimPadding_ = true;
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
    natural_.clear();
    for (int c = 0; c < Cols(); ++c) {
        int w = textWidth(TextMatrix(0, c));
        if (c == 0)
            for (const QString& t : l.rowHeadings) w = std::max(w, textWidth(t));
        natural_ << w + 2;
    }
    fitColumns();
}

void FlexGrid::fitColumns()
{
    // Widths follow the headings with their padding blanks; where the desktop
    // font makes them wider than the grid, the blanks give way first, so the
    // columns fit without a horizontal scroll bar and no text is cut.
    QList<int> natural, least;
    int sum = 0, slack = 0;
    for (int c = 0; c < Cols(); ++c) {
        int m = 0;
        for (int r = 0; r < Rows(); ++r)
            m = std::max(m, textWidth(TextMatrix(r, c).trimmed()) + kMargins);
        const int w = std::max(natural_.value(c, columnWidth(c)), m);
        natural << w;
        least << m;
        sum += w;
        slack += w - m;
    }
    const int bodyHeight = rowCount() * verticalHeader()->defaultSectionSize() + horizontalHeader()->height();
    int room = width() - 2 * frameWidth();
    if (bodyHeight > height() - 2 * frameWidth()) room -= verticalScrollBar()->sizeHint().width();
    const int excess = std::min(sum - room, slack);
    for (int c = 0; c < Cols(); ++c) {
        int w = natural[c];
        if (excess > 0) w -= ((natural[c] - least[c]) * excess + slack - 1) / slack;
        setColumnWidth(c, std::max(w, least[c]));
    }
}

void FlexGrid::keyPressEvent(QKeyEvent* e)
{
    // Code that sets the current cell leaves the view alone; a key that moves
    // it brings it where the user looks.
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(e);
    if (currentIndex().isValid() && currentIndex() != before) scrollTo(currentIndex());
}

void FlexGrid::giveWayWithin(QSize designRoom)
{
    QWidget* room = parentWidget();
    if (!room) return;
    room_ = designRoom;
    design_ = geometry();
    below_.clear();
    for (QWidget* w : room->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != this && w->y() >= design_.bottom()) below_.append({w, w->geometry()});
    room->installEventFilter(this);
    followRoom();
}

void FlexGrid::followRoom()
{
    const QSize have = parentWidget()->size();
    // The heading and two rows stay, however small the window.
    const int least = std::min(design_.height(), horizontalHeader()->height() + 2 * verticalHeader()->defaultSectionSize() + 2 * frameWidth());
    const int height = std::max(least, design_.height() - std::max(0, room_.height() - have.height()));
    const int width = std::max(std::min(design_.width(), 40), design_.width() - std::max(0, room_.width() - have.width()));
    setGeometry(design_.x(), design_.y(), width, height);
    const int up = design_.height() - height;
    for (const auto& [w, r] : below_)
        if (w) w->move(r.x(), r.y() - up);
}

bool FlexGrid::eventFilter(QObject* o, QEvent* e)
{
    if (o == parentWidget() && e->type() == QEvent::Resize && design_.isValid()) followRoom();
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        if (o == viewport()) mouseCol_ = columnAt(p.x());
        else mouseCol_ = horizontalHeader()->logicalIndexAt(p.x());
    }
    return QTableWidget::eventFilter(o, e);
}
