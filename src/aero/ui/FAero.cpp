#include "aero/ui/FAero.h"

#include "aero/Cl_Alt_spd.h"
#include "aero/Eng_atmos.h"
#include "aero/ui/UnitRow.h"
#include "quantities/Density.h"
#include "quantities/Length.h"
#include "quantities/Pressure.h"
#include "quantities/Temperature.h"
#include "quantities/Velocity.h"
#include "runtime/Checked.h"
#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/Utilities.h"
#include "shell/ui/Controls.h"
#include "shell/ui/Funct_txt_check.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>

// The window's objects, created afresh at every load.
struct FAero::Objects {
    Objects()
    {
        atm.setzen_hft(0);
        spd.setzen_hft(0);
        spd.setzen_Mach(0);
    }
    Eng_atmos atm;
    Cl_Alt_spd spd;
    Length len;
    Density dens;
    Pressure press;
    Temperature temp;
    Velocity vel;
};

namespace {

// A field stands on both tabs under one caption; its box, labels and unit
// are each tab's own.
struct Field {
    const char* caption;
    UnitRow::Names at[2]; // English, ISO
};

const Field kAltitude = {"Altitude:", {{"Txt_alt", "Label10", "Lbl_Alt_u", "[ft]"}, {"Txt_alt_iso", "Label60", "Label62", "[m]"}}};
const Field kDeltaIsa = {"Delta ISA:",
                         {{"Txt_dISA", "Lbl_dISA", "Lbl_dISA_u", "[deg_F]"}, {"Txt_dISA_iso", "Label61", "Label63", "[deg_C]"}}};
// Density, pressure, temperature, speed of sound.
const Field kProps[4] = {
    {"Density:", {{"Txt_dens", "Lbl_dens", "Lbl_dens_u", "[slug/ft^3]"}, {"Txt_dens_iso", "Label44", "Label47", "[Kg/m^3]"}}},
    {"Atm Pressure:",
     {{"Txt_press", "Lbl_press", "Lbl_press_u", "[lb/ft^2]"}, {"Txt_press_iso", "Label46", "Label49", "[N/m^2] or [Pa]"}}},
    {"Temperature:", {{"Txt_Temp", "Lbl_temp", "Lbl_temp_u", "[deg_R]"}, {"Txt_temp_iso", "Label45", "Label50", "[deg_K]"}}},
    {"Spd. of Sound-Va:", {{"Txt_Va", "Lbl_Va", "Lbl_Va_u", "[ft/sec]"}, {"Txt_va_iso", "Label48", "Label51", "[m/sec]"}}},
};
// In the order of FAero::Speed.
const Field kSpeedFields[5] = {
    {"Mach:", {{"Txt_mach", "Lbl_Mach", "Label14", "[~]"}, {"Txt_mach_iso", "Label59", "Label56", "[~]"}}},
    {"Veas:", {{"Txt_Veas", "Label13", "Label16", "[kt]"}, {"Txt_veas_iso", "Label57", "Label54", "[km/h]"}}},
    {"Vcas:", {{"Txt_vcas", "Label12", "Label17", "[kt]"}, {"Txt_vcas_iso", "Label58", "Label53", "[km/h]"}}},
    {"Vtrue:", {{"Txt_vtrue", "Label15", "Label18", "[kt]"}, {"Txt_vtrue_iso", "Label55", "Label52", "[km/h]"}}},
    {"Dynamic Press. q :", {{"Txt_qbar", "Label64", "Label65", " [lb/ft^2]"}, {"Txt_qbar_iso", "Label67", "Label66", " [Pa]"}}},
};

// Widened a little from the design where the desktop font is wider: the
// deviation box holds "0.0000", the captions end in their colon.
constexpr UnitRow::Columns kAltitudeColumns{75, 720, 810, 1050, 285, 1890, 330, 45};
constexpr UnitRow::Columns kDeltaIsaColumns{2250, 840, 3105, 690, 285, 3840, 650, 45};
constexpr UnitRow::Columns kPropColumns{90, 1500, 1605, 1185, 240, 2820, 1400, 15};
constexpr UnitRow::Columns kSpeedColumns{90, 1560, 1665, 1215, 255, 2910, 1300, 15};

struct Page {
    const char* caption;
    const char* propFrame;
    const char* speedFrame;
    double speedTop, speedHeight;
};
const Page kPages[2] = {
    {"English", "Fra_Pys_prop", "Fra_speed", 2340, 1875},
    {"ISO", "Frame1", "Frame3", 2400, 1815},
};

// What each speed box sets and reads, in the order the handlers rewrite them.
enum class Unit { None, Knots, Psf };
struct SpeedKind {
    void (Cl_Alt_spd::*set)(double);
    double (Cl_Alt_spd::*get)() const;
    Unit unit;
};
const SpeedKind kSpeeds[5] = {
    {&Cl_Alt_spd::setzen_Mach, &Cl_Alt_spd::out_Mach, Unit::None},
    {&Cl_Alt_spd::setzen_keas, &Cl_Alt_spd::out_vkeas, Unit::Knots},
    {&Cl_Alt_spd::setzen_kcas, &Cl_Alt_spd::out_vkcas, Unit::Knots},
    {&Cl_Alt_spd::setzen_ktas, &Cl_Alt_spd::out_vktas, Unit::Knots},
    {&Cl_Alt_spd::setzen_qbar, &Cl_Alt_spd::out_qbar, Unit::Psf},
};

// The speed boxes' handlers, by tab and in the order of FAero::Speed.
using SpeedHandler = void (FAero::*)(int, int);
const SpeedHandler kSpeedHandlers[2][5] = {
    {&FAero::Txt_mach_KeyUp, &FAero::Txt_Veas_KeyUp, &FAero::Txt_vcas_KeyUp, &FAero::Txt_vtrue_KeyUp,
     &FAero::Txt_qbar_KeyUp},
    {&FAero::Txt_mach_iso_KeyUp, &FAero::Txt_veas_iso_KeyUp, &FAero::Txt_vcas_iso_KeyUp, &FAero::Txt_vtrue_iso_KeyUp,
     &FAero::Txt_qbar_iso_KeyUp},
};

} // namespace

