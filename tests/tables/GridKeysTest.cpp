// The keyboard in the grid windows: Tab and Shift+Tab go from the grid to the
// window's other controls and back, in the window's order, as from every
// other box; the arrow keys move between the grid's cells.
#include "TestSupport.h"

#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tables/ui/FlexGrid.h"
#include "tables/ui/FrmRivetsClecoBbar1.h"
#include "tables/ui/FrmRivetsClecoBbar2.h"
#include "tables/ui/Frm_Drill_sizes.h"

#include <QTest>

namespace {

struct GridWindow {
    const char* what;
    ToolWindow* (*open)();
    QStringList order; // the Tab stops from the grid on, wrapping back to it
};

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

TEST(GridKeys, TabAndShiftTabLeaveTheGridInTheWindowsOrder)
{
    const GridWindow windows[] = {
        {"rivets", [] { return openActive("MenuTestTest"); },
         {"MSHFlexGrid1", "TxtNote", "txtcutfreelength", "Txtdiam", "Txtdrivenlen", "txtdrivendiam"}},
        {"rivets by diameter",
         [] {
             ToolWindow* w = &Forms::open<FrmRivetsClecoBbar2>();
             QApplication::setActiveWindow(w);
             return w;
         },
         {"MSHFlexGrid1", "CboRivetsize", "Text1", "Text2", "Text3", "Text4"}},
        {"drill sizes", [] { return openActive("Mdrill_sizes"); }, {"MSFlexGrid1"}},
    };
    for (const GridWindow& g : windows) {
        SCOPED_TRACE(g.what);
        ToolWindow* w = g.open();
        auto* grid = child<FlexGrid>(w, g.order.first());
        grid->setFocus(Qt::TabFocusReason);
        grid->setCurrentCell(2, 1);
        ASSERT_EQ(focused(), g.order.first());
        const qsizetype n = g.order.size();
        for (qsizetype i = 1; i <= n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(focused(), g.order[i % n]) << "Tab " << i;
        }
        for (qsizetype i = n - 1; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(focused(), g.order[i]) << "Shift+Tab " << i;
        }
        // Passing through the grid leaves its current cell; the arrows move it.
        EXPECT_EQ(grid->currentRow(), 2);
        EXPECT_EQ(grid->currentColumn(), 1);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Right);
        EXPECT_EQ(grid->currentRow(), 3);
        EXPECT_EQ(grid->currentColumn(), 2);
        EXPECT_EQ(focused(), g.order.first());
        w->close();
    }
}

} // namespace
