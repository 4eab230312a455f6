#include "aero/ui/F1DShockFlow.h"
#include "aero/ui/FAero.h"
#include "aero/ui/FConstants.h"
#include "aero/ui/FIsentCompFlow.h"
#include "conversion/ui/FConversion.h"
#include "geo/ui/FGeo.h"
#include "runtime/Error.h"
#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"
#include "shell/ui/Wforms.h"
#include "shell/ui/frmAbout.h"
#include "tables/ui/FBonanza_A36.h"
#include "tables/ui/FrmRivetsClecoBbar1.h"
#include "tables/ui/Frm_Drill_sizes.h"
#include "tools/ui/Astronomy_1.h"
#include "tools/ui/FCalculator.h"
#include "tools/ui/Fdatetime.h"
#include "tools/ui/Financial_1.h"

#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <typeindex>

namespace {

// A window whose unload can be refused, standing for any tool window.
class Stubborn : public ToolWindow {
public:
    Stubborn() : ToolWindow("Stubborn") {}
    bool refuse = false;

protected:
    void setupUi(QWidget* body) override { new QLineEdit("design", body); }
    void Form_Unload(bool& cancel) override { cancel = refuse; }
};

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = &MDIForm1::instance();
        frame->show();
    }
    void TearDown() override { unloadToolWindows(); }
    QAction* item(const char* name) { return frame->findChild<QAction*>(name); }
    MDIForm1* frame = nullptr;
};

// The program starts by showing its frame (main), as SetUp does; in a
// program of its own the frame is made and shown here for the first time.
TEST_F(Frame, StartsAtItsPlaceWithTheInformationWindow)
{
    if (!inAFreshProgram()) return;
    EXPECT_EQ(frame->windowTitle(), "Brindlewick-Quillmere");
    EXPECT_EQ(frame->Left(), 1000);
    EXPECT_EQ(frame->Top(), 1000);
    EXPECT_EQ(frame->Width(), 4960);
    EXPECT_EQ(frame->Height(), 9500);
    auto& info = Forms::instance<FPropaganda>();
    EXPECT_TRUE(info.isLoaded());
    EXPECT_TRUE(info.isMdiChild());
    EXPECT_EQ(info.Left(), 0);
    EXPECT_EQ(info.Top(), 0);
    EXPECT_EQ(info.Width(), 4740);
    EXPECT_EQ(info.Height(), 8690);
    // On the screen too, in whole pixels of 15 twips, the nearest: the frame
    // at 1000, 1000 twips (66.7 px), the information window at the top left
    // corner of its client area.
    EXPECT_EQ(frame->frameGeometry().topLeft(), QPoint(67, 67));
    EXPECT_EQ(frame->size(), QSize(331, 633));
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.subWindow()->geometry(), QRect(0, 0, 316, 579));
    EXPECT_EQ(info.subWindow()->parentWidget(), frame->mdiArea()->viewport());
}

// A pixel is 15 twips; a place or size between two pixels goes to the nearer,
// on either side of zero.
TEST(Twips, APlaceGoesToTheNearestPixel)
{
    const std::pair<double, int> cases[] = {
        {0, 0},     {7, 0},      {8, 1},       {15, 1},     {22.4, 1},     {22.5, 2},    {1000, 67},
        {4960, 331}, {6200, 413}, {7300, 487},  {-7, 0},     {-8, -1},      {-1000, -67},
    };
    for (const auto& [twips, px] : cases) EXPECT_EQ(Twips::px(twips), px) << twips;
    EXPECT_EQ(Twips::rect(1000, 450, 6200, 7300), QRect(67, 30, 413, 487));
}

