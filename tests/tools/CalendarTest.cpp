#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tools/ui/Fdatetime.h"

#include "TestSupport.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCalendarWidget>
#include <QImage>
#include <QSet>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

// The window's today, set so that a run across midnight reads the same day
// as the window did. The 31st has no twin in either neighbouring month.
const QDate today(2024, 3, 31);

class CalendarWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fdatetime::setToday(today);
        MDIForm1::instance().findChild<QAction*>("Mcalender")->trigger();
        win = Forms::existing<Fdatetime>();
        ASSERT_NE(win, nullptr);
        grabCalendars();
    }
    void TearDown() override
    {
        win->unload();
        Fdatetime::setToday({});
    }

    void grabCalendars()
    {
        left = child<QCalendarWidget>(win, "Calendar2");
        middle = child<QCalendarWidget>(win, "Calendar1");
        right = child<QCalendarWidget>(win, "Calendar3");
    }
    static QString shown(const QCalendarWidget* c)
    {
        return QString("%1-%2 sel %3").arg(c->yearShown()).arg(c->monthShown()).arg(c->selectedDate().toString(Qt::ISODate));
    }
    // Clicks the cell of `day` in the month the calendar shows; days 15 to 21
    // never appear twice on a page.
    static void clickDay(QCalendarWidget* c, int day)
    {
        auto* view = c->findChild<QTableView*>("qt_calendar_calendarview");
        ASSERT_NE(view, nullptr);
        QAbstractItemModel* m = view->model();
        for (int r = 0; r < m->rowCount(); ++r)
            for (int col = 0; col < m->columnCount(); ++col) {
                const QModelIndex i = m->index(r, col);
                if (r > 0 && m->data(i).toString() == QString::number(day)) {
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(i).center());
                    return;
                }
            }
        FAIL() << "no cell for day " << day;
    }

    Fdatetime* win = nullptr;
    QCalendarWidget *left = nullptr, *middle = nullptr, *right = nullptr;
};

TEST_F(CalendarWindow, OpensOnTodayBetweenItsNeighbouringMonths)
{
    EXPECT_EQ(win->windowTitle(), "Calendar");
    EXPECT_EQ(middle->selectedDate(), today);
    EXPECT_EQ(middle->monthShown(), today.month());
    // addMonths keeps the day where the month has it, else takes the last day.
    for (auto [cal, side] : {std::pair{left, today.addMonths(-1)}, std::pair{right, today.addMonths(1)}}) {
        EXPECT_EQ(cal->yearShown(), side.year());
        EXPECT_EQ(cal->monthShown(), side.month());
        EXPECT_EQ(cal->selectedDate(), side);
    }
    for (const QCalendarWidget* c : {left, middle, right}) {
        EXPECT_EQ(c->minimumDate(), QDate(1753, 1, 1)) << c->objectName().toStdString();
        EXPECT_EQ(c->maximumDate(), QDate(9999, 12, 31)) << c->objectName().toStdString();
    }
}

TEST_F(CalendarWindow, PickedDateMovesTheSideCalendars)
{
    struct Case {
        QDate picked;
        const char *left, *right;
    };
    const Case cases[] = {
        {QDate(2005, 12, 10), "2005-11 sel 2005-11-10", "2006-1 sel 2006-01-10"},
        {QDate(2006, 1, 15), "2005-12 sel 2005-12-15", "2006-2 sel 2006-02-15"},
        // The side month lacks the day: its last day is marked instead.
        {QDate(2005, 3, 31), "2005-2 sel 2005-02-28", "2005-4 sel 2005-04-30"},
        {QDate(2004, 1, 30), "2003-12 sel 2003-12-30", "2004-2 sel 2004-02-29"},
        // Side months beyond the range: the calendar stays at the range's edge.
        {QDate(1753, 1, 15), "1753-1 sel 1753-01-01", "1753-2 sel 1753-02-15"},
        {QDate(9999, 12, 31), "9999-11 sel 9999-11-30", "9999-12 sel 9999-12-31"},
    };
    rt::MessageRecorder rec;
    for (const Case& c : cases) {
        middle->setSelectedDate(c.picked);
        const QString tag = c.picked.toString(Qt::ISODate);
        EXPECT_EQ(middle->selectedDate(), c.picked) << tag.toStdString();
        EXPECT_EQ(middle->monthShown(), c.picked.month()) << tag.toStdString();
        EXPECT_EQ(middle->yearShown(), c.picked.year()) << tag.toStdString();
        EXPECT_EQ(shown(left), c.left) << tag.toStdString();
        EXPECT_EQ(shown(right), c.right) << tag.toStdString();
    }
    EXPECT_TRUE(rec.messages.isEmpty());
}

