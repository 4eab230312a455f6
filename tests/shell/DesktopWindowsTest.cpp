// Windows as desktop users expect them: the program's icon on every window,
// Escape closing the about box, the information window's fixed single border.
#include "WindowCatalog.h"
#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/Wforms.h"
#include "shell/ui/frmAbout.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTest>

namespace {

TEST(DesktopWindows, EveryToolWindowShowsTheProgramIcon)
{
    for (const char* item : {"M1_conv", "M1_1D_IsFl", "Brindlewick", "Geodist"}) {
        MDIForm1::instance().openItem(item);
        ToolWindow* w = WindowCatalog::instanceFor(item);
        EXPECT_FALSE(w->windowIcon().isNull()) << item;
        EXPECT_EQ(w->windowIcon().pixmap(32).toImage(), MDIForm1::instance().windowIcon().pixmap(32).toImage())
            << item;
        w->unload();
    }
}

TEST(DesktopWindows, EscapeClosesTheAboutBox)
{
    MDIForm1::instance().openItem("Brindlewick");
    frmAbout* about = Forms::existing<frmAbout>();
    ASSERT_TRUE(about && about->isVisible());
    QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(about->isLoaded());
}

// A border on every side, no caption bar, and the user cannot drag the border.
TEST(DesktopWindows, InformationWindowHasAFixedSingleBorderWithoutCaption)
{
    MDIForm1& frame = MDIForm1::instance();
    frame.show();
    Wforms::show_info_form();
    auto& info = Forms::instance<FPropaganda>();
    QMdiSubWindow* sub = info.subWindow();
    ASSERT_NE(sub, nullptr);
    // No caption bar and no frame of the frame's own to drag.
    EXPECT_TRUE(sub->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(info.mapTo(sub, QPoint(0, 0)), QPoint(0, 0));
    // The contents stand one pixel inside a line drawn all round.
    EXPECT_EQ(info.body()->mapTo(&info, QPoint(0, 0)), QPoint(1, 1));
    EXPECT_EQ(info.body()->size(), info.size() - QSize(2, 2));
    const QImage shot = info.grab().toImage();
    const QRgb line = info.palette().color(QPalette::WindowText).rgb();
    for (const QPoint p : {QPoint(0, shot.height() / 2), QPoint(shot.width() - 1, shot.height() / 2),
                           QPoint(shot.width() / 2, 0), QPoint(shot.width() / 2, shot.height() - 1)})
        EXPECT_EQ(shot.pixel(p), line) << p.x() << "," << p.y();

    const QSize before = sub->size();
    const QPoint corner(sub->width() - 2, sub->height() - 2);
    QTest::mousePress(sub, Qt::LeftButton, {}, corner);
    QTest::mouseMove(sub, corner + QPoint(40, 60));
    QTest::mouseRelease(sub, Qt::LeftButton, {}, corner + QPoint(40, 60));
    EXPECT_EQ(sub->size(), before);
}

// Boxes that only show a value take no typing.
TEST(DesktopWindows, DisplayOnlyBoxesAreReadOnly)
{
    const QList<QPair<const char*, QStringList>> cases = {
        {"Geodist", {"Txt_EQR_ISO", "Txt_PolR_ISO", "Txt_EQR_Eng", "Txt_PolR_Eng"}},
        {"M1_Atm_Aero", {"Txt_dISA_iso"}},
    };
    for (const auto& [item, boxes] : cases) {
        MDIForm1::instance().openItem(item);
        ToolWindow* w = WindowCatalog::instanceFor(item);
        for (const QString& name : boxes) {
            auto* box = child<QLineEdit>(w, name);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->isReadOnly()) << name.toStdString();
            const QString before = box->text();
            box->setFocus();
            QTest::keyClicks(box, "9");
            QTest::keyClick(box, Qt::Key_Backspace);
            EXPECT_EQ(box->text(), before) << name.toStdString();
        }
        w->unload();
    }
}

} // namespace