// The program ends while boxes hold numbers typed below their minimum, one
// of them with the keyboard. Exit closes every window, and as closing a
// window does, it drops those numbers unchecked: no handler runs then, and
// none on a window half destroyed, where it would write into controls that
// are gone. A box inside the frame loses the keyboard while its window is
// destroyed with the frame's client area, which would let its number go; a
// window beside the frame is hidden before its controls go. The information
// window has no line box of its own: the test gives it one.
TEST(FrameExit, NoHandlerRunsOnAWindowBeingDestroyed)
{
    if (!inAFreshProgram()) return;
    MDIForm1& frame = MDIForm1::instance();
    frame.show();
    static bool exiting = false;
    auto holdBelowOne = [](QLineEdit* box, ToolWindow* w) {
        NumberBox& n = NumberBox::of(box);
        if (!n.minimum()) n.reads().within(1);
        QObject::connect(&n, &NumberBox::changed, qApp, [name = box->objectName()] {
            if (exiting) {
                std::fprintf(stderr, "a handler of %s ran at exit\n", qPrintable(name));
                std::_Exit(1);
            }
        });
        QApplication::setActiveWindow(w->window());
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "0");
        ASSERT_TRUE(n.held());
        ASSERT_EQ(QApplication::focusWidget(), box);
    };
    ToolWindow* isen = openFromMenu("M1_1D_IsFl");
    holdBelowOne(child<QLineEdit>(isen, "TxtGama"), isen);
    auto& info = Forms::instance<FPropaganda>();
    auto* box = new QLineEdit(child<QWidget>(&info, "Label1")->parentWidget());
    box->setObjectName("TxtHeld");
    box->show();
    holdBelowOne(box, &info);
    exiting = true;
}

// A display of 1920 x 1080 pixels at a scale of 2: a free area of 960 x 540.
QStringList smallScreen()
{
    static QTemporaryDir dir;
    return {"QT_QPA_PLATFORM=" + offscreenWithScreen(dir, 1920, 1080), "QT_SCALE_FACTOR=2"};
}

// Where the screen's free area is smaller than the frame's start place, the
// frame stands inside it, and so does the information window's "Minimize".
TEST(FrameStart, FitsAScreenSmallerThanItsPlace)
{
    if (!inAFreshProgram(smallScreen())) return;
    MDIForm1& frame = MDIForm1::instance();
    frame.show();
    const QRect free = frame.screen()->availableGeometry();
    ASSERT_EQ(free.size(), QSize(960, 540));
    auto& info = Forms::instance<FPropaganda>();
    auto* minimize = child<QPushButton>(&info, "Command1");
    auto* text = child<QPlainTextEdit>(&info, "Text1");
    QWidget* client = frame.mdiArea()->viewport();
    const auto inClient = [client](QWidget* w) { return QRect(w->mapTo(client, QPoint(0, 0)), w->size()); };
    (void)QTest::qWaitFor([&] { return client->rect().contains(inClient(minimize)); }, 2000);

    EXPECT_TRUE(free.contains(frame.frameGeometry())) << frame.frameGeometry().y() << "+" << frame.frameGeometry().height();
    EXPECT_EQ(frame.width(), 331) << "as wide as asked: the width fits";
    EXPECT_TRUE(client->rect().contains(inClient(minimize))) << inClient(minimize).bottom() << " in " << client->height();
    EXPECT_TRUE(free.contains(QRect(minimize->mapToGlobal(QPoint(0, 0)), minimize->size())));
    EXPECT_LE(inClient(text).bottom(), inClient(minimize).top()) << "the text ends above the button";
    EXPECT_GE(text->height(), Twips::px(6000));
    // The place asked for reads as it was set.
    EXPECT_EQ(frame.Top(), 1000);
    EXPECT_EQ(frame.Height(), 9500);
    EXPECT_EQ(info.Height(), 8690);

    QTest::mouseClick(minimize, Qt::LeftButton);
    EXPECT_EQ(info.Height(), 500);
    QTest::mouseClick(child<QLabel>(&info, "Label1"), Qt::LeftButton);
    EXPECT_TRUE(client->rect().contains(inClient(minimize)));
}

TEST_F(Frame, MenuBarShowsOnlyTheVisibleMenus)
{
    QStringList shown;
    for (QAction* a : frame->menuBar()->actions())
        if (a->isVisible()) shown << a->text();
    EXPECT_EQ(shown, (QStringList{"General", "Mech", "Aero", "Finance", "Geo", "About"}));
    for (const char* hidden : {"MDozaduze", "MenuTest"}) {
        auto* m = frame->findChild<QMenu*>(hidden);
        ASSERT_NE(m, nullptr) << hidden;
        EXPECT_FALSE(m->menuAction()->isVisible());
        EXPECT_FALSE(m->menuAction()->isEnabled());
    }
    EXPECT_EQ(item("MenuTestTest")->text(), "Test Rivets, Cleco's and Buckling bars");
    EXPECT_EQ(item("M1_1D_IsFl")->text(), "1D Isentropic FLow");
    EXPECT_EQ(item("SunPlanets")->text().replace("&&", "&"), "Sun & planets");
    EXPECT_FALSE(item("MRay1_BonanzaA36")->isEnabled());
}

