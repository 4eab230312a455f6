#include "aero/ui/FAero.h"

#include "aero/Cl_Alt_spd.h"
#include "aero/Eng_atmos.h"
#include "quantities/Density.h"
#include "quantities/Length.h"
#include "quantities/Pressure.h"
#include "quantities/Temperature.h"
#include "quantities/Velocity.h"
#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"
#include "shell/Utilities.h"
#include "shell/ui/Controls.h"
#include "shell/ui/KeptValue.h"
#include "shell/ui/KeyHook.h"
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

struct RowDef {
    const char* box;
    const char* captionName;
    const char* caption;
    const char* unitName;
    const char* unit;
};

struct TabDef {
    const char* caption;
    RowDef alt, dIsa;
    const char* propFrame;
    std::array<RowDef, 4> props;
    const char* speedFrame;
    double speedTop, speedHeight;
    std::array<RowDef, 5> speeds;
};

const TabDef kTabs[2] = {
    {"English",
     {"Txt_alt", "Label10", "Altitude:", "Lbl_Alt_u", "[ft]"},
     {"Txt_dISA", "Lbl_dISA", "Delta ISA:", "Lbl_dISA_u", "[deg_F]"},
     "Fra_Pys_prop",
     {{{"Txt_dens", "Lbl_dens", "Density:", "Lbl_dens_u", "[slug/ft^3]"},
       {"Txt_press", "Lbl_press", "Atm Pressure:", "Lbl_press_u", "[lb/ft^2]"},
       {"Txt_Temp", "Lbl_temp", "Temperature:", "Lbl_temp_u", "[deg_R]"},
       {"Txt_Va", "Lbl_Va", "Spd. of Sound-Va:", "Lbl_Va_u", "[ft/sec]"}}},
     "Fra_speed", 2340, 1875,
     {{{"Txt_mach", "Lbl_Mach", "Mach:", "Label14", "[~]"},
       {"Txt_Veas", "Label13", "Veas:", "Label16", "[kt]"},
       {"Txt_vcas", "Label12", "Vcas:", "Label17", "[kt]"},
       {"Txt_vtrue", "Label15", "Vtrue:", "Label18", "[kt]"},
       {"Txt_qbar", "Label64", "Dynamic Press. q :", "Label65", " [lb/ft^2]"}}}},
    {"ISO",
     {"Txt_alt_iso", "Label60", "Altitude:", "Label62", "[m]"},
     {"Txt_dISA_iso", "Label61", "Delta ISA:", "Label63", "[deg_C]"},
     "Frame1",
     {{{"Txt_dens_iso", "Label44", "Density:", "Label47", "[Kg/m^3]"},
       {"Txt_press_iso", "Label46", "Atm Pressure:", "Label49", "[N/m^2] or [Pa]"},
       {"Txt_temp_iso", "Label45", "Temperature:", "Label50", "[deg_K]"},
       {"Txt_va_iso", "Label48", "Spd. of Sound-Va:", "Label51", "[m/sec]"}}},
     "Frame3", 2400, 1815,
     {{{"Txt_mach_iso", "Label59", "Mach:", "Label56", "[~]"},
       {"Txt_veas_iso", "Label57", "Veas:", "Label54", "[km/h]"},
       {"Txt_vcas_iso", "Label58", "Vcas:", "Label53", "[km/h]"},
       {"Txt_vtrue_iso", "Label55", "Vtrue:", "Label52", "[km/h]"},
       {"Txt_qbar_iso", "Label67", "Dynamic Press. q :", "Label66", " [Pa]"}}}},
};

// What each speed box sets and reads, in the order the handlers rewrite them.
enum class Unit { None, Knots, Psf };
struct SpeedKind {
    void (Cl_Alt_spd::*set)(double);
    double (Cl_Alt_spd::*get)() const;
    Unit unit;
    int16_t lastEntry[2]; // English, ISO
};
const SpeedKind kSpeeds[5] = {
    {&Cl_Alt_spd::setzen_Mach, &Cl_Alt_spd::out_Mach, Unit::None, {1, 11}},
    {&Cl_Alt_spd::setzen_keas, &Cl_Alt_spd::out_vkeas, Unit::Knots, {2, 12}},
    {&Cl_Alt_spd::setzen_kcas, &Cl_Alt_spd::out_vkcas, Unit::Knots, {3, 13}},
    {&Cl_Alt_spd::setzen_ktas, &Cl_Alt_spd::out_vktas, Unit::Knots, {4, 14}},
    // After a dynamic pressure, an altitude change holds the Mach number.
    {&Cl_Alt_spd::setzen_qbar, &Cl_Alt_spd::out_qbar, Unit::Psf, {11, 11}},
};