TEST_F(CalendarWindow, ClickingADayOrPagingTheMiddleMonthFollows)
{
    middle->setSelectedDate(QDate(2005, 3, 31));
    clickDay(middle, 20);
    EXPECT_EQ(middle->selectedDate(), QDate(2005, 3, 20));
    EXPECT_EQ(shown(left), "2005-2 sel 2005-02-20");
    EXPECT_EQ(shown(right), "2005-4 sel 2005-04-20");

    middle->setSelectedDate(QDate(2005, 12, 31));
    QTest::mouseClick(middle->findChild<QToolButton*>("qt_calendar_nextmonth"), Qt::LeftButton);
    EXPECT_EQ(middle->selectedDate(), QDate(2006, 1, 31));
    EXPECT_EQ(shown(left), "2005-12 sel 2005-12-31");
    EXPECT_EQ(shown(right), "2006-2 sel 2006-02-28");
    QTest::mouseClick(middle->findChild<QToolButton*>("qt_calendar_nextmonth"), Qt::LeftButton);
    EXPECT_EQ(middle->selectedDate(), QDate(2006, 2, 28));
}

// The calendar that holds the focus stands in a frame of the highlight
// colour, the two others in none, so the user sees which month the arrow
// keys move. Tab takes the focus, and the frame, from calendar to calendar.
TEST_F(CalendarWindow, TheFocusedCalendarIsFramed)
{
    const QList<QCalendarWidget*> calendars{left, middle, right};
    // The share of the pixels on a calendar's outer two-pixel ring in the highlight colour.
    const auto framed = [&](const QImage& shot, const QCalendarWidget* c) {
        const QColor highlight = c->palette().color(QPalette::Highlight);
        const QRect r(c->mapTo(win, QPoint(0, 0)), c->size());
        int on = 0, all = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const bool ring = x < r.left() + 2 || x > r.right() - 2 || y < r.top() + 2 || y > r.bottom() - 2;
                if (!ring) continue;
                ++all;
                on += shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio()) == highlight;
            }
        return double(on) / all;
    };
    QSet<const QCalendarWidget*> seen;
    for (int key = 0; key < 12 && seen.size() < 3; ++key) {
        QWidget* focus = win->focusWidget();
        ASSERT_NE(focus, nullptr);
        const QCalendarWidget* holder = nullptr;
        for (const QCalendarWidget* c : calendars)
            if (c == focus || c->isAncestorOf(focus)) holder = c;
        ASSERT_NE(holder, nullptr) << "the focus left the calendars";
        seen.insert(holder);
        const QImage shot = win->grab().toImage();
        for (const QCalendarWidget* c : calendars) {
            const std::string what = holder->objectName().toStdString() + " focused, " + c->objectName().toStdString();
            if (c == holder) EXPECT_EQ(framed(shot, c), 1.0) << what;
            else EXPECT_EQ(framed(shot, c), 0.0) << what;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(seen.size(), 3);
}

TEST_F(CalendarWindow, ReopensOnToday)
{
    middle->setSelectedDate(QDate(1999, 6, 15));
    win->unload();
    // A day has passed since the window opened.
    const QDate nextDay = today.addDays(1);
    Fdatetime::setToday(nextDay);
    MDIForm1::instance().findChild<QAction*>("Mcalender")->trigger();
    grabCalendars();
    EXPECT_EQ(middle->selectedDate(), nextDay);
    EXPECT_EQ(left->monthShown(), nextDay.addMonths(-1).month());
}

TEST(CalendarToday, IsTheSystemDateUntilOneIsSet)
{
    const QDate before = QDate::currentDate();
    const QDate read = Fdatetime::today();
    const QDate after = QDate::currentDate();
    EXPECT_TRUE(read == before || read == after) << read.toString(Qt::ISODate).toStdString();
    Fdatetime::setToday(QDate(2000, 2, 29));
    EXPECT_EQ(Fdatetime::today(), QDate(2000, 2, 29));
    Fdatetime::setToday({});
    EXPECT_TRUE(Fdatetime::today() >= after);
}

} // namespace