FAero::FAero() : ToolWindow("FAero")
{
    setWindowTitle("Standard Athmosphere ICAO");
    setClientSize(4650, 4440); // design 4455, widened for the desktop font
}

FAero::~FAero() = default;

void FAero::buildTab(QTabWidget* tabs, Tab tab)
{
    const Page& p = kPages[tab];
    TabBoxes& b = boxes_[tab];
    QWidget* page = Controls::addTab(tabs, p.caption);
    auto top = [tabs](double t) { return Controls::tabTop(tabs, t); };

    b.alt = UnitRow::add(page, kAltitude.at[tab], kAltitude.caption, "0", kAltitudeColumns, top(405)).box;
    b.dIsa = UnitRow::add(page, kDeltaIsa.at[tab], kDeltaIsa.caption, "0", kDeltaIsaColumns, top(405)).box;

    QGroupBox* props =
        Controls::tightFrame(page, p.propFrame, "Physical Properties", Twips::rect(135, top(720), 4305, 1545));
    for (size_t i = 0; i < b.props.size(); ++i) {
        const Field& f = kProps[i];
        b.props[i] = UnitRow::add(props, f.at[tab], f.caption, QString(), kPropColumns, 270 + 315 * double(i)).box;
        b.props[i]->setReadOnly(true);
    }

    QGroupBox* speeds =
        Controls::tightFrame(page, p.speedFrame, "Speed", Twips::rect(135, top(p.speedTop), 4305, p.speedHeight));
    for (size_t i = 0; i < b.speeds.size(); ++i) {
        const Field& f = kSpeedFields[i];
        b.speeds[i] = UnitRow::add(speeds, f.at[tab], f.caption, QString(), kSpeedColumns, 180 + 315 * double(i)).box;
    }
}

