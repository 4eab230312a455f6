// Every box shows its whole text and every button its whole caption: each
// window is fed its ordinary values (altitudes up to 60000 ft, Mach up to 10,
// amounts up to "($1,000,000.00)", distances up to 20000 km, every converter
// at 1 and 123.456 of either sign) and each line edit's text, measured in the
// box's own font, must fit the width the box draws text in.
#include "WindowCatalog.h"
#include "runtime/Currency.h"
#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/Wforms.h"
#include "tables/ui/FlexGrid.h"

#include "TestSupport.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>

namespace {

// The width a line edit draws its text in without scrolling: the style's
// contents rectangle less the text margins and the edit's own 2-pixel margin
// on each side; the text needs one pixel more for the cursor.
int textRoom(const QLineEdit* e)
{
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QRect contents = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const QMargins m = e->textMargins();
    return contents.width() - m.left() - m.right() - 2 * 2;
}

// The width a button centres its caption in: the style's contents rectangle
// (inside the frame), less two pixels of air on each side, without which the
// caption runs into the frame.
int captionRoom(const QPushButton* b)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.rect = b->rect();
    opt.text = b->text();
    if (b->autoDefault()) opt.features |= QStyleOptionButton::AutoDefaultButton;
    return b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width() - 2 * 2;
}

class TextFit : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (w) w->unload();
        EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
    }
    void open(const char* item)
    {
        MDIForm1::instance().openItem(item);
        w = WindowCatalog::instanceFor(item);
        ASSERT_TRUE(w && w->isLoaded()) << item;
    }
    QLineEdit* box(const QString& name) { return child<QLineEdit>(w, name); }
    void put(const QString& name, const QString& text) { enter(box(name), text); }
    // Notes every box of the window whose text does not fit, with what was fed.
    void check(const QString& fed)
    {
        for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
            const int need = e->fontMetrics().horizontalAdvance(e->text()) + 1;
            const int room = textRoom(e);
            const QString line = QString("%1 after %2: \"%3\" needs %4 px, has %5")
                                     .arg(e->objectName(), fed, e->text())
                                     .arg(need)
                                     .arg(room);
            if (need > room && !cut.contains(line)) cut.append(line);
        }
        for (QPushButton* b : w->findChildren<QPushButton*>()) {
            const int need = b->fontMetrics().horizontalAdvance(b->text().remove(u'&'));
            const QString line = QString("button %1: \"%2\" needs %3 px, has %4")
                                     .arg(b->objectName(), b->text())
                                     .arg(need)
                                     .arg(captionRoom(b));
            if (need > captionRoom(b) && !cut.contains(line)) cut.append(line);
        }
    }
    // Typed, for boxes whose handlers follow the keys rather than the text.
    void typeEach(const QString& name, const QStringList& values)
    {
        for (const QString& v : values) {
            enter(box(name), QString());
            QTest::keyClicks(box(name), v);
            check(name + " typed " + v);
        }
    }
    void feedEach(const QString& name, const QStringList& values)
    {
        for (const QString& v : values) {
            put(name, v);
            check(name + "=" + v);
        }
    }

    // The widest texts the result formatter can give: "0.0000E+00" with a
    // sign and two-digit exponents, and "#0.00" up to 10000.
    void widestResults(const QStringList& boxes)
    {
        for (const QString& b : boxes) feedEach(b, {"-8.8888E-88", "-8.8888E+88", "10000.00"});
    }

    ToolWindow* w = nullptr;
    QStringList cut;
};

// What every window shows as it opens, a window added to the menu table included.
TEST_F(TextFit, EveryWindowAsItOpens)
{
    for (const char* item : windowItems()) {
        open(item);
        check(QString("opening ") + item);
        w->unload();
        w = nullptr;
    }
}

const QStringList machs = {"0.01", "0.3", "0.9", "1", "2.5", "5", "10"};

TEST_F(TextFit, IsentropicFlow)
{
    open("M1_1D_IsFl");
    check("opening");
    feedEach("txtMach", machs);
    put("TxtGama", "1.05");
    feedEach("txtMach", machs);
    widestResults({"txtMStar", "TxtPt2Ps", "TxtTt2Ts", "TxtRt2Rs", "TxtA2AStar", "Txtq2Pt"});
}

TEST_F(TextFit, NormalShock)
{
    open("M1_1d_NoSh");
    check("opening");
    feedEach("txtMx", machs);
    put("TxtGama", "1.67");
    feedEach("txtMx", machs);
    widestResults({"txtMy", "TxtPsy2Psx", "TxtPty2Ptx", "TxtTsy2Tsx", "TxtTsy2Ttx", "Txtdensy2densx"});
}

TEST_F(TextFit, Atmosphere)
{
    open("M1_Atm_Aero");
    check("opening");
    for (const char* dIsa : {"0", "-30", "30"}) {
        put("Txt_dISA", dIsa);
        put("Txt_dISA_iso", dIsa);
        for (const char* alt : {"0", "36089", "60000"}) {
            put("Txt_alt", alt);
            typeEach("Txt_mach", {"0.3", "1", "10"});
            typeEach("Txt_Veas", {"100", "999"});
        }
        for (const char* alt : {"0", "11000", "18288"}) {
            put("Txt_alt_iso", alt);
            typeEach("Txt_mach_iso", {"0.3", "1", "10"});
            typeEach("Txt_veas_iso", {"100", "1999"});
        }
    }
    // The speeds were computed, not left at their opening texts.
    EXPECT_NE(box("Txt_vtrue")->text(), "0.0000");
    EXPECT_NE(box("Txt_qbar_iso")->text(), "0.0000");
}

