#pragma once
// Three month calendars side by side: the month of the chosen date in the
// middle, the month before on the left and the month after on the right.
// Opens on today's date; picking a date in the middle moves the other two.
#include "shell/ui/ToolWindow.h"

#include <QDate>

class QCalendarWidget;

class Fdatetime : public ToolWindow {
    Q_OBJECT
public:
    Fdatetime();

    static QDate firstDate() { return QDate(1753, 1, 1); }
    static QDate lastDate() { return QDate(9999, 12, 31); }
    // The date the window opens on: the system's, unless one is set. A null
    // date goes back to the system's.
    static QDate today() { return fixedToday_.isNull() ? QDate::currentDate() : fixedToday_; }
    static void setToday(QDate d) { fixedToday_ = d; }

    void Calendar1_SelChange();
    void sincro123(QDate d);

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    void showSideMonth(QCalendarWidget* cal, int year, int month, int day);
    void followPage(int year, int month);

    QCalendarWidget* Calendar1 = nullptr;
    QCalendarWidget* Calendar2 = nullptr;
    QCalendarWidget* Calendar3 = nullptr;

    static inline QDate fixedToday_;
};
