#include "tools/ui/Fdatetime.h"

#include "shell/ui/Twips.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLayout>
#include <QPainter>
#include <algorithm>

namespace {

// A month calendar that frames itself in the highlight colour while it holds
// its window's focus, so the user sees which of the three months the arrow
// keys move. The frame stands in a margin kept free around the month, so the
// month does not shift when the focus comes or goes.
class FocusCalendar : public QCalendarWidget {
public:
    static constexpr int frameWidth = 2; // pixels

    explicit FocusCalendar(QWidget* parent) : QCalendarWidget(parent)
    {
        layout()->setContentsMargins(frameWidth, frameWidth, frameWidth, frameWidth);
    }

    bool holdsTheFocus() const
    {
        const QWidget* f = window()->focusWidget();
        return f && (f == this || isAncestorOf(f));
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QCalendarWidget::paintEvent(e);
        if (!holdsTheFocus()) return;
        QPainter p(this);
        const int w = frameWidth;
        p.setClipRegion(QRegion(rect()).subtracted(QRegion(rect().adjusted(w, w, -w, -w))));
        p.fillRect(rect(), palette().color(QPalette::Highlight));
    }
};

QCalendarWidget* calendar(QWidget* parent, const char* name, QRect r)
{
    auto* c = new FocusCalendar(parent);
    c->setObjectName(name);
    c->setGeometry(r);
    c->setDateRange(Fdatetime::firstDate(), Fdatetime::lastDate());
    c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Full short day names do not fit a calendar this narrow.
    c->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    return c;
}

} // namespace

Fdatetime::Fdatetime() : ToolWindow("Fdatetime")
{
    setWindowTitle("Calendar");
    setClientSize(8280, 2490);
}

void Fdatetime::setupUi(QWidget* body)
{
    Calendar2 = calendar(body, "Calendar2", Twips::rect(60, 45, 2700, 2370));
    Calendar1 = calendar(body, "Calendar1", Twips::rect(2790, 45, 2730, 2370));
    Calendar3 = calendar(body, "Calendar3", Twips::rect(5550, 60, 2700, 2370));
    // The middle calendar's selection drives the other two: the arrow keys start there.
    setFirstControl(Calendar1);
    // The frame follows the focus from calendar to calendar.
    connect(qApp, &QApplication::focusChanged, body, [this] {
        for (QCalendarWidget* c : {Calendar1, Calendar2, Calendar3}) c->update();
    });
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, [this] { Calendar1_SelChange(); });
    connect(Calendar1, &QCalendarWidget::currentPageChanged, this, [this](int y, int m) { followPage(y, m); });
}

void Fdatetime::Form_Load() { sincro123(today()); }

void Fdatetime::Calendar1_SelChange() { sincro123(Calendar1->selectedDate()); }

// A month calendar keeps its selected date in the month it shows: paging the
// middle calendar moves the selection to the same day of the new month, which
// the side calendars then follow.
void Fdatetime::followPage(int year, int month)
{
    const QDate sel = Calendar1->selectedDate();
    if (sel.year() == year && sel.month() == month) return;
    const QDate first(year, month, 1);
    Calendar1->setSelectedDate(QDate(year, month, std::min(sel.day(), first.daysInMonth())));
}

void Fdatetime::sincro123(QDate d)
{
    const int Y = d.year(), M = d.month(), D = d.day();
    Calendar1->setSelectedDate(d);
    Calendar1->setCurrentPage(Y, M);
    const int m = Calendar1->monthShown();
    if (m == 1) showSideMonth(Calendar2, Y - 1, 12, D);
    else showSideMonth(Calendar2, Y, m - 1, D);
    if (m == 12) showSideMonth(Calendar3, Y + 1, 1, D);
    else showSideMonth(Calendar3, Y, m + 1, D);
}

// The chosen day may not exist in the side month (the 31st beside February)
// and the side month may lie outside the calendars' range (next to January
// 1753 or December 9999): the day falls back to the month's last day, and a
// month out of range leaves the calendar at the range's edge.
void Fdatetime::showSideMonth(QCalendarWidget* cal, int year, int month, int day)
{
    const QDate first(year, month, 1);
    const QDate wanted(year, month, std::min(day, first.daysInMonth()));
    const QDate shown = std::clamp(wanted, firstDate(), lastDate());
    cal->setSelectedDate(shown);
    cal->setCurrentPage(shown.year(), shown.month());
}
