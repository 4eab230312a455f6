#include "geo/ui/FGeo.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/Utilities.h"
#include "shell/ui/Controls.h"
#include "shell/ui/Funct_txt_check.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

namespace {

const char* const kCoordName[2] = {"lat", "lon"};
const char* const kFieldName[3] = {"deg", "min", "sec"};
const char* const kPointSuffix[2] = {"sp", "ep"};
// The hemisphere lists' names are not regular.
const char* const kListName[2][2] = {{"Cb_lat_NS_sp", "CB_Lon_EW_sp"}, {"CB_Lat_NS_ep", "CB_Lon_EW_ep"}};
const double kDegreeMax[2] = {90, 359};

// The reading of the one box that takes its whole text as one number: a
// seconds value it would accept must be the whole text; a text that reads as
// 0 or out of range by its leading number is the check's to tidy or refuse.
double wholeSeconds(QStringView text)
{
    const double v = rt::val(text);
    return v > 0 && v <= 59.99 ? rt::cdbl(text) : v;
}

// Columns of a point frame (twips, inside the frame): deg, min, sec, list.
// The seconds column takes "59.9999" whole in the desktop font; the others
// give way to it.
const int kColLeft[4] = {900, 1440, 1920, 2790};
const int kColWidth[4] = {510, 450, 810, 960};
constexpr int kRowCaptionWidth = 810;
const int kRowTop[2] = {870, 450}; // latitude below longitude

} // namespace

FGeo::FGeo() : ToolWindow("FGeo")
{
    setWindowTitle("Geo");
    setClientSize(4710, 5190);
}

FGeo::~FGeo() = default;

void FGeo::setupUi(QWidget* body)
{
    QPushButton* const resets[] = {buildPoint(body, StartPoint), buildPoint(body, EndPoint)};

    auto* frame4 = Controls::frame(body, "Frame4", "Geographic", Twips::rect(60, 2760, 4590, 2370));
    auto* tabs = new QTabWidget(frame4);
    tabs->setObjectName("SSTab2");
    tabs->setGeometry(Twips::rect(120, 240, 4350, 2040));
    struct Page {
        const char* tab;
        const char* unit;
        const char* eqr;
        const char* polr;
        const char* output;
        const char* dist;
        const char* eqrText;
        const char* polrText;
    };
    const Page pages[2] = {
        {"ISO", "[Km]", "Txt_EQR_ISO", "Txt_PolR_ISO", "Frame5", "Txt_dist_ISO", "6378.16", "6356.77"},
        {"English", "[Mi]", "Txt_EQR_Eng", "Txt_PolR_Eng", "Frame6", "Txt_dist_Eng", "", ""},
    };
    QLineEdit* made[2][3] = {};
    for (int i = 0; i < 2; ++i) {
        const Page& pg = pages[i];
        auto* page = new QWidget;
        Controls::label(page, QString(), "Equatorial Earth Radius:", Twips::rect(120, 120, 2100, 255));
        made[i][0] = Controls::textBox(page, pg.eqr, pg.eqrText, Twips::rect(2280, 90, 1140, 315));
        Controls::label(page, QString(), pg.unit, Twips::rect(3510, 120, 600, 255));
        Controls::label(page, QString(), "Polar Earth Radius:", Twips::rect(120, 480, 2100, 255));
        made[i][1] = Controls::textBox(page, pg.polr, pg.polrText, Twips::rect(2280, 450, 1140, 315));
        Controls::label(page, QString(), pg.unit, Twips::rect(3510, 480, 600, 255));
        auto* out = Controls::frame(page, pg.output, "Output:", Twips::rect(60, 810, 4140, 690));
        Controls::label(out, QString(), "Distance:", Twips::rect(120, 300, 1500, 255));
        made[i][2] = Controls::textBox(out, pg.dist, "0.00", Twips::rect(2220, 270, 1140, 315));
        // The radii are shown, not entered: the model keeps its own.
        made[i][0]->setReadOnly(true);
        made[i][1]->setReadOnly(true);
        Controls::label(out, QString(), pg.unit, Twips::rect(3450, 300, 600, 255));
        tabs->addTab(page, pg.tab);
    }
    Txt_EQR_ISO = made[0][0];
    Txt_PolR_ISO = made[0][1];
    Txt_dist_ISO = made[0][2];
    Txt_EQR_Eng = made[1][0];
    Txt_PolR_Eng = made[1][1];
    Txt_dist_Eng = made[1][2];

    // The keyboard follows the screen: each point row by row, left to right
    // (longitude is the top row, its Reset at its end), then the tabs.
    QList<QWidget*> order;
    for (Point p : {StartPoint, EndPoint}) {
        for (Coord c : {Lon, Lat}) {
            for (Field k : {Deg, Min, Sec}) order << box_[p][c][k];
            order << list_[p][c];
            if (c == Lon) order << resets[p];
        }
    }
    order << tabs;
    for (auto& page : made) order << page[0] << page[1] << page[2];
    setKeyboardOrder(order);
}

