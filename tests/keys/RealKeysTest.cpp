// Keys as the X server delivers them (scripts/keys-test starts the server, a
// window manager and this program): xdotool presses them on the focused
// window. The grid windows' Tab order, which no offscreen key can prove
// against the keyboard's own road through the window manager and Qt's xcb
// input.
#include "WindowCatalog.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/QuillApp.h"
#include "tables/ui/FlexGrid.h"
#include "tables/ui/FrmRivetsClecoBbar2.h"

#include "SanitizerOptions.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// Presses `key` (xdotool's name) and waits until the focus stands on `expected`.
bool pressUntil(const char* key, const QString& expected)
{
    if (QProcess::execute("xdotool", {"key", key}) != 0) return false;
    return QTest::qWaitFor([&] { return focused() == expected; }, 3000);
}

void walk(ToolWindow* w, const QStringList& order)
{
    w->raise();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto* grid = w->findChild<FlexGrid*>(order.first());
    ASSERT_NE(grid, nullptr);
    grid->setFocus(Qt::OtherFocusReason);
    grid->setCurrentCell(2, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == order.first(); }, 3000));
    const qsizetype n = order.size();
    for (qsizetype i = 1; i <= n; ++i) EXPECT_TRUE(pressUntil("Tab", order[i % n])) << "Tab to " << i << ": " << focused().toStdString();
    for (qsizetype i = n - 1; i >= 0; --i)
        EXPECT_TRUE(pressUntil("shift+Tab", order[i])) << "Shift+Tab to " << i << ": " << focused().toStdString();
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_TRUE(pressUntil("Down", order.first()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return grid->currentRow() == 3; }, 3000));
    EXPECT_EQ(grid->currentColumn(), 1);
    w->close();
}

TEST(RealKeys, TabLeavesTheRivetGridInTheWindowsOrder)
{
    MDIForm1::instance().openItem("MenuTestTest");
    walk(WindowCatalog::instanceFor("MenuTestTest"),
         {"MSHFlexGrid1", "TxtNote", "txtcutfreelength", "Txtdiam", "Txtdrivenlen", "txtdrivendiam"});
}

TEST(RealKeys, TabLeavesTheGridOfTheRivetsByDiameter)
{
    walk(&Forms::open<FrmRivetsClecoBbar2>(), {"MSHFlexGrid1", "CboRivetsize", "Text1", "Text2", "Text3", "Text4"});
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qgetenv("QT_QPA_PLATFORM") != "xcb" || qgetenv("DISPLAY").isEmpty()) {
        std::fprintf(stderr, "Run by scripts/keys-test, with QT_QPA_PLATFORM=xcb on an X server with a window manager\n");
        return 1;
    }
    QuillApp app(argc, argv, WindowCatalog::menus());
    QuillApp::setUp(false);
    MDIForm1::instance().show();
    return RUN_ALL_TESTS();
}
