#include "conversion/ui/Fill_lists.h"

#include <QListWidget>

namespace Fill_lists {
namespace {

void fill(QListWidget* from, QListWidget* to, const QStringList& entries)
{
    for (QListWidget* list : {from, to}) {
        list->clear();
        list->addItems(entries);
        list->setCurrentRow(0);
    }
}

} // namespace

void fill_len(QListWidget* f, QListWidget* t) { fill(f, t, {"mm", "cm", "m", "km", "in", "ft", "yard", "mi"}); }

void fill_area(QListWidget* f, QListWidget* t)
{
    fill(f, t, {"mm^2", "cm^2", "m^2", "km^2", "in^2", "ft^2", "yard^2", "mi^2", "Acre", "Ha"});
}

void fill_vol(QListWidget* f, QListWidget* t)
{
    fill(f, t,
         {"mm^3", "cm^3", "m^3", "km^3", "in^3", "ft^3", "yard^3", "mi^3", "Liters", "Oz", "Cup", "Gal(US)"});
}

void fill_mass(QListWidget* f, QListWidget* t) { fill(f, t, {"gr", "kg", "slug"}); }
void fill_force(QListWidget* f, QListWidget* t) { fill(f, t, {"gr-f", "kg-f", "N", "dyne", "lb", "oz"}); }

void fill_press(QListWidget* f, QListWidget* t)
{
    fill(f, t, {"atm", "mm-Hg or (torr)", "in-Hg", "bar", "psi", "psf", "dynes/cm^2", "Pa or (N/m^2)"});
}

void fill_work(QListWidget* f, QListWidget* t)
{
    fill(f, t, {"Joule or (N-m)", "Watt-sec", "Watt_hour", "Btu", "cal", "ft-lb"});
}

void fill_power(QListWidget* f, QListWidget* t) { fill(f, t, {"Watt or (N*m/sec)", "Hp", "Btu/min", "cal/sec"}); }
void fill_time(QListWidget* f, QListWidget* t) { fill(f, t, {"Day", "Hours", "Min", "sec", "msec"}); }
void fill_freq(QListWidget* f, QListWidget* t) { fill(f, t, {"Hz", "rad/sec", "deg/sec", "RPM"}); }
void fill_temp(QListWidget* f, QListWidget* t) { fill(f, t, {"deg_C", "deg_K", "deg_F", "deg_R"}); }
void fill_dens(QListWidget* f, QListWidget* t) { fill(f, t, {"Kg/m^3", "gr/cm^3", "lb/in^3", "lb/ft^3"}); }
void fill_angle(QListWidget* f, QListWidget* t) { fill(f, t, {"deg", "rad"}); }
void fill_torque(QListWidget* f, QListWidget* t) { fill(f, t, {"N-m", "Dyne-cm", "lb-ft", "oz-in"}); }
void fill_vel(QListWidget* f, QListWidget* t) { fill(f, t, {"mm/s", "cm/s", "m/s", "km/h", "fps", "inps", "mph", "kt"}); }
void fill_accel(QListWidget* f, QListWidget* t) { fill(f, t, {"cm/s^2", "m/s^2", "fps^2", "inps^2"}); }

void fill_numb(QListWidget* f, QListWidget* t)
{
    fill(f, t,
         {"dec-base10=>0,9", "bin-base 2=>0,1", "oct-base 8=>0,7", "hex-base16=>0,F", "base 3=>0,2", "base 4=>0,3",
          "base 5=>0,4", "base 6=>0,5", "base 7=>0,6", "base 9=>0,8", "base 11=>0,A", "base 12=>0,B",
          "base 13=>0,C", "base 14=>0,D", "base 15=>0,E"});
}

void fill_prefix(QListWidget* f, QListWidget* t)
{
    fill(f, t,
         {"exa 10^18", "peta 10^15", "tera 10^12", "giga 10^9", "mega 10^6", "kilo 10^3", "hecto 10^2", "deka 10",
          "unit 1", "deci 1/10", "centi 1/10^2", "milli 1/10^3", "micro 1/10^6", "nano 1/10^9", "pico 1/10^12",
          "femto 1/10^15", "atto 1/10^16"});
}

} // namespace Fill_lists