TEST_F(Frame, AMenuItemLoadsItsWindowOnceAndAgainAfterAClose)
{
    item("Brindlewick")->trigger();
    auto* about = Forms::existing<frmAbout>();
    ASSERT_NE(about, nullptr);
    const int loads = about->loadCount();
    item("Brindlewick")->trigger();
    EXPECT_EQ(Forms::existing<frmAbout>(), about);
    EXPECT_EQ(about->loadCount(), loads);
    EXPECT_EQ(frame->findChildren<frmAbout*>().size() + QApplication::topLevelWidgets().count(about), 1);
    about->close();
    EXPECT_FALSE(about->isLoaded());
    item("Brindlewick")->trigger();
    EXPECT_EQ(about->loadCount(), loads + 1);
    EXPECT_EQ(child<QLabel>(about, "lblTitle")->text(), "Quillmere");
}

// Each menu item, chosen, loads and shows the window it names, and only the
// items that open nothing leave every window as it was. The switched-off
// sheet item is switched on for its turn, so its own handler runs too.
TEST_F(Frame, EveryMenuItemOpensItsWindow)
{
    const QList<std::pair<const char*, std::type_index>> opens = {
        {"Mcalender", typeid(Fdatetime)},        {"M1_calc", typeid(FCalculator)},
        {"M1_conv", typeid(FConversion)},        {"Mdrill_sizes", typeid(Frm_Drill_sizes)},
        {"M1_const", typeid(FConstants)},        {"M1_Atm_Aero", typeid(FAero)},
        {"M1_1D_IsFl", typeid(FIsentCompFlow)},  {"M1_1d_NoSh", typeid(F1DShockFlow)},
        {"M1Finance", typeid(Financial_1)},      {"Geodist", typeid(FGeo)},
        {"SunPlanets", typeid(Astronomy_1)},     {"MRay1_BonanzaA36", typeid(FBonanza_A36)},
        {"Brindlewick", typeid(frmAbout)},       {"MenuTestTest", typeid(FrmRivetsClecoBbar1)},
    };
    const QStringList opensNothing = {"MTestTMAterials"};
    const auto others = [] {
        QList<ToolWindow*> open = Forms::loaded();
        open.removeAll(&Forms::instance<FPropaganda>());
        return open;
    };

    QStringList seen;
    for (QAction* menu : frame->menuBar()->actions())
        for (QAction* a : menu->menu()->actions()) seen << a->objectName();
    QStringList listed(opensNothing);
    for (const auto& [name, type] : opens) listed << name;
    listed.sort();
    seen.sort();
    EXPECT_EQ(seen, listed) << "every item of the menu bar is listed here";

    for (const auto& [name, type] : opens) {
        SCOPED_TRACE(name);
        QAction* a = item(name);
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(others().isEmpty());
        const bool enabled = a->isEnabled();
        a->setEnabled(true);
        a->trigger();
        a->setEnabled(enabled);
        const QList<ToolWindow*> open = others();
        ASSERT_EQ(open.size(), 1);
        EXPECT_STREQ(typeid(*open.first()).name(), type.name());
        EXPECT_TRUE(open.first()->isVisible());
        open.first()->unload();
    }
    for (const QString& name : opensNothing) {
        item(name.toLatin1())->trigger();
        EXPECT_TRUE(others().isEmpty()) << name.toStdString();
    }
}

TEST_F(Frame, ClosingUnloadsTheOtherWindowsUnlessOneRefuses)
{
    auto& stubborn = Forms::instance<Stubborn>();
    stubborn.showForm();
    item("Brindlewick")->trigger();
    stubborn.refuse = true;
    EXPECT_FALSE(frame->close());
    EXPECT_FALSE(Forms::existing<frmAbout>()->isLoaded());
    EXPECT_TRUE(stubborn.isLoaded());
    EXPECT_TRUE(MDIForm1::isOpen());

    stubborn.refuse = false;
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(stubborn.isLoaded());
    EXPECT_FALSE(Forms::instance<FPropaganda>().isLoaded());
    EXPECT_EQ(Forms::loadedCount(), 0);
    frame->show(); // the next test starts with the frame open again
    EXPECT_TRUE(Forms::instance<FPropaganda>().isLoaded());
}