TEST_F(TextFit, AirConstants)
{
    open("M1_const");
    check("opening");
}

TEST_F(TextFit, Geographic)
{
    open("Geodist");
    check("opening");
    for (const char* sec : {"30.0000", "59.9999"}) {
        for (const char* p : {"sp", "ep"}) {
            for (const char* c : {"lon", "lat"}) {
                put(QString("txt_%1_deg_%2").arg(c, p), "89");
                put(QString("txt_%1_min_%2").arg(c, p), "59");
                put(QString("txt_%1_sec_%2").arg(c, p), sec);
            }
        }
        check(QString("seconds ") + sec);
    }
    // Half the earth round: close to 20000 km.
    put("txt_lon_deg_sp", "0");
    put("txt_lon_deg_ep", "179");
    put("txt_lat_deg_sp", "0");
    put("txt_lat_deg_ep", "0");
    check("antipodes");
}

// The amounts follow the desktop's currency format; "($1,000,000.00)" of a
// US desktop is the widest.
TEST_F(TextFit, Finance)
{
    const QLocale desktop;
    for (const char* locale : {"C", "en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(locale));
        open("M1Finance");
        check(QString("opening in ") + locale);
        put("Txt_PV", "-1000000");
        put("Txt_FV", "1000000");
        for (const char* b : {"Cmd_PMT", "Cmd_FV", "Cmd_PV", "Cmd_i_per_year", "Cmd_N"}) {
            child<QPushButton>(w, b)->click();
            check(QString(b) + " in " + locale);
        }
        for (const char* b : {"Txt_PV", "Txt_PMT", "Txt_FV"}) feedEach(b, {rt::formatCurrency(-1000000.0)});
        w->unload();
    }
    QLocale::setDefault(desktop);
}

TEST_F(TextFit, Calculator)
{
    open("M1_calc");
    check("opening");
    feedEach("y_val", {"-8.8888E-88", "123456789.123"});
}

TEST_F(TextFit, AboutBox)
{
    open("Brindlewick");
    check("opening");
}

// Where a control or a caption's text stands, in window pixels.
QRect inWindow(QWidget* w, const QRect& r) { return QRect(w->mapTo(w->window(), r.topLeft()), r.size()); }
QRect textRect(QLabel* l)
{
    return inWindow(l, l->fontMetrics().boundingRect(l->contentsRect(), int(l->alignment()), l->text()));
}

// A caption's text is level with its box and ends clear of it.
TEST_F(TextFit, CalculatorCaptionsStandInLineWithTheirBoxes)
{
    open("M1_calc");
    for (const auto& [caption, name] : {std::pair{"Label1", "y_val"}, {"Label2", "x_val_result"}}) {
        const QRect text = textRect(child<QLabel>(w, caption));
        const QRect b = inWindow(box(name), box(name)->rect());
        EXPECT_NEAR(text.center().y(), b.center().y(), 2) << caption;
        EXPECT_GE(b.left() - text.right(), 3) << caption;
    }
}

// No control covers part of another: boxes, buttons, lists and grids each show whole.
TEST_F(TextFit, NoControlCoversAnother)
{
    Wforms::show_info_form();
    QList<ToolWindow*> windows{&Forms::instance<FPropaganda>()};
    for (const char* item : windowItems()) windows << openFromMenu(item);
    for (ToolWindow* win : windows) {
        QList<QWidget*> controls;
        for (QWidget* c : win->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractButton*>(c)
                                 || qobject_cast<QAbstractScrollArea*>(c) || qobject_cast<QComboBox*>(c);
            if (control && c->isVisibleTo(win) && !c->objectName().isEmpty() && !c->objectName().startsWith("qt_"))
                controls << c;
        }
        for (QWidget* a : controls) {
            for (QWidget* b : controls) {
                if (a >= b || a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
                EXPECT_FALSE(inWindow(a, a->rect()).intersects(inWindow(b, b->rect())))
                    << win->objectName().toStdString() << ": " << a->objectName().toStdString() << " and "
                    << b->objectName().toStdString();
            }
        }
        if (win->objectName() != "FPropaganda") win->unload();
    }
}

TEST_F(TextFit, Planets)
{
    open("SunPlanets");
    check("opening");
}

TEST_F(TextFit, ConversionEveryConverterAtOneAnd123_456OfEitherSign)
{
    open("M1_conv");
    auto* tabs = child<QTabWidget>(w, "Conversions");
    for (int t = 0; t < tabs->count(); ++t) {
        tabs->setCurrentIndex(t);
        const QList<QListWidget*> lists = tabs->widget(t)->findChildren<QListWidget*>();
        ASSERT_EQ(lists.size(), 2) << t;
        for (int f = 0; f < lists[0]->count(); ++f) {
            for (int o = 0; o < lists[1]->count(); ++o) {
                lists[0]->setCurrentRow(f);
                lists[1]->setCurrentRow(o);
                for (const char* v : {"1", "123.456", "-1", "-123.456"}) {
                    put("Txt_A", v);
                    check(QString("%1: %2 -> %3 at %4")
                              .arg(tabs->tabText(t), lists[0]->item(f)->text(), lists[1]->item(o)->text(), v));
                }
            }
        }
    }
}

TEST_F(TextFit, RivetHeadingsCopiedWhole)
{
    open("MenuTestTest");
    auto* grid = child<FlexGrid>(w, "MSHFlexGrid1");
    QHeaderView* h = grid->horizontalHeader();
    for (int col = 0; col < grid->columnCount(); ++col) {
        const QPoint p(h->sectionViewportPosition(col) + h->sectionSize(col) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, p);
        check(QString("heading %1").arg(col));
    }
}

} // namespace
