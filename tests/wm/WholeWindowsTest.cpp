// Under a window manager, at each screen size and scale scripts/wm-test gives:
// the frame and the windows beside it stand whole on the screen, caption bar
// and border included, and the frame's outer window stands at its place where
// the screen has room for it. Places are read from the X server, in its pixels.
#include "WindowCatalog.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/Twips.h"
#include "tables/ui/FBonanza_A36.h"
#include "tables/ui/FlexGrid.h"

#include <QProcess>
#include <QWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(5000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

int field(const QString& text, const char* name)
{
    const QRegularExpressionMatch m = QRegularExpression(QString(name) + R"(:\s*(-?\d+))").match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The outer window (caption bar and border included) as the X server has it,
// or an empty rectangle while the window manager has not framed it.
QRect outerOnServer(const QWidget* w)
{
    const QString id = QString::number(w->winId());
    const QString extents = run("xprop", {"-id", id, "_NET_FRAME_EXTENTS"});
    const QRegularExpressionMatch m = QRegularExpression(R"(=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+))").match(extents);
    if (!m.hasMatch()) return {};
    const int left = m.captured(1).toInt(), right = m.captured(2).toInt(), top = m.captured(3).toInt(),
              bottom = m.captured(4).toInt();
    const QString info = run("xwininfo", {"-id", id});
    if (!info.contains("IsViewable")) return {};
    return QRect(field(info, "Absolute upper-left X") - left, field(info, "Absolute upper-left Y") - top,
                 field(info, "Width") + left + right, field(info, "Height") + top + bottom);
}

QRect screenOnServer()
{
    const QString info = run("xwininfo", {"-root"});
    return QRect(0, 0, field(info, "Width"), field(info, "Height"));
}

double scale() { return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0; }

// Waits (bounded) until the window stands framed where `good` says, and gives
// its outer place then, or the last one read.
QRect waitForOuter(const QWidget* w, const std::function<bool(QRect)>& good)
{
    QRect outer;
    (void)QTest::qWaitFor([&] {
        outer = outerOnServer(w);
        return !outer.isEmpty() && good(outer);
    }, 3000);
    return outer;
}

std::string where(const QRect& r)
{
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

std::string context() { return "scale " + std::to_string(scale()) + ", screen " + where(screenOnServer()); }

TEST(WholeWindows, FrameStandsWholeAtItsOuterPlaceAtStartAndAfterTheSheet)
{
    MDIForm1& frame = MDIForm1::instance();
    frame.show();
    const QRect screen = screenOnServer();
    // The outer window stands at 1000, 1000 twips, or as near to it as the
    // screen leaves room for the whole window.
    const QPoint place = QPointF(Twips::px(1000) * scale(), Twips::px(1000) * scale()).toPoint();
    // (Within a pixel of the window's, rounded to the server's.)
    const int near = int(std::ceil(scale())) + 1;
    const auto atPlace = [&](QRect r) {
        return screen.contains(r) && std::abs(r.x() - std::min(place.x(), screen.width() - r.width())) <= near
            && std::abs(r.y() - std::min(place.y(), screen.height() - r.height())) <= near;
    };
    const QRect start = waitForOuter(&frame, atPlace);
    ASSERT_FALSE(start.isEmpty()) << "never framed";
    EXPECT_TRUE(screen.contains(start)) << where(start) << " on " << context();
    EXPECT_TRUE(atPlace(start)) << where(start) << " on " << context();
    EXPECT_EQ(frame.Left(), 1000);
    EXPECT_EQ(frame.Top(), 1000);
    EXPECT_EQ(frame.Width(), 4960);
    EXPECT_EQ(frame.Height(), 9500);

    // The sheet widens the frame at the same place; when it goes the frame
    // stands where it started.
    frame.MRay1_BonanzaA36_Click();
    const QRect withSheet = waitForOuter(&frame, [&](QRect r) { return atPlace(r) && r.width() > start.width(); });
    EXPECT_TRUE(screen.contains(withSheet)) << where(withSheet) << " on " << context();
    EXPECT_TRUE(atPlace(withSheet)) << where(withSheet) << " on " << context();
    EXPECT_EQ(frame.Width(), 6380);
    EXPECT_EQ(frame.Left(), 1000);
    Forms::instance<FBonanza_A36>().unload();
    const QRect after = waitForOuter(&frame, [&](QRect r) { return r == start; });
    EXPECT_EQ(after, start) << where(after) << " on " << context();
}

// A window beside the frame stands whole; a grid in a window shorter or
// narrower than its design gives up the room and scrolls to its last row;
// where the design fits, the grid keeps its design size.
TEST(WholeWindows, TableWindowsBesideTheFrameStandWholeWithEveryRowReachable)
{
    struct Case {
        const char* item;
        const char* grid;
        QRect design; // the grid's, in twips
    };
    const Case cases[] = {{"Mdrill_sizes", "MSFlexGrid1", Twips::rect(30, 435, 3300, 7155)},
                          {"MenuTestTest", "MSHFlexGrid1", Twips::rect(15, 525, 12600, 3960)}};
    const QRect screen = screenOnServer();
    for (const Case& c : cases) {
        MDIForm1::instance().openItem(c.item);
        ToolWindow* w = WindowCatalog::instanceFor(c.item);
        ASSERT_NE(w, nullptr) << c.item;
        const QRect outer = waitForOuter(w, [&](QRect r) { return screen.contains(r); });
        EXPECT_TRUE(screen.contains(outer)) << c.item << " at " << where(outer) << " on " << context();

        auto* grid = w->findChild<FlexGrid*>(c.grid);
        ASSERT_NE(grid, nullptr) << c.item;
        QCoreApplication::processEvents();
        EXPECT_TRUE(w->rect().contains(QRect(grid->mapTo(w, QPoint(0, 0)), grid->size())))
            << c.item << ": grid " << where(QRect(grid->mapTo(w, QPoint(0, 0)), grid->size())) << " in "
            << where(w->rect()) << " on " << context();
        grid->scrollToBottom();
        QCoreApplication::processEvents();
        const QRect last = grid->visualItemRect(grid->item(grid->rowCount() - 1, 0));
        EXPECT_TRUE(grid->viewport()->rect().contains(last)) << c.item << ": last row at " << where(last) << " on " << context();
        const QSize border = w->frameGeometry().size() - w->geometry().size();
        const QSize design = QSize(Twips::px(w->Width()), Twips::px(w->Height())) + border;
        const QSize free = w->screen()->availableGeometry().size();
        if (free.expandedTo(design) == free) {
            EXPECT_EQ(grid->size(), c.design.size()) << c.item << " on " << context();
        }
        w->unload();
    }
}

// A panel that takes a strip of the screen's free area (a task bar, say)
// takes it from under the frame too: the frame moves and shrinks into what
// is left, caption bar and border included.
TEST(WholeWindows, FrameFitsAgainWhenAPanelTakesPartOfTheScreen)
{
    MDIForm1& frame = MDIForm1::instance();
    frame.show();
    const QRect screen = screenOnServer();
    ASSERT_FALSE(waitForOuter(&frame, [&](QRect r) { return screen.contains(r); }).isEmpty()) << "never framed";

    // A dock along the top edge that asks the window manager to keep a
    // strip of 200 server pixels free for it.
    const int strip = 200;
    QWidget panel;
    panel.setAttribute(Qt::WA_X11NetWmWindowTypeDock);
    panel.setGeometry(0, 0, 100, 20);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QString id = QString::number(panel.winId());
    const QString partial = QString("0, 0, %1, 0, 0, 0, 0, 0, 0, %2, 0, 0").arg(strip).arg(screen.width() - 1);
    run("xprop", {"-id", id, "-f", "_NET_WM_STRUT_PARTIAL", "32c", "-set", "_NET_WM_STRUT_PARTIAL", partial});
    run("xprop", {"-id", id, "-f", "_NET_WM_STRUT", "32c", "-set", "_NET_WM_STRUT", QString("0, 0, %1, 0").arg(strip)});

    const QRect free = screen.adjusted(0, strip, 0, 0);
    const QRect fitted = waitForOuter(&frame, [&](QRect r) { return free.contains(r); });
    EXPECT_TRUE(free.contains(fitted)) << where(fitted) << " in " << where(free) << " on " << context();
    EXPECT_EQ(frame.Top(), 1000) << "the place set still reads as set";
}

} // namespace
