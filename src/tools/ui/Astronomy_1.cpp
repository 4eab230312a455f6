#include "tools/ui/Astronomy_1.h"

#include "runtime/NumText.h"
#include "shell/ui/Controls.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace {

// One row of a properties frame: caption, value box, unit (twips).
QLineEdit* propertyRow(QWidget* parent, int top, const QString& caption, const QString& name, const QString& text,
                       const QString& unit, int boxWidth)
{
    const int boxLeft = 1485;
    Controls::label(parent, QString(), caption, Twips::rect(60, top + 30, boxLeft - 90, 240));
    QLineEdit* box = Controls::textBox(parent, name, text, Twips::rect(boxLeft, top, boxWidth, 300));
    Controls::label(parent, QString(), unit, Twips::rect(boxLeft + boxWidth + 30, top + 30, 1500, 240));
    return box;
}

} // namespace

Astronomy_1::Astronomy_1() : ToolWindow("Astronomy_1")
{
    setWindowTitle("Astronomy - Sun and Planets");
    setClientSize(4515, 5235);
}

void Astronomy_1::setupUi(QWidget* body)
{
    auto* frame1 = Controls::frame(body, "Frame1", "Sun and Planets", Twips::rect(45, 45, 4425, 5145));
    auto* tabs = new QTabWidget(frame1);
    tabs->setObjectName("SSTab1");
    tabs->setGeometry(Twips::rect(60, 240, 4305, 4860));
    tabs->addTab(sunPage(), "Sun");
    tabs->addTab(planetsPage(), "Planets");
    tabs->addTab(stripPage("TabStrip2", {"Gaspra", "Toutatis", "Ida"}), "Asteroids");
    tabs->addTab(stripPage("TabStrip3", {"Halley"}), "Comets");
    tabs->setCurrentIndex(0);

    // Stands just under the design client area, so it is never seen.
    auto* note = Controls::label(body, "Label1",
                                 "Mass, Diameter, Length of Day,Length of year, Orbit sizes, Orbit inclination, "
                                 "Precesion Angle, Symbol, History, Name",
                                 Twips::rect(45, 5250, 4425, 480));
    note->setWordWrap(true);

    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
}

QWidget* Astronomy_1::sunPage()
{
    auto* page = new QWidget;
    auto* f = Controls::frame(page, "Frame4", "General Properties", Twips::rect(45, 120, 4170, 2200));
    struct Row {
        const char *caption, *name, *text, *unit;
    };
    const Row rows[] = {
        {"Mass:", "Text6", "1.99^30", "[Kg]"},
        {"Diameter:", "Text7", " 1,390,000", "[Km]"},
        {"Day:", "Text8", "25", "[Terrestrial Days]"},
        {"Temp Surface:", "Text9", "5800", "[deg K]"},
        {"Temp.Core:", "Text10", "15,600,000", "[Deg K]"},
    };
    int top = 300;
    for (const Row& r : rows) {
        propertyRow(f, top, r.caption, r.name, r.text, r.unit, 1140);
        top += 360;
    }
    return page;
}

QWidget* Astronomy_1::planetsPage()
{
    auto* page = new QWidget;
    TabStrip1 = new QTabBar(page);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->setGeometry(Twips::rect(45, 60, 4170, 360));
    TabStrip1->setUsesScrollButtons(true);
    TabStrip1->setExpanding(false);
    for (const char* planet : {"Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"})
        TabStrip1->addTab(planet);

    auto* f2 = Controls::frame(page, "Frame2", "General Properties", Twips::rect(45, 450, 4170, 2310));
    struct Row {
        const char *caption, *unit;
    };
    const Row rows[] = {
        {"Mass:", "[Kg]"},
        {"Mean Radius:", "[Km]"},
        {"Density:", "[Kg/m^3]"},
        {"Gravity:", "[m/sec^2]"},
        {"Rotation Period:", "[Earth days]"},
        {"Orbit Period:", "[Earth Years]"},
    };
    Text1.clear();
    int top = 300;
    for (int k = 0; k < 6; ++k) {
        Text1 << propertyRow(f2, top, rows[k].caption, QString("Text1_%1").arg(k), QString(), rows[k].unit, 1350);
        top += 330;
    }

    auto* f3 = Controls::frame(page, "Frame3", "Moons", Twips::rect(45, 2790, 4170, 1650));
    Lbl_Moons = Controls::label(f3, "Lbl_Moons", QString(), Twips::rect(90, 240, 4020, 1380));
    Lbl_Moons->setWordWrap(true);
    Lbl_Moons->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return page;
}