void FAero::setupUi(QWidget* body)
{
    tabs_ = new QTabWidget(body);
    tabs_->setObjectName("SSTab3");
    tabs_->setGeometry(Twips::rect(30, -15, 4590, 4410));
    buildTab(tabs_, English);
    buildTab(tabs_, Iso);
    tabs_->setCurrentIndex(English);
    // The altitude is where the work starts: digits typed at once go there, not to the tab strip.
    setFirstControl(boxes_[English].alt);

    const TabBoxes& en = boxes_[English];
    const TabBoxes& iso = boxes_[Iso];
    // The altitudes and speeds are kept in the models, in one unit for both tabs.
    // The altitudes take what the shared numeric filter takes.
    NumberBox& alt = NumberBox::of(en.alt).accepts(Funct_txt_check::key_numeric).reads();
    connect(&alt, &NumberBox::changed, this, [this] { Txt_alt_Change(); });
    NumberBox& altIso = NumberBox::of(iso.alt).accepts(Funct_txt_check::key_numeric).reads();
    connect(&altIso, &NumberBox::changed, this, [this] { Txt_alt_iso_Change(); });
    NumberBox& dIsa = NumberBox::of(en.dIsa).accepts(QStringLiteral(".-+0123456789")).keeps([this] { return dISA; });
    connect(&dIsa, &NumberBox::changed, this, [this] { Txt_dISA_Change(); });
    // The ISO deviation only shows the English one converted; nothing reads it.
    iso.dIsa->setReadOnly(true);

    for (Tab tab : {English, Iso}) {
        for (int s = Mach; s <= Qbar; ++s) {
            NumberBox& speed = NumberBox::of(boxes_[tab].speeds[s]).accepts("0123456789.", ".").reads();
            // Only the user's own edit sets a speed: a Tab's release, an arrow
            // or a refused key in the box changes nothing.
            connect(&speed, &NumberBox::edited, this, [this, h = kSpeedHandlers[tab][s]] { (this->*h)(0, 0); });
        }
    }
}

void FAero::Form_Load()
{
    o_ = std::make_unique<Objects>();
    alt_ft = 0;
    tabAltFt_ = {};
    dISA = 0;
    last_speed_entry = {English, Mach};
    // Each write differs from the design text "0", so its change handler
    // runs now and fills the tab for sea level and Mach 0.
    put(boxes_[English].alt, alt_ft);
    put(boxes_[English].dIsa, dISA);
    // Those handlers read the zeros back, so the ISO tab starts from them too.
    last_speed_entry = {Iso, Mach};
    put(boxes_[Iso].alt, alt_ft * o_->len.ft2m());
    put(boxes_[Iso].dIsa, dISA * o_->temp.dF2dC());
    const QString zero = rt::str(0);
    for (Speed s : {Mach, Vcas, Veas, Vtrue, Qbar}) {
        NumberBox::of(boxes_[English].speeds[s]).show(zero);
        NumberBox::of(boxes_[Iso].speeds[s]).show(zero);
    }
}

void FAero::put(QLineEdit* box, double x) { NumberBox::of(box).show(Utilities::format_result(x)); }

// An atmosphere result that failed was reported already; its box goes blank.
void FAero::put(QLineEdit* box, std::optional<double> x)
{
    if (x) put(box, *x);
    else NumberBox::of(box).show(QString());
}

void FAero::Txt_alt_Change()
{
    rt::trap([&] {
        const TabBoxes& b = boxes_[English];
        alt_ft = NumberBox::of(b.alt).number();
        tabAltFt_[English] = alt_ft;
        o_->atm.setzen_hft(alt_ft);
        o_->spd.setzen_hft(alt_ft);
        put(b.props[0], o_->atm.out_rho());
        put(b.props[1], o_->atm.out_press_pft2());
        put(b.props[2], o_->atm.out_temp_R());
        put(b.props[3], o_->atm.out_Va_fps());
        speedKeyUp(English, heldSpeed(English));
    });
}