QPushButton* FGeo::buildPoint(QWidget* body, Point p)
{
    auto* frame = Controls::frame(body, p == StartPoint ? "Frame1" : "Frame2",
                                  p == StartPoint ? "Start Point:" : "End Point:",
                                  Twips::rect(60, p == StartPoint ? 60 : 1410, 4590, 1290));
    const char* heads[4] = {"Deg", "Min", "Sec", "Hemisphere"};
    for (int col = 0; col < 4; ++col)
        // "Hemisphere" is wider than its list; the reset button sits below it.
        Controls::label(frame, QString(), heads[col],
                        Twips::rect(kColLeft[col], 210, col == 3 ? 1320 : kColWidth[col], 225));
    Controls::label(frame, QString(), "Longitud:", Twips::rect(75, kRowTop[Lon] + 30, kRowCaptionWidth, 255));
    Controls::label(frame, QString(), "Latitude:", Twips::rect(75, kRowTop[Lat] + 30, kRowCaptionWidth, 255));

    for (Coord c : {Lat, Lon}) {
        for (Field k : {Deg, Min, Sec}) {
            const QString name = QString("txt_%1_%2_%3").arg(kCoordName[c], kFieldName[k], kPointSuffix[p]);
            QLineEdit* box =
                Controls::textBox(frame, name, "0", Twips::rect(kColLeft[k], kRowTop[c], kColWidth[k], 315));
            box_[p][c][k] = box;
            NumberBox& n = NumberBox::of(box);
            if (k == Sec) n.accepts(Funct_txt_check::key_numeric);
            else n.accepts(Funct_txt_check::key_digits);
            // Minutes and seconds have bounds of their own checks.
            if (k == Deg) n.within(0, kDegreeMax[c]);
            n.keeps([this, p, c, k] { return entered_[p][c][k]; },
                    strictBox(p, c, k) ? NumberBox::Reading(wholeSeconds) : NumberBox::Reading());
            connect(&n, &NumberBox::changed, this, [this, p, c, k] { txt_Change(p, c, k); });
        }
        auto* list = new QComboBox(frame);
        list->setObjectName(kListName[p][c]);
        list->setGeometry(Twips::rect(kColLeft[3], kRowTop[c], kColWidth[3], 315));
        // A list with a text field: typing there picks nothing until the
        // user leaves the field (hemisphereLeft), so the field never shows
        // one hemisphere while the point stands in the other.
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
        disconnect(list->lineEdit(), &QLineEdit::returnPressed, list, nullptr);
        list->installEventFilter(this);
        list->addItems(c == Lat ? QStringList{"North", "South"} : QStringList{"East", "West"});
        list->setCurrentIndex(-1);
        list->setEditText(c == Lat ? "N/S" : "E/W");
        list_[p][c] = list;
        connect(list, &QComboBox::currentIndexChanged, this, [this, p, c](int index) {
            if (index >= 0) hemisphere_Click(p, c);
        });
    }

    auto* reset = Controls::button(frame, p == StartPoint ? "Bt_Resetsp" : "Bt_Resetep", "Reset",
                                   Twips::rect(3780, kRowTop[Lon], 720, 315));
    connect(reset, &QPushButton::clicked, this, [this, p] { p == StartPoint ? Bt_Resetsp_Click() : Bt_Resetep_Click(); });
    return reset;
}

void FGeo::Form_Load()
{
    geo_ = std::make_unique<Geo23NP>();
    for (auto& point : accepted_)
        for (auto& coord : point)
            for (double& v : coord) v = 0;
    for (auto& point : entered_)
        for (auto& coord : point)
            for (double& v : coord) v = 0;
    distance_ = 0;

    selectSecondItem(StartPoint, Lon);
    selectSecondItem(StartPoint, Lat);
    selectSecondItem(EndPoint, Lat);
    selectSecondItem(EndPoint, Lon);

    EQR_ISO = 6378.16;
    PolR_ISO = 6356.77;
    EQR_Eng = EQR_ISO / LengthObj.m2km() * LengthObj.m2mi();
    PolR_Eng = PolR_ISO / LengthObj.m2km() * LengthObj.m2mi();
    NumberBox::of(Txt_EQR_ISO).show(Utilities::format_result(EQR_ISO));
    NumberBox::of(Txt_PolR_ISO).show(Utilities::format_result(PolR_ISO));
    NumberBox::of(Txt_EQR_Eng).show(Utilities::format_result(EQR_Eng));
    NumberBox::of(Txt_PolR_Eng).show(Utilities::format_result(PolR_Eng));

    for (Point p : {StartPoint, EndPoint})
        for (Coord c : {Lat, Lon}) hemisphere_[p][c] = list_[p][c]->itemText(list_[p][c]->currentIndex());

    // The load checks seconds as minutes; on the design texts "0" nothing changes.
    for (Point p : {StartPoint, EndPoint})
        for (Coord c : {Lat, Lon}) {
            double& deg = accepted_[p][c][Deg];
            deg = Funct_txt_check::check_range(box_[p][c][Deg], deg);
            for (Field k : {Min, Sec}) accepted_[p][c][k] = Funct_txt_check::check_0_59(box_[p][c][k], accepted_[p][c][k]);
        }

    place(StartPoint, Lat);
    place(StartPoint, Lon);
    place(EndPoint, Lat);
    place(EndPoint, Lon);
}

