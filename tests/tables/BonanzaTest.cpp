// The aircraft sheet: its 121 lines, the frame's "Bonanza A36" handler, and
// the restore of the frame and the information window when the sheet goes.
#include "TestSupport.h"

#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "tables/Bonanza_sheet.h"
#include "tables/ui/FBonanza_A36.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTest>

namespace {

struct Geometry {
    float left, top, width, height;
};

void expectPlace(const Form& f, Geometry g)
{
    EXPECT_EQ(f.Left(), g.left) << f.formName().toStdString();
    EXPECT_EQ(f.Top(), g.top) << f.formName().toStdString();
    EXPECT_EQ(f.Width(), g.width) << f.formName().toStdString();
    EXPECT_EQ(f.Height(), g.height) << f.formName().toStdString();
}

FBonanza_A36& openSheet()
{
    MDIForm1::instance().MRay1_BonanzaA36_Click();
    return Forms::instance<FBonanza_A36>();
}

// The sheet lives inside the frame: show the frame so the sheet is really
// shown and hidden.
class BonanzaWindow : public ::testing::Test {
protected:
    void SetUp() override { MDIForm1::instance().show(); }
};

TEST(BonanzaSheet, LinesFollowThePrintedPages)
{
    const QStringList& l = Bonanza_sheet::lines();
    ASSERT_EQ(l.size(), 121);
    const auto line = [&](int n) { return l[n - 1]; };
    const std::pair<int, const char*> headings[] = {
        {1, "Bonanza A36 Weight Statement"},
        {2, "Bonanza A36"},
        {3, "Design Weights"},
        {10, "Weight Breakdown"},
        {14, "Typical Options:"},
        {20, "Specifications and Performance"},
        {21, "Bonanza A36"},
        {22, "Characteristics"},
        {27, "External Dimensions"},
        {31, "Engines"},
        {36, "Weights"},
        {42, "Payload / Capacities"},
        {48, "Specifications and Performance"},
        {49, "Specifications and Performance, continued"},
        {50, "Bonanza A36"},
        {51, "Cabin Dimensions"},
        {55, "Cabin Volume"},
        {58, "(including baggage)"},
        {63, "Airport Performance"},
        {64, "Takeoff Field Length"},
        {67, "Landing Distance"},
        {70, "Climb Performance (Max Takeoff Weight)"},
        {74, "Ceilings"},
        {76, "Cruise Performance"},
        {77, "High Speed Cruise (25 In. Hg (or Full Throttle) @ 2,500 RPM"},
        {81, "Normal Speed Cruise (23 In. Hg (or Full Throttle) @ 2,300 RPM"},
        {85, "Long Range Cruise (21 In. Hg (or Full Throttle) @ 2,100 RPM"},
        {89, "Specifications and Performance"},
        {90, "Specifications and Performance (continued)"},
        {91, "Maximum Range at Various Altitudes and Speeds (1 pilot + 2 passengers \u2013 VFR)"},
        {104, "Maximum Range Performance (VFR reserves)"},
        {105, "Executive Payload (1 pilot + 4 passengers)"},
        {109, "Ferry (1 pilot only)"},
        {113, "Mission Performance (1 pilot + 3 passengers)"},
        {114, "200 nm mission"},
        {118, "500 nm mission"},
    };
    for (const auto& [n, text] : headings) EXPECT_EQ(line(n), QString(text)) << "line " << n;
    EXPECT_EQ(line(4), "Max. Ramp Weight" + QString(66, '.') + "3,663 lb. 1,662 kg.");
    EXPECT_EQ(line(8), "Fuel Capacity " + QString(78, '.') + "444 lb. 201 kg.");
    EXPECT_EQ(line(9), "*Calculated weight based on MTOW minus fuel required to fly 1.5 hours at HSC.");
    EXPECT_TRUE(line(7).contains('*'));

    const std::pair<int, int> repeats[] = {{18, 43}, {19, 44}, {77, 92}, {81, 96}, {85, 100}, {117, 121},
                                           {48, 60}, {49, 61}, {50, 62}};
    for (const auto& [a, b] : repeats) EXPECT_EQ(line(a), line(b)) << "lines " << a << " and " << b;

    // Value lines: label, run of full stops, value; 78 of them, line 17 with one blank instead.
    int valueLines = 0;
    for (int n = 1; n <= 121; ++n) {
        const QString& s = line(n);
        EXPECT_FALSE(s.trimmed().isEmpty()) << "line " << n;
        if (s.contains("...")) {
            ++valueLines;
            EXPECT_GE(s.size(), 84) << "line " << n;
            EXPECT_LE(s.size(), 120) << "line " << n;
            EXPECT_FALSE(s.contains('\t')) << "line " << n;
        }
        const bool plain = std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 128; });
        EXPECT_EQ(plain, n != 66 && n != 91) << "line " << n;
    }
    EXPECT_EQ(valueLines, 77);
    EXPECT_FALSE(line(17).contains(".."));
    EXPECT_TRUE(line(66).contains(QString::fromUtf8("25\u00b0C")));
}