// Keys a box accepts, and those it accepts only once.
void filterKeys(QLineEdit* box, const QString& allowed, const QString& once)
{
    KeyHook::onKeyPress(box, [box, allowed, once](int& k) {
        if (k > 0xFFFF || !allowed.contains(QChar(k))) k = 0;
        const QString text = box->text();
        for (QChar c : once)
            if (text.contains(c) && k == c.unicode()) k = 0;
    });
}

} // namespace

FAero::FAero() : ToolWindow("FAero")
{
    setWindowTitle("Standard Athmosphere ICAO");
    setClientSize(4650, 4440); // design 4455, widened for the desktop font
}

FAero::~FAero() = default;

void FAero::buildTab(QTabWidget* tabs, Tab tab)
{
    using namespace Controls;
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    const TabDef& d = kTabs[tab];
    TabBoxes& b = boxes_[tab];
    QWidget* page = addTab(tabs, d.caption);
    auto top = [tabs](double t) { return tabTop(tabs, t); };

    // Widened a little from the design where the desktop font is wider:
    // the deviation box holds "0.0000", the captions end in their colon.
    label(page, d.alt.captionName, d.alt.caption, Twips::rect(75, top(450), 720, 240), topLeft);
    b.alt = textBox(page, d.alt.box, "0", Twips::rect(810, top(405), 1050, 285));
    b.alt->setCursorPosition(0);
    label(page, d.alt.unitName, d.alt.unit, Twips::rect(1890, top(450), 330, 240), topLeft);
    label(page, d.dIsa.captionName, d.dIsa.caption, Twips::rect(2250, top(450), 840, 240), topLeft);
    b.dIsa = textBox(page, d.dIsa.box, "0", Twips::rect(3105, top(405), 690, 285));
    b.dIsa->setCursorPosition(0);
    label(page, d.dIsa.unitName, d.dIsa.unit, Twips::rect(3840, top(450), 650, 240), topLeft);

    QGroupBox* props = tightFrame(page, d.propFrame, "Physical Properties", Twips::rect(135, top(720), 4305, 1545));
    for (size_t i = 0; i < b.props.size(); ++i) {
        const RowDef& r = d.props[i];
        const double t = 270 + 315 * double(i);
        label(props, r.captionName, r.caption, Twips::rect(90, t + 15, 1500, 240), topLeft);
        b.props[i] = textBox(props, r.box, QString(), Twips::rect(1605, t, 1185, 240));
        b.props[i]->setReadOnly(true);
        label(props, r.unitName, r.unit, Twips::rect(2820, t + 15, 1400, 240), topLeft);
    }

    QGroupBox* speeds =
        tightFrame(page, d.speedFrame, "Speed", Twips::rect(135, top(d.speedTop), 4305, d.speedHeight));
    for (size_t i = 0; i < b.speeds.size(); ++i) {
        const RowDef& r = d.speeds[i];
        const double t = 180 + 315 * double(i);
        label(speeds, r.captionName, r.caption, Twips::rect(90, t + 15, 1560, 240), topLeft);
        b.speeds[i] = textBox(speeds, r.box, QString(), Twips::rect(1665, t, 1215, 255));
        label(speeds, r.unitName, r.unit, Twips::rect(2910, t + 15, 1300, 240), topLeft);
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
    KeptValue::connect(en.alt, [this] { Txt_alt_Change(); });
    KeptValue::connect(iso.alt, [this] { Txt_alt_iso_Change(); });
    KeptValue::connect(en.dIsa, [this] { Txt_dISA_Change(); }, [this] { return dISA; });
    // The ISO deviation only shows the English one converted; nothing reads it.
    iso.dIsa->setReadOnly(true);

    const QString signedNumber = QStringLiteral(".-+0123456789");
    filterKeys(en.alt, signedNumber, QStringLiteral(".-+"));
    filterKeys(iso.alt, signedNumber, QStringLiteral(".-+"));
    filterKeys(en.dIsa, signedNumber, QString());
    for (Tab tab : {English, Iso}) {
        for (int s = Mach; s <= Qbar; ++s) {
            QLineEdit* b = boxes_[tab].speeds[s];
            filterKeys(b, QStringLiteral("0123456789."), QStringLiteral("."));
            KeptValue::connect(b, {});
            KeyHook::onKeyUp(b, [this, tab, s](int&, int) { speedKeyUp(tab, Speed(s)); });
        }
    }
}

void FAero::Form_Load()
{
    o_ = std::make_unique<Objects>();
    alt_ft = 0;
    dISA = 0;
    last_speed_entry = 1;
    // Each write differs from the design text "0", so its change handler
    // runs now and fills the tab for sea level and Mach 0.
    boxes_[English].alt->setText(Utilities::format_result(alt_ft));
    boxes_[English].dIsa->setText(Utilities::format_result(dISA));
    alt_ft = 0;
    dISA = 0;
    last_speed_entry = 11;
    boxes_[Iso].alt->setText(Utilities::format_result(alt_ft * o_->len.ft2m()));
    boxes_[Iso].dIsa->setText(Utilities::format_result(dISA * o_->temp.dF2dC()));
    const QString zero = rt::str(0);
    for (Speed s : {Mach, Vcas, Veas, Vtrue, Qbar}) {
        boxes_[English].speeds[s]->setText(zero);
        boxes_[Iso].speeds[s]->setText(zero);
    }
}

void FAero::put(QLineEdit* box, double x) { box->setText(Utilities::format_result(x)); }

// An atmosphere result that failed was reported already; its box goes blank.
void FAero::put(QLineEdit* box, std::optional<double> x)
{
    if (x) put(box, *x);
    else box->setText(QString());
}

void FAero::Txt_alt_Change()
{
    rt::trap([&] {
        const TabBoxes& b = boxes_[English];
        alt_ft = rt::val(b.alt->text());
        o_->atm.setzen_hft(alt_ft);
        o_->spd.setzen_hft(alt_ft);
        put(b.props[0], o_->atm.out_rho());
        put(b.props[1], o_->atm.out_press_pft2());
        put(b.props[2], o_->atm.out_temp_R());
        put(b.props[3], o_->atm.out_Va_fps());
        switch (last_speed_entry) {
        case 2: Txt_Veas_KeyUp(); break;
        case 3: Txt_vcas_KeyUp(); break;
        case 4: Txt_vtrue_KeyUp(); break;
        default: Txt_mach_KeyUp(); break;
        }
    });
}

void FAero::Txt_alt_iso_Change()
{
    rt::trap([&] {
        const TabBoxes& b = boxes_[Iso];
        Objects& o = *o_;
        alt_ft = rt::mul(rt::val(b.alt->text()), o.len.m2ft());
        o.atm.setzen_hft(alt_ft);
        o.spd.setzen_hft(alt_ft);
        auto times = [](std::optional<double> x, double factor) -> std::optional<double> {
            if (!x) return std::nullopt;
            return rt::mul(*x, factor);
        };
        put(b.props[0], times(o.atm.out_rho(), o.dens.slugft32Kgm3()));
        put(b.props[1], times(o.atm.out_press_pft2(), o.press.psf2Pa()));
        o.temp.setzen_dR(o.atm.out_temp_R());
        put(b.props[2], o.temp.dR2dK());
        put(b.props[3], times(o.atm.out_Va_fps(), o.vel.fps2ms()));
        switch (last_speed_entry) {
        case 12: Txt_veas_iso_KeyUp(); break;
        case 13: Txt_vcas_iso_KeyUp(); break;
        case 14: Txt_vtrue_iso_KeyUp(); break;
        default: Txt_mach_iso_KeyUp(); break;
        }
    });
}

// The deviation is kept but no result uses it.
void FAero::Txt_dISA_Change()
{
    rt::trap([&] { dISA = rt::val(boxes_[English].dIsa->text()); });
}

void FAero::speedKeyUp(Tab tab, Speed read)
{
    rt::trap([&] {
        Objects& o = *o_;
        const std::array<QLineEdit*, 5>& boxes = boxes_[tab].speeds;
        // The ISO tab shows km/h and Pa; the model works in knots and lb/ft^2.
        auto convert = [&](double x, Unit u, bool entering) {
            if (tab == English || u == Unit::None) return x;
            if (u == Unit::Knots) return rt::mul(x, entering ? o.vel.kmh2kt() : o.vel.kt2kmh());
            return rt::mul(x, entering ? o.press.Pa2psf() : o.press.psf2Pa());
        };
        const SpeedKind& in = kSpeeds[read];
        (o.spd.*in.set)(convert(rt::val(boxes[read]->text()), in.unit, true));
        for (int s = Mach; s <= Qbar; ++s) {
            if (s == read) continue;
            const SpeedKind& out = kSpeeds[s];
            put(boxes[s], convert((o.spd.*out.get)(), out.unit, false));
        }
        last_speed_entry = in.lastEntry[tab];
    });
}

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