void FGeo::txt_Change(Point p, Coord c, Field k)
{
    rt::trap([&] {
        NumberBox& box = NumberBox::of(box_[p][c][k]);
        // The point takes degrees and minutes as whole numbers, a half to the
        // even one. A fraction (pasted past the digit filter) gives way to the
        // whole number, whose own change handling checks and places it.
        if (k != Sec) {
            const double v = box.number();
            const double whole = std::nearbyint(v) + 0.0; // no "-0"
            if (whole != v) {
                box.show(rt::str(whole));
                return;
            }
        }
        accepted_[p][c][k] = rangeCheck(p, c, k);
        // The box's number by its reading (a text the strict box cannot read
        // as one number never gets here: its controller reported it), or the
        // number the check put back.
        entered_[p][c][k] = box.number();
        place(p, c);
        Fcalculate_dist();
    });
}

bool FGeo::strictBox(Point p, Coord c, Field k) { return p == EndPoint && c == Lat && k == Sec; }

double FGeo::rangeCheck(Point p, Coord c, Field k)
{
    QLineEdit* box = box_[p][c][k];
    double& accepted = accepted_[p][c][k];
    switch (k) {
    case Deg: return Funct_txt_check::check_range(box, accepted);
    case Min: return Funct_txt_check::check_0_59(box, accepted);
    case Sec: return Funct_txt_check::check_0_5999(box, accepted);
    }
    return accepted;
}

void FGeo::place(Point p, Coord c)
{
    const double* e = entered_[p][c];
    const QString& h = hemisphere_[p][c];
    if (p == StartPoint) {
        if (c == Lat) geo_->setzen_Gpt1LatGMSNS(e[Deg], e[Min], e[Sec], h);
        else geo_->setzen_Gpt1LonGMSEW(e[Deg], e[Min], e[Sec], h);
    } else {
        if (c == Lat) geo_->setzen_Gpt2LatGMSNS(e[Deg], e[Min], e[Sec], h);
        else geo_->setzen_Gpt2LonGMSEW(e[Deg], e[Min], e[Sec], h);
    }
}

void FGeo::hemisphere_Click(Point p, Coord c)
{
    QComboBox* list = list_[p][c];
    hemisphere_[p][c] = list->itemText(list->currentIndex());
    place(p, c);
    Fcalculate_dist();
}

bool FGeo::eventFilter(QObject* o, QEvent* e)
{
    // The list's own popup, or another window made active, is no leaving.
    if (e->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::PopupFocusReason && why != Qt::ActiveWindowFocusReason)
            for (Point p : {StartPoint, EndPoint})
                for (Coord c : {Lat, Lon})
                    if (o == list_[p][c]) hemisphereLeft(p, c);
    }
    return ToolWindow::eventFilter(o, e);
}

void FGeo::hemisphereLeft(Point p, Coord c)
{
    QComboBox* list = list_[p][c];
    if (!list->isEditable() || list->currentIndex() < 0) return;
    // A text that names an item (in any case) is that item's pick, which
    // places the point; any other text gives way to the item picked.
    const int named = list->findText(list->currentText(), Qt::MatchFixedString);
    if (named >= 0 && named != list->currentIndex()) list->setCurrentIndex(named);
    else list->setEditText(list->itemText(list->currentIndex()));
}

void FGeo::selectSecondItem(Point p, Coord c)
{
    QComboBox* list = list_[p][c];
    // Selecting by code always counts as a pick, even of the item already
    // selected; either way the field shows the item again over any typed text.
    const bool already = list->currentIndex() == 1;
    list->setCurrentIndex(1);
    if (already) hemisphere_Click(p, c);
}

void FGeo::reset(Point p)
{
    for (Coord c : {Lat, Lon})
        for (Field k : {Deg, Min, Sec}) accepted_[p][c][k] = entered_[p][c][k] = 0;
    for (Coord c : {Lat, Lon}) {
        for (Field k : {Deg, Min, Sec}) NumberBox::of(box_[p][c][k]).show(QString());
        selectSecondItem(p, c);
    }
}

void FGeo::Fcalculate_dist()
{
    distance_ = geo_->FDist_Curv_Prom_ISO();
    NumberBox::of(Txt_dist_ISO).show(Utilities::format_result(distance_));
    NumberBox::of(Txt_dist_Eng).show(Utilities::format_result(distance_ / LengthObj.m2km() * LengthObj.m2mi()));
}