void FAero::Txt_alt_iso_Change()
{
    rt::trap([&] {
        const TabBoxes& b = boxes_[Iso];
        Objects& o = *o_;
        alt_ft = (rt::Checked(NumberBox::of(b.alt).number()) * o.len.m2ft()).v;
        tabAltFt_[Iso] = alt_ft;
        o.atm.setzen_hft(alt_ft);
        o.spd.setzen_hft(alt_ft);
        auto times = [](std::optional<double> x, double factor) -> std::optional<double> {
            if (!x) return std::nullopt;
            return (rt::Checked(*x) * factor).v;
        };
        put(b.props[0], times(o.atm.out_rho(), o.dens.slugft32Kgm3()));
        put(b.props[1], times(o.atm.out_press_pft2(), o.press.psf2Pa()));
        o.temp.setzen_dR(o.atm.out_temp_R());
        put(b.props[2], o.temp.dR2dK());
        put(b.props[3], times(o.atm.out_Va_fps(), o.vel.fps2ms()));
        speedKeyUp(Iso, heldSpeed(Iso));
    });
}

// The deviation is kept but no result uses it.
void FAero::Txt_dISA_Change()
{
    rt::trap([&] { dISA = NumberBox::of(boxes_[English].dIsa).number(); });
}

void FAero::speedKeyUp(Tab tab, Speed read)
{
    rt::trap([&] {
        Objects& o = *o_;
        // Both tabs share the models: a tab's speeds are computed at the
        // altitude that tab shows, whichever tab set the models last.
        o.atm.setzen_hft(tabAltFt_[tab]);
        o.spd.setzen_hft(tabAltFt_[tab]);
        const std::array<QLineEdit*, 5>& boxes = boxes_[tab].speeds;
        // The ISO tab shows km/h and Pa; the model works in knots and lb/ft^2.
        auto convert = [&](double x, Unit u, bool entering) {
            if (tab == English || u == Unit::None) return x;
            if (u == Unit::Knots) return (rt::Checked(x) * (entering ? o.vel.kmh2kt() : o.vel.kt2kmh())).v;
            return (rt::Checked(x) * (entering ? o.press.Pa2psf() : o.press.psf2Pa())).v;
        };
        const SpeedKind& in = kSpeeds[read];
        // The box's number as its controller read it (a held speed's too).
        (o.spd.*in.set)(convert(NumberBox::of(boxes[read]).number(), in.unit, true));
        for (int s = Mach; s <= Qbar; ++s) {
            if (s == read) continue;
            const SpeedKind& out = kSpeeds[s];
            put(boxes[s], convert((o.spd.*out.get)(), out.unit, false));
        }
        // A dynamic pressure is not held: an altitude change on either tab
        // then holds its Mach number, as after the ISO Mach box.
        last_speed_entry = read == Qbar ? SpeedEntry{Iso, Mach} : SpeedEntry{tab, read};
    });
}

FAero::Speed FAero::heldSpeed(Tab tab) const { return last_speed_entry.tab == tab ? last_speed_entry.speed : Mach; }

void FAero::Txt_mach_KeyUp(int, int) { speedKeyUp(English, Mach); }
void FAero::Txt_Veas_KeyUp(int, int) { speedKeyUp(English, Veas); }
void FAero::Txt_vcas_KeyUp(int, int) { speedKeyUp(English, Vcas); }
void FAero::Txt_vtrue_KeyUp(int, int) { speedKeyUp(English, Vtrue); }
void FAero::Txt_qbar_KeyUp(int, int) { speedKeyUp(English, Qbar); }
void FAero::Txt_mach_iso_KeyUp(int, int) { speedKeyUp(Iso, Mach); }
void FAero::Txt_veas_iso_KeyUp(int, int) { speedKeyUp(Iso, Veas); }
void FAero::Txt_vcas_iso_KeyUp(int, int) { speedKeyUp(Iso, Vcas); }
void FAero::Txt_vtrue_iso_KeyUp(int, int) { speedKeyUp(Iso, Vtrue); }
void FAero::Txt_qbar_iso_KeyUp(int, int) { speedKeyUp(Iso, Qbar); }