TEST_F(Frame, ReloadBuildsTheControlsAfresh)
{
    auto& w = Forms::instance<Stubborn>();
    w.showForm();
    auto* box = w.findChild<QLineEdit*>();
    enter(box, "typed");
    w.close();
    w.showForm();
    EXPECT_EQ(w.findChild<QLineEdit*>()->text(), "design");
}

TEST_F(Frame, AnOpenedWindowHandsTheFocusToItsFirstControl)
{
    auto& w = Forms::instance<Stubborn>();
    w.showForm();
    // The window's focus child is what gets the keys once the window is active.
    auto* box = w.findChild<QLineEdit*>();
    EXPECT_EQ(w.focusWidget(), box);
    EXPECT_EQ(box->selectedText(), "design") << "the first keys replace the design text";
    // Brought forward again, the box keeps the caret where the user left it.
    box->setCursorPosition(2);
    w.showForm();
    EXPECT_FALSE(box->hasSelectedText());
    EXPECT_EQ(box->cursorPosition(), 2);
}

TEST_F(Frame, PlacementHelpersApplyGivenSizesAndDefaults)
{
    Wforms::place_main_form(*frame, 7900, 6380);
    EXPECT_EQ(frame->Height(), 7900);
    EXPECT_EQ(frame->Width(), 6380);
    Wforms::place_main_form(*frame, 7000);
    EXPECT_EQ(frame->Height(), 7000);
    EXPECT_EQ(frame->Width(), 4960);
    Wforms::place_main_form(*frame, 0, 0);
    EXPECT_EQ(frame->Height(), 0);
    Wforms::show_info_form(std::nullopt, 6250);
    auto& info = Forms::instance<FPropaganda>();
    EXPECT_EQ(info.Width(), 6250);
    EXPECT_EQ(info.Height(), 8690);
    auto& w = Forms::instance<Stubborn>();
    Wforms::place_child_form(w);
    EXPECT_TRUE(w.isLoaded()); // placing an unloaded window loads it
    EXPECT_EQ(w.Top(), 450);
    EXPECT_EQ(w.Left(), 0);
    EXPECT_EQ(w.Height(), 5755);
    EXPECT_EQ(w.Width(), 4745);
    Wforms::place_main_form(*frame);
    Wforms::show_info_form();
}

TEST_F(Frame, InformationWindowFoldsAndHoldsItsText)
{
    auto& info = Forms::instance<FPropaganda>();
    Wforms::show_info_form();
    ASSERT_EQ(info.Height(), 8690);
    // The fold state lives as long as the instance (a reload toggles it too),
    // so the first click folds or unfolds; each click after it alternates.
    QTest::mouseClick(child<QLabel>(&info, "Label1"), Qt::LeftButton);
    const float first = info.Height();
    EXPECT_TRUE(first == 500 || first == FPropaganda::designHeight) << first;
    const float other = first == 500 ? FPropaganda::designHeight : 500;
    child<QPushButton>(&info, "Command1")->click();
    EXPECT_EQ(info.Height(), other);
    info.Form_Click();
    EXPECT_EQ(info.Height(), first);
    info.Label1_Click();
    Wforms::show_info_form();

    const QString text = child<QPlainTextEdit>(&info, "Text1")->toPlainText();
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 43); // 42 lines, each ended by a line break
    EXPECT_EQ(lines.last(), "");
    EXPECT_EQ(info.lines().size(), 42);
    EXPECT_EQ(info.lines()[17], "---Std. Athmospere");
    EXPECT_EQ(info.lines()[18], "---1Disnetropic Flow Propeties");
    EXPECT_TRUE(info.lines()[0].startsWith("Contact us: "));
}

// A handler without a trap: its error surfaces at event dispatch.
class Thrower : public QObject {
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User) rt::raise(rt::Err::DivisionByZero);
        return QObject::event(e);
    }
};

TEST(EventDispatch, AnEscapedErrorIsReportedAndTheProgramGoesOn)
{
    rt::MessageRecorder rec;
    Thrower t;
    QEvent e(QEvent::User);
    QApplication::sendEvent(&t, &e);
    EXPECT_EQ(rec.messages, QStringList{"Division by zero"});
}

} // namespace