TEST_F(BonanzaWindow, HandlerGrowsTheFrameAndPlacesTheSheet)
{
    FBonanza_A36& sheet = openSheet();
    ASSERT_TRUE(sheet.isLoaded());
    EXPECT_TRUE(sheet.isMdiChild());
    EXPECT_EQ(sheet.windowTitle(), "Bonanza A36");
    expectPlace(MDIForm1::instance(), {1000, 1000, 6380, 7900});
    expectPlace(sheet, {0, 450, 6200, 7300});
    FPropaganda& info = Forms::instance<FPropaganda>();
    EXPECT_TRUE(info.isLoaded());
    expectPlace(info, {0, 0, 6250, 8690});
    EXPECT_EQ(MDIForm1::instance().mdiArea()->activeSubWindow(), sheet.subWindow());

    auto* text = child<QPlainTextEdit>(&sheet, "Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    const QString shown = text->toPlainText();
    EXPECT_TRUE(shown.endsWith('\n'));
    QStringList shownLines = shown.split('\n');
    shownLines.removeLast();
    ASSERT_EQ(shownLines.size(), 121);
    EXPECT_EQ(shownLines.first().remove('\r'), "Bonanza A36 Weight Statement");
    EXPECT_EQ(shownLines.last().remove('\r'), Bonanza_sheet::lines().last());

    // Opening an open sheet again places it again without restoring anything.
    const int loads = sheet.loadCount();
    MDIForm1::instance().MRay1_BonanzaA36_Click();
    expectPlace(MDIForm1::instance(), {1000, 1000, 6380, 7900});
    EXPECT_EQ(sheet.loadCount(), loads);
    sheet.close();
}

TEST_F(BonanzaWindow, SheetBorderIsFixed)
{
    FBonanza_A36& sheet = openSheet();
    QMdiSubWindow* sub = sheet.subWindow();
    const QSize placed = sub->size();
    // Hover over the bottom-right corner, then drag it inwards.
    const QPointF corner(sub->width() - 2, sub->height() - 2);
    const auto move = [&](QPointF p, Qt::MouseButtons buttons) {
        QMouseEvent e(QEvent::MouseMove, p, sub->mapToGlobal(p), Qt::NoButton, buttons, {});
        QApplication::sendEvent(sub, &e);
    };
    move(corner, Qt::NoButton);
    QTest::mousePress(sub, Qt::LeftButton, {}, corner.toPoint());
    move(corner - QPointF(60, 60), Qt::LeftButton);
    QTest::mouseRelease(sub, Qt::LeftButton, {}, (corner - QPointF(60, 60)).toPoint());
    EXPECT_EQ(sub->size(), placed);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowMinMaxButtonsHint);
    sheet.close();
}

// The sheet's text is its window's one stop: Tab and Shift+Tab type no tab
// into it and take the focus on to the frame's other window, the
// information window, as Ctrl+Tab does.
TEST_F(BonanzaWindow, TabMovesOnFromTheSheetsText)
{
    FBonanza_A36& sheet = openSheet();
    MDIForm1& frame = MDIForm1::instance();
    FPropaganda& info = Forms::instance<FPropaganda>();
    auto* text = child<QPlainTextEdit>(&sheet, "Text1");
    const QString shown = text->toPlainText();
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        SCOPED_TRACE(key == Qt::Key_Tab ? "Tab" : "Shift+Tab");
        frame.mdiArea()->setActiveSubWindow(sheet.subWindow());
        text->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(frame.focusWidget(), text);
        QTest::keyClick(text, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_TRUE(text->toPlainText() == shown);
        QWidget* now = frame.focusWidget();
        EXPECT_TRUE(now && info.isAncestorOf(now));
        EXPECT_EQ(frame.mdiArea()->activeSubWindow(), info.subWindow());
    }
    sheet.close();
}

TEST_F(BonanzaWindow, ClosingRestoresFrameAndInformationWindow)
{
    FBonanza_A36& sheet = openSheet();
    MDIForm1& frame = MDIForm1::instance();
    frame.setLeft(3000);
    frame.setWidth(9000);
    Forms::instance<FPropaganda>().close();
    EXPECT_TRUE(sheet.close());
    EXPECT_FALSE(sheet.isLoaded());
    expectPlace(frame, {1000, 1000, 4960, 9500});
    FPropaganda& info = Forms::instance<FPropaganda>();
    EXPECT_TRUE(info.isLoaded());
    expectPlace(info, {0, 0, 4740, 8690});

    // Reopening after a close grows the frame again and reloads the text once.
    const int loads = sheet.loadCount();
    openSheet();
    expectPlace(frame, {1000, 1000, 6380, 7900});
    EXPECT_EQ(sheet.loadCount(), loads + 1);
    auto* text = child<QPlainTextEdit>(&sheet, "Text1");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->toPlainText().count('\n'), 121);
    sheet.close();
}

TEST_F(BonanzaWindow, HidingOrDestroyingTheSheetRestoresToo)
{
    FBonanza_A36& sheet = openSheet();
    ASSERT_TRUE(sheet.isVisible());
    sheet.subWindow()->hide();
    expectPlace(MDIForm1::instance(), {1000, 1000, 4960, 9500});
    sheet.close();

    // Destroyed by its owner, the sub-window that holds it in the frame.
    MDIForm1::instance().setLeft(2500);
    delete sheet.subWindow();
    EXPECT_EQ(Forms::existing<FBonanza_A36>(), nullptr);
    expectPlace(MDIForm1::instance(), {1000, 1000, 4960, 9500});
    // The menu's handler makes the next one.
    EXPECT_TRUE(openSheet().isVisible());
    openSheet().close();
}

TEST_F(BonanzaWindow, FrameCloseIsNotCancelledByTheRestore)
{
    FBonanza_A36& sheet = openSheet();
    bool cancel = false;
    MDIForm1::instance().MDIForm_Unload(cancel);
    EXPECT_FALSE(cancel);
    EXPECT_FALSE(sheet.isLoaded());
    EXPECT_FALSE(Forms::instance<FPropaganda>().isLoaded());
    EXPECT_TRUE(Forms::loaded().isEmpty());
}

} // namespace