// The asteroid and comet pages: a strip of tabs with no behaviour.
QWidget* Astronomy_1::stripPage(const char* stripName, const QStringList& tabs)
{
    auto* page = new QWidget;
    auto* strip = new QTabBar(page);
    strip->setObjectName(stripName);
    strip->setGeometry(Twips::rect(60, 90, 4110, 360));
    strip->setExpanding(false);
    for (const QString& t : tabs) strip->addTab(t);
    if (QByteArray(stripName) == "TabStrip2") {
        auto* l = Controls::label(page, "Label22", "Asteroids are located between Mars and Jupiter",
                                  Twips::rect(120, 600, 3990, 480));
        l->setWordWrap(true);
    }
    return page;
}

void Astronomy_1::Form_Load()
{
    fill_planet_table();
    show_planet(TabStrip1->currentIndex() + 1, Text1);
}

void Astronomy_1::TabStrip1_Click() { show_planet(TabStrip1->currentIndex() + 1, Text1); }

void Astronomy_1::fill_planet_table()
{
    // Mass [kg], mean radius [km], density, gravity [m/s^2], then two periods
    // as the table has always held them (Mercury's pair in swapped order,
    // Uranus repeating Saturn's, days up to Mars and years from Jupiter on).
    const double rows[9][6] = {
        {0.3289e24, 2439.7, 5.43, 2.78604, 87.97, 58.65},
        {4.86772e24, 6051.9, 5.24, 8.89767, 243, 224.7},
        {5.98e24, 6371, 5.52, 9.81, 1, 365.26},
        {0.64584e24, 3389.5, 3.94, 3.7278, 1.026, 686.98},
        {1900.444e24, 69911, 2.506, 24.58386, 0.414, 11.86},
        {5.69296e26, 58232, 0.69, 9.07425, 0.436, 29.46},
        {86.9193e24, 25362, 3.94, 7.78914, 0.436, 29.46},
        {1.02856e26, 24622, 1.64, 11.03625, 0.67, 164.79},
        {1.495e22, 1195, 2.05, 4.0221, 6.39, 247.7},
    };
    for (int p = 1; p <= 9; ++p)
        for (int k = 1; k <= 6; ++k) planet_table[p][k] = rows[p - 1][k - 1];

    // Names exactly as stored, stray spaces included.
    moon_table = {};
    moon_table[3] = {"Moon"};
    moon_table[4] = {"Deimos", "Phobos"};
    moon_table[5] = {"Metis",  "Adrastea", "Amalthea ", "Thebe",   "Io",       "Europa", "Ganymede",
                     "Callisto", "Leda",   "Himalia",   "Lysithea", "Elara",   "Ananke", "Carme",
                     "Pasiphae", "Sinope", " W1302",    "W1700",    "W1704",   "W1704_2", "W1800",
                     "W1903_s ", "W1805",  "W1902",     "W1904",    "W2002_2", "W1700_2"};
    moon_table[6] = {"Pan",    "Atlas",  "Prometheus", "Pandora", "Epimetheus", "Janus",
                     "Mimas",  "Enceladus", "Tethys",  "Telesto", "Calypso",    "Dione",
                     "Helene", "Rhea",   "Titan",      "Hyperion", "Iapetus",   "Phoebe"};
    moon_table[7] = {"Cordelia", "Ophelia", "Bianca",  "Cressida", "Desdemona", "Juliet",   "Portia",
                     "Rosalind", "Belinda", "Puck",    "Miranda",  "Ariel",     "Umbriel",  "Titania",
                     "Oberon",   "Caliban", "Sycorax", "Prospero", "Setebos",   "Stephano", "Trinculo"};
    moon_table[8] = {"Naiad", "Thalassa", "Despina", "Galatea", "Larissa", "Proteus", "Triton", "Nereid"};
    moon_table[9] = {"Charon"};
}

void Astronomy_1::show_planet(int p, const QList<QLineEdit*>& values)
{
    for (int k = 0; k < 6; ++k) NumberBox::of(values[k]).show(rt::str(planet_table[p][k + 1]));
    Lbl_Moons->setText(moon_table[p].join(", "));
}
