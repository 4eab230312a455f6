#include "conversion/ui/Fill_lists.h"

#include "conversion/Calc_conv_Power.h"
#include "conversion/Calc_conv_Vol.h"
#include "conversion/Calc_conv_accel.h"
#include "conversion/Calc_conv_angle.h"
#include "conversion/Calc_conv_area.h"
#include "conversion/Calc_conv_dens.h"
#include "conversion/Calc_conv_force.h"
#include "conversion/Calc_conv_freq.h"
#include "conversion/Calc_conv_len.h"
#include "conversion/Calc_conv_mass.h"
#include "conversion/Calc_conv_numbers.h"
#include "conversion/Calc_conv_press.h"
#include "conversion/Calc_conv_temp.h"
#include "conversion/Calc_conv_time.h"
#include "conversion/Calc_conv_torque.h"
#include "conversion/Calc_conv_vel.h"
#include "conversion/Calc_conv_work.h"
#include "conversion/calc_conv_prefix.h"

#include <QListWidget>

namespace Fill_lists {
namespace {

void fill(QListWidget* from, QListWidget* to, ConvSkeleton::Units units)
{
    QStringList entries;
    for (const char* unit : units) entries << QString::fromUtf8(unit);
    for (QListWidget* list : {from, to}) {
        list->clear();
        list->addItems(entries);
        list->setCurrentRow(0);
    }
}

} // namespace

void fill_len(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_len::units()); }
void fill_area(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_area::units()); }
void fill_vol(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_Vol::units()); }
void fill_mass(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_mass::units()); }
void fill_force(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_force::units()); }
void fill_press(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_press::units()); }
void fill_work(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_work::units()); }
void fill_power(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_Power::units()); }
void fill_time(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_time::units()); }
void fill_freq(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_freq::units()); }
void fill_temp(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_temp::units()); }
void fill_dens(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_dens::units()); }
void fill_angle(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_angle::units()); }
void fill_torque(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_torque::units()); }
void fill_vel(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_vel::units()); }
void fill_accel(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_accel::units()); }
void fill_numb(QListWidget* f, QListWidget* t) { fill(f, t, Calc_conv_numbers::units()); }
void fill_prefix(QListWidget* f, QListWidget* t) { fill(f, t, calc_conv_prefix::units()); }

} // namespace Fill_lists
